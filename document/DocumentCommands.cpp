#include "document/DocumentCommands.h"

#include "document/DeviceFileReader.h"
#include "document/DeviceFileWriter.h"
#include "document/Document.h"
#include "document/DocumentErrors.h"
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
    WriteDeviceFile(fileName);
    LoadDeviceFile(fileName, false);
    m_document.listSaved = true;
}

void DocumentCommands::LoadDeviceFile(const QString &fileName, bool online)
{
    DeviceFileReadResult read = ReadDeviceFile(fileName, online, QDateTime::currentDateTime());
    const QString failure = read.error;
    m_document.applyRead(std::move(read));
    m_document.setFileName(fileName);
    m_document.saveDialogFileName = m_document.openDialogFileName;
    if (!failure.isEmpty())
        throw DocumentError(failure);
}

void DocumentCommands::WriteDeviceFile(const QString &fileName)
{
    const auto takeName = qScopeGuard([this] { m_document.openDialogFileName = m_document.saveDialogFileName; });
    WritePlainDeviceFile(fileName, m_document.entries().entries(), m_document.createdDate(), m_document.createdTime(),
                         QByteArray::number(m_document.version()));
}
