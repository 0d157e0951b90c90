#pragma once

#include "editing/ListEditing.h"

#include <QByteArray>
#include <QUndoCommand>

#include <functional>

class Document;

// What an edit of the list did, as the Undo and Redo items name it: its kind
// and the record's Number or the field's position in its record (1 for the
// first field).
struct ListEditName {
    enum Kind { EditRecord, EditField, AddRecord, AddField, DeleteRecord, DeleteField, Renumber };
    Kind kind;
    QByteArray number;
};

// One edit of the entry list on the document's undo stack. Undone and redone,
// it gives the list back exactly, and the selection with it: the entry that
// was selected before the edit, or the one the edit selected. A command keeps
// only what its edit takes out of the list (a deleted field's entries, the old
// record numbers), not a copy of the list.
class ListEditCommand : public QUndoCommand
{
public:
    // Selects the entry (none for -1) where the list stands.
    using ShowSelection = std::function<void(int row)>;

    const ListEditName &name() const { return m_name; }

    void redo() final;
    void undo() final;

protected:
    ListEditCommand(Document &document, ShowSelection showSelection, int selectedBefore, ListEditName name);

    Document &document() { return m_document; }
    ListEditing &editing() { return m_editing; }
    // Carries the edit out; returns the entry selected afterwards (-1: none).
    virtual int carryOut() = 0;
    // Takes the edit back, from the list as the edit left it.
    virtual void takeBack() = 0;

private:
    Document &m_document;
    ListEditing m_editing;
    ShowSelection m_showSelection;
    int m_selectedBefore;
    int m_selectedAfter = -1;
    ListEditName m_name;
};
