#include "document/DocumentCommands.h"

#include "document/CheckedPlainFile.h"
#include "document/Document.h"
#include "document/DocumentErrors.h"
#include "document/FileAccess.h"
#include "document/NewDocument.h"

#include <QScopeGuard>

void DocumentCommands::newDocument()
{
    m_document.entries().assign(NewDocumentEntries());
}

QString DocumentCommands::load(const QString &fileName, bool online)
{
    m_document.openDialogFileName = fileName;
    QString failure;
    try {
        LoadDeviceFile(fileName, online);
    } catch (const std::exception &error) {
        failure = QString::fromUtf8(error.what());
    }
    m_document.listSaved = true;
    return failure;
}

void DocumentCommands::save(const QString &fileName)
{
    m_document.saveDialogFileName = fileName;
    // The list then shows the file read back. It is the read-back that was
    // checked against the list before the file was written, byte for byte
    // what is on disk, so no failure of a second read can cut the list short.
    show(WriteDeviceFile(fileName), fileName);
    m_document.listSaved = true;
}

void DocumentCommands::LoadDeviceFile(const QString &fileName, bool online)
{
    DeviceFileReadResult read = ReadDeviceFile(fileName, online, QDateTime::currentDateTime());
    const QString failure = read.error;
    show(std::move(read), fileName);
    if (!failure.isEmpty())
        throw DocumentError(failure);
}

DeviceFileReadResult DocumentCommands::WriteDeviceFile(const QString &fileName)
{
    const auto takeName = qScopeGuard([this] { m_document.openDialogFileName = m_document.saveDialogFileName; });
    CheckedPlainFile file =
        ComposeCheckedPlainFile(m_document.entries().entries(), m_document.createdDate(), m_document.createdTime(),
                                m_document.version(), QDateTime::currentDateTime());
    WriteFileSafely(fileName, file.bytes);
    return std::move(file.readBack);
}

void DocumentCommands::show(DeviceFileReadResult &&read, const QString &fileName)
{
    m_document.applyRead(std::move(read));
    m_document.setFileName(fileName);
    m_document.saveDialogFileName = m_document.openDialogFileName;
}
