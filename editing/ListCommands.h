#pragma once

#include "editing/ListEditCommand.h"

#include <functional>

class Document;
class QAbstractItemView;
class QDialog;
class TEditFrm;
struct KeptTexts;

// What the list commands reach beyond the list and the dialog: how a modal
// dialog is run (the operator answers it; tests drive it), the commands the
// list's keys run and the language texts of their messages.
struct ListCommandLinks {
    std::function<bool(QDialog &)> runModal;
    std::function<void()> editCommand;
    std::function<void()> addCommand;
    std::function<void()> deleteCommand;
    const KeptTexts *texts = nullptr;
};

// The list editing commands as the operator starts them from the list view:
// they take the selected entry, fill the edit-item dialog and show it, hand
// the answer to ListEditing and put the selection where the operator expects
// it. A command that needs a selected entry does nothing without one. Each
// confirmed edit is one command on the document's undo stack (see
// ListEditCommand), so Undo and Redo restore the list and the selection.
class ListCommands
{
public:
    ListCommands(Document &document, TEditFrm &dialog, QAbstractItemView &list, ListCommandLinks links);

    // Add a record (a record header selected) or a field to every record.
    void Pidat1Click();
    // Edit the selected entry.
    void Upravit1Click();
    // Delete the selected record, or the selected field from every record.
    void Smazat1Click();
    // Renumber the records. More records than four digits number are refused
    // with std::runtime_error carrying text 60, and the list stays as it was.
    void Pesluj1Click();
    // Enter edits, Insert adds, Delete deletes while an entry is selected;
    // true when the key is taken for its command, which is queued.
    bool SeznamKeyDown(int key);

private:
    int selectedRow() const;
    const std::function<void()> *keyCommand(int key) const;
    bool showDialog();
    EditedTexts dialogTexts() const;
    void addRecord(int selected);
    void addField(int selected);
    // Selects the entry (none for -1) and leaves the list scrolled where it is.
    void selectInPlace(int row);
    // Runs the edit as a command on the document's undo stack.
    void push(ListEditCommand *command);
    ListEditCommand::ShowSelection showSelection();

    Document &m_document;
    ListEditing m_editing;
    TEditFrm &m_dialog;
    QAbstractItemView &m_list;
    ListCommandLinks m_links;
};
