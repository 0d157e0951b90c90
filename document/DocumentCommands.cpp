#include "document/DocumentCommands.h"

#include "document/CheckedPlainFile.h"
#include "document/Document.h"
#include "document/DocumentErrors.h"
#include "document/FileAccess.h"
#include "document/NewDocument.h"

void DocumentCommands::newDocument()
{
    m_document.replaceList(NewDocumentEntries());
}

LoadOutcome DocumentCommands::load(const QString &fileName, bool online)
{
    m_document.adoptOpenFileName(fileName);
    LoadOutcome outcome;
    try {
        outcome.noDeviceData = !LoadDeviceFile(fileName, online);
    } catch (const std::exception &error) {
        outcome.failure = QString::fromUtf8(error.what());
    }
    // A file with no device data shows an empty list that is no file to send.
    m_document.markLoaded();
    if (outcome.noDeviceData)
        m_document.markNotAFile();
    return outcome;
}

void DocumentCommands::save(const QString &fileName)
{
    // The list then shows the file read back. It is the read-back that was
    // checked against the list before the file was written, byte for byte
    // what is on disk, so no failure of a second read can cut the list short.
    DeviceFileReadResult readBack = WriteDeviceFile(fileName);
    m_document.adoptOpenFileName(fileName);
    m_document.adoptReadBack(std::move(readBack), fileName);
}

bool DocumentCommands::LoadDeviceFile(const QString &fileName, bool online)
{
    DeviceFileReadResult read = ReadDeviceFile(fileName, online, QDateTime::currentDateTime());
    const QString failure = read.error;
    const bool deviceData = read.holdsDeviceData();
    m_document.adoptRead(std::move(read), fileName);
    if (!failure.isEmpty())
        throw DocumentError(failure);
    return deviceData;
}

DeviceFileReadResult DocumentCommands::WriteDeviceFile(const QString &fileName)
{
    CheckedPlainFile file =
        ComposeCheckedPlainFile(m_document.entries().entries(), m_document.createdDate(), m_document.createdTime(),
                                m_document.version(), QDateTime::currentDateTime());
    WriteFileSafely(fileName, file.bytes);
    return std::move(file.readBack);
}
