#pragma once

#include "document/DeviceFileReader.h"
#include "document/EntryModel.h"

#include <QByteArray>
#include <QDate>
#include <QObject>
#include <QString>
#include <QTime>

// The document the main window shows: the entry list, the header values that
// go into the next save (creation date and time, version), the device's own
// SAP/SRN/SPR lines, the two dialog file names that carry the current file name,
// and the flag ListSaved that the control-state rule reads (DeviceFileOpen is
// the link's state, see LinkStateMachine).
//
// The main window shows it in its controls and writes the operator's changes
// back; loading, saving, the transfers, editing and printing work on it, never
// on widgets. Changes the program makes to the header values are announced
// with headerChanged(), a newly loaded file with fileNameChanged(), so the
// window can show them.
class Document : public QObject
{
    Q_OBJECT
public:
    explicit Document(QObject *parent = nullptr);

    EntryModel &entries() { return m_entries; }
    const EntryModel &entries() const { return m_entries; }

    QDate createdDate() const { return m_createdDate; }
    QTime createdTime() const { return m_createdTime; }
    qint32 version() const { return m_version; }
    void setCreated(QDate date, QTime time);
    void setVersion(qint32 version);

    // The file the list was last loaded from (or saved to and read back), which
    // the window title names; empty until the first load.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName);

    // The device's own lines, as last read from a file; written back with a
    // device file that goes to the device.
    QByteArray keptSapLine;
    QByteArray keptSrnLine;
    QByteArray keptSprLine;

    // The open and save dialogs' file names; a load copies the open name into
    // the save name, a save the save name into the open name.
    QString openDialogFileName;
    QString saveDialogFileName;

    // True while the list is the content of a file loaded from or saved to disk
    // and not edited since.
    bool listSaved = false;

    // Whether the list is exactly the file Send uploads: saved (see listSaved)
    // and that file (the open dialog's name) the one the title names. Anything
    // less would send a file other than the one on screen.
    bool listIsItsFile() const;

    // Takes what a read gave: the entries, and the header values and kept lines
    // the file carried (those it did not carry stay as they were).
    void applyRead(DeviceFileReadResult &&read);

signals:
    void headerChanged();
    void fileNameChanged();

private:
    EntryModel m_entries;
    QDate m_createdDate;
    QTime m_createdTime;
    qint32 m_version = 0;
    QString m_fileName;
};
