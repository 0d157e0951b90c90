#include "document/Document.h"

Document::Document(QObject *parent)
    : QObject(parent), m_createdDate(QDate::currentDate()), m_createdTime(QTime::currentTime())
{
    // Edits reach the list through the stack's commands and the model; both
    // may change what the controls show.
    connect(&m_undoStack, &QUndoStack::indexChanged, this, &Document::announce);
    connect(&m_undoStack, &QUndoStack::cleanChanged, this, &Document::announce);
    connect(&m_entries, &EntryModel::modelReset, this, &Document::announce);
    connect(&m_entries, &EntryModel::rowsInserted, this, &Document::announce);
    connect(&m_entries, &EntryModel::rowsRemoved, this, &Document::announce);
    m_announced = controlFacts();
}

// The undo stack goes after the members declared after it and clears itself on
// the way: its last signals must not reach a document already half gone.
Document::~Document()
{
    disconnect(&m_undoStack, nullptr, this, nullptr);
}

bool Document::listIsItsFile() const
{
    return listSaved() && !m_headerEdited && m_openDialogFileName == m_fileName;
}

bool Document::hasUnsavedEdits() const
{
    return !m_undoStack.isClean() || m_headerEdited;
}

Document::ControlFacts Document::controlFacts() const
{
    return {!m_entries.isEmpty(), listIsItsFile(),     hasUnsavedEdits(), justSaved(),
            m_undoStack.index(),  m_undoStack.count(), m_fileName};
}

void Document::announce()
{
    const ControlFacts facts = controlFacts();
    if (facts == m_announced)
        return;
    m_announced = facts;
    emit changed();
}

void Document::takeHeader(QDate date, QTime time, qint32 version)
{
    if (date == m_createdDate && time == m_createdTime && version == m_version)
        return;
    m_createdDate = date;
    m_createdTime = time;
    m_version = version;
    emit headerChanged();
}

void Document::editCreated(QDate date, QTime time)
{
    if (date == m_createdDate && time == m_createdTime)
        return;
    m_headerEdited = true;
    takeHeader(date, time, m_version);
    announce();
}

void Document::editVersion(qint32 version)
{
    if (version == m_version)
        return;
    m_headerEdited = true;
    takeHeader(m_createdDate, m_createdTime, version);
    announce();
}

// A list with edits since its save point stays one that is no file once its
// commands are gone.
void Document::forgetEdits()
{
    if (!m_undoStack.isClean())
        m_listIsFile = false;
    m_undoStack.clear();
    m_justSaved = false;
}

void Document::adoptRead(DeviceFileReadResult &&read, const QString &fileName)
{
    forgetEdits();
    takeRead(std::move(read), fileName);
}

void Document::adoptReadBack(DeviceFileReadResult &&read, const QString &fileName)
{
    takeRead(std::move(read), fileName);
    markSaved();
}

void Document::takeRead(DeviceFileReadResult &&read, const QString &fileName)
{
    m_entries.assign(std::move(read.entries));
    const QDateTime created = read.created.value_or(QDateTime(m_createdDate, m_createdTime));
    takeHeader(created.date(), created.time(), read.version.value_or(m_version));
    m_keptSapLine = read.keptSap.value_or(m_keptSapLine);
    m_keptSrnLine = read.keptSrn.value_or(m_keptSrnLine);
    m_keptSprLine = read.keptSpr.value_or(m_keptSprLine);
    m_fileName = fileName;
    m_saveDialogFileName = m_openDialogFileName;
    announce();
}

void Document::replaceList(std::vector<Entry> entries)
{
    forgetEdits();
    m_listIsFile = false;
    m_entries.assign(std::move(entries));
    announce();
}

void Document::clearList()
{
    forgetEdits();
    m_entries.clear();
    announce();
}

void Document::adoptFileName(const QString &fileName)
{
    m_fileName = fileName;
    announce();
}

void Document::adoptOpenFileName(const QString &fileName)
{
    m_openDialogFileName = fileName;
    announce();
}

void Document::adoptSaveFileName(const QString &fileName)
{
    m_saveDialogFileName = fileName;
    announce();
}

void Document::openSaveFileName()
{
    adoptOpenFileName(m_saveDialogFileName);
}

void Document::markLoaded()
{
    m_listIsFile = true;
    m_headerEdited = false;
    m_justSaved = false;
    m_undoStack.setClean();
    announce();
}

void Document::markSaved()
{
    markLoaded();
    m_justSaved = true;
    announce();
}

void Document::markWrittenBack()
{
    m_headerEdited = false;
    m_undoStack.setClean();
    announce();
}

void Document::markNotAFile()
{
    m_listIsFile = false;
    announce();
}
