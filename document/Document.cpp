#include "document/Document.h"

Document::Document(QObject *parent)
    : QObject(parent), m_createdDate(QDate::currentDate()), m_createdTime(QTime::currentTime())
{
}

void Document::setCreated(QDate date, QTime time)
{
    if (date == m_createdDate && time == m_createdTime)
        return;
    m_createdDate = date;
    m_createdTime = time;
    emit headerChanged();
}

void Document::setVersion(qint32 version)
{
    if (version == m_version)
        return;
    m_version = version;
    emit headerChanged();
}

void Document::setFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    emit fileNameChanged();
}

bool Document::listIsItsFile() const
{
    return listSaved && openDialogFileName == m_fileName;
}

void Document::applyRead(DeviceFileReadResult &&read)
{
    m_entries.assign(std::move(read.entries));
    if (read.created)
        setCreated(read.created->date(), read.created->time());
    if (read.version)
        setVersion(*read.version);
    keptSapLine = read.keptSap.value_or(keptSapLine);
    keptSrnLine = read.keptSrn.value_or(keptSrnLine);
    keptSprLine = read.keptSpr.value_or(keptSprLine);
}
