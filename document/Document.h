#pragma once

#include "document/DeviceFileReader.h"
#include "document/EntryModel.h"

#include <QByteArray>
#include <QDate>
#include <QObject>
#include <QString>
#include <QTime>
#include <QUndoStack>

// The document the main window shows: the entry list and the undo stack of
// its edits, the header values that go into the next save (creation date and
// time, version), the device's own SAP/SRN/SPR lines, the two dialog file
// names that carry the current file name, and whether the list is a file on
// disk (DeviceFileOpen is the link's state, see LinkStateMachine).
//
// Its state changes only through the named changes below. Any change of what
// the window's controls depend on (entries or none, the list's file, unsaved
// edits, what can be undone, the file name) is announced once with changed();
// changes of the header values also with headerChanged(), so the strip that
// shows them can follow.
//
// The list's edits are commands on the undo stack (see ListEditCommand). The
// stack's clean index is the save point: a list loaded or saved is clean, and
// undoing back to it makes the list the file's content again. Every
// replacement of the whole list clears the stack, since its commands would
// not fit another list.
class Document : public QObject
{
    Q_OBJECT
public:
    explicit Document(QObject *parent = nullptr);
    ~Document() override;

    EntryModel &entries() { return m_entries; }
    const EntryModel &entries() const { return m_entries; }
    QUndoStack &undoStack() { return m_undoStack; }
    const QUndoStack &undoStack() const { return m_undoStack; }

    QDate createdDate() const { return m_createdDate; }
    QTime createdTime() const { return m_createdTime; }
    qint32 version() const { return m_version; }
    // The operator's changes of the header values; they count as unsaved edits.
    void editCreated(QDate date, QTime time);
    void editVersion(qint32 version);

    // The file the list was last loaded from (or saved to and read back), which
    // the window title names; empty until the first load.
    QString fileName() const { return m_fileName; }
    // The device's own lines, as last read from a file; written back with a
    // device file that goes to the device.
    QByteArray keptSapLine() const { return m_keptSapLine; }
    QByteArray keptSrnLine() const { return m_keptSrnLine; }
    QByteArray keptSprLine() const { return m_keptSprLine; }
    // The open and save dialogs' file names; a load copies the open name into
    // the save name, a save the save name into the open name.
    QString openDialogFileName() const { return m_openDialogFileName; }
    QString saveDialogFileName() const { return m_saveDialogFileName; }

    // True while the list is the content of a file loaded from or saved to disk
    // and not edited since (the undo stack at its clean index).
    bool listSaved() const { return m_listIsFile && m_undoStack.isClean(); }
    // Whether the list is exactly the file Send uploads: saved (see listSaved),
    // its header values as read, and that file (the open dialog's name) the one
    // the title names. Anything less would send a file other than the one on screen.
    bool listIsItsFile() const;
    // True while the list holds edits not yet saved: commands since the save
    // point, or header values the operator changed since the last load or save.
    bool hasUnsavedEdits() const;
    // True from a save to a file until the operator changes a header value or
    // the list is replaced: New is then offered although the list has entries.
    bool justSaved() const { return m_justSaved && !m_headerEdited; }

    // The list, header values, kept lines and title become what a read of the
    // file gave (those values the file did not carry stay as they were), and
    // the save dialog takes the open dialog's name. The undo stack is cleared.
    void adoptRead(DeviceFileReadResult &&read, const QString &fileName);
    // The same for the file just saved, read back: its edits stay undoable,
    // and the save point is here (see markSaved).
    void adoptReadBack(DeviceFileReadResult &&read, const QString &fileName);
    // The list becomes entries, which are no file; the undo stack is cleared.
    void replaceList(std::vector<Entry> entries);
    // Empties the list (while the link fetches another one); the undo stack is
    // cleared, whether the list counts as its file stays as it was.
    void clearList();
    // The title names the file (a file being received, say).
    void adoptFileName(const QString &fileName);
    void adoptOpenFileName(const QString &fileName);
    void adoptSaveFileName(const QString &fileName);
    // The open dialog takes the save dialog's name: the file just written is the one to open.
    void openSaveFileName();
    // The list is the content of the file just loaded, or just saved and read
    // back: the stack's clean index moves here and header values count as read.
    void markLoaded();
    void markSaved();
    // The list's edits have reached the device (a write-back): nothing is left
    // unsaved, while whether the list is a file on disk stays as it was.
    void markWrittenBack();
    // The list is no file Send could upload, although nothing was edited.
    void markNotAFile();

signals:
    void changed();
    void headerChanged();

private:
    // What the window's controls depend on; changed() is emitted when it differs.
    struct ControlFacts {
        bool hasEntries = false;
        bool listIsItsFile = false;
        bool unsavedEdits = false;
        bool justSaved = false;
        int undoIndex = 0;
        int undoCount = 0;
        QString fileName;
        bool operator==(const ControlFacts &) const = default;
    };
    ControlFacts controlFacts() const;
    void announce();
    void takeRead(DeviceFileReadResult &&read, const QString &fileName);
    void takeHeader(QDate date, QTime time, qint32 version);
    void forgetEdits();

    EntryModel m_entries;
    QUndoStack m_undoStack;
    QDate m_createdDate;
    QTime m_createdTime;
    qint32 m_version = 0;
    QString m_fileName;
    QByteArray m_keptSapLine;
    QByteArray m_keptSrnLine;
    QByteArray m_keptSprLine;
    QString m_openDialogFileName;
    QString m_saveDialogFileName;
    bool m_listIsFile = false;
    bool m_headerEdited = false;
    bool m_justSaved = false;
    ControlFacts m_announced;
};
