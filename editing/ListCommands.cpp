#include "editing/ListCommands.h"

#include "document/Document.h"
#include "editing/AddFieldCommand.h"
#include "editing/AddRecordCommand.h"
#include "editing/DeleteFieldCommand.h"
#include "editing/DeleteRecordCommand.h"
#include "editing/EditEntryCommand.h"
#include "editing/RenumberCommand.h"
#include "editing/TEditFrm.h"
#include "i18n/CodePage.h"
#include "i18n/KeptTexts.h"

#include <QAbstractItemView>
#include <QScrollBar>

#include <stdexcept>

ListCommands::ListCommands(Document &document, TEditFrm &dialog, QAbstractItemView &list, ListCommandLinks links)
    : m_document(document), m_editing(document), m_dialog(dialog), m_list(list), m_links(std::move(links))
{
}

int ListCommands::selectedRow() const
{
    const QModelIndexList rows = m_list.selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

bool ListCommands::showDialog()
{
    m_dialog.setNameWidth(m_editing.nameWidth());
    return m_links.runModal(m_dialog);
}

EditedTexts ListCommands::dialogTexts() const
{
    return {m_dialog.text(efCislo), m_dialog.text(efJmeno), m_dialog.text(efHex), m_dialog.text(efZnak)};
}

void ListCommands::selectInPlace(int row)
{
    if (row < 0) {
        m_list.clearSelection();
        return;
    }
    QScrollBar *scroll = m_list.verticalScrollBar();
    const int top = scroll->value();
    m_list.selectionModel()->setCurrentIndex(m_list.model()->index(row, 0),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scroll->setValue(top);
}

ListEditCommand::ShowSelection ListCommands::showSelection()
{
    return [this](int row) { selectInPlace(row); };
}

void ListCommands::push(ListEditCommand *command)
{
    m_document.undoStack().push(command);
}

void ListCommands::Pidat1Click()
{
    const int selected = selectedRow();
    if (selected < 0)
        return;
    m_dialog.setText(efJmeno, {});
    m_dialog.setText(efZnak, {});
    m_dialog.setText(efCislo, {});
    if (m_document.entries().at(selected).isRecordHeader())
        addRecord(selected);
    else
        addField(selected);
}

void ListCommands::addRecord(int selected)
{
    m_dialog.setText(efCislo, m_editing.nextRecordNumber());
    if (!showDialog())
        return;
    push(new AddRecordCommand(m_document, showSelection(), selected, m_dialog.text(efCislo), m_dialog.text(efJmeno)));
    const QAbstractItemModel &model = *m_list.model();
    m_list.scrollTo(model.index(model.rowCount() - 1, 0), QAbstractItemView::EnsureVisible);
    m_list.setFocus();
}

void ListCommands::addField(int selected)
{
    m_dialog.setText(efJmeno, m_editing.lastFieldOffset());
    if (!showDialog())
        return;
    push(new AddFieldCommand(m_document, showSelection(), selected, dialogTexts()));
}

void ListCommands::Upravit1Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const Entry &entry = m_document.entries().at(row);
    const std::pair<EditField, Entry::Cell> fields[] = {
        {efCislo, Entry::Number}, {efJmeno, Entry::NameOffset}, {efHex, Entry::Hex}, {efZnak, Entry::CharNumber}};
    for (const auto &[field, cell] : fields)
        m_dialog.setText(field, entry.cellView(cell));
    m_dialog.setFormat(HexFormatOfCell(entry.cellView(Entry::Hex)));
    if (!showDialog())
        return;
    push(new EditEntryCommand(m_document, showSelection(), row, dialogTexts()));
}

void ListCommands::Smazat1Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    if (row % m_editing.entriesPerRecord() == 0)
        push(new DeleteRecordCommand(m_document, showSelection(), row));
    else
        push(new DeleteFieldCommand(m_document, showSelection(), row));
}

void ListCommands::Pesluj1Click()
{
    if (!m_editing.canRenumber())
        throw std::runtime_error(CodePage::toUnicode(m_links.texts->renumberRefused).toStdString());
    push(new RenumberCommand(m_document, showSelection(), selectedRow()));
}

const std::function<void()> *ListCommands::keyCommand(int key) const
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return &m_links.editCommand;
    case Qt::Key_Insert:
        return &m_links.addCommand;
    case Qt::Key_Delete:
        return &m_links.deleteCommand;
    default:
        return nullptr;
    }
}

bool ListCommands::SeznamKeyDown(int key)
{
    const std::function<void()> *command = keyCommand(key);
    if (!command || selectedRow() < 0)
        return false;
    // The key is taken here and its command runs once the key has been
    // delivered: a modal dialog must not run inside key dispatch.
    QMetaObject::invokeMethod(&m_list, *command, Qt::QueuedConnection);
    return true;
}
