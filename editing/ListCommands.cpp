#include "editing/ListCommands.h"

#include "document/Document.h"
#include "editing/TEditFrm.h"
#include "i18n/CodePage.h"
#include "i18n/KeptTexts.h"

#include <QAbstractItemView>
#include <QScopeGuard>
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
    QScrollBar *scroll = m_list.verticalScrollBar();
    const int top = scroll->value();
    m_list.selectionModel()->setCurrentIndex(m_list.model()->index(row, 0),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scroll->setValue(top);
}

void ListCommands::Pidat1Click()
{
    const int selected = selectedRow();
    if (selected < 0)
        return;
    // Send waits for the next save, whether the operator confirms or not.
    const auto sendOff = qScopeGuard([this] { m_links.sendButton->setEnabled(false); });
    m_dialog.setText(efJmeno, {});
    m_dialog.setText(efZnak, {});
    m_dialog.setText(efCislo, {});
    if (m_document.entries().at(selected).isRecordHeader())
        addRecord();
    else
        addField(selected);
}

void ListCommands::addRecord()
{
    m_dialog.setText(efCislo, m_editing.nextRecordNumber());
    if (!showDialog())
        return;
    const int header = m_editing.addRecord(m_dialog.text(efCislo), m_dialog.text(efJmeno));
    const QAbstractItemModel &model = *m_list.model();
    m_list.clearSelection();
    m_list.selectionModel()->setCurrentIndex(model.index(header, 0),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list.scrollTo(model.index(model.rowCount() - 1, 0), QAbstractItemView::EnsureVisible);
    m_list.setFocus();
}

void ListCommands::addField(int selected)
{
    m_dialog.setText(efJmeno, m_editing.lastFieldOffset());
    if (!showDialog())
        return;
    selectInPlace(m_editing.addField(selected, dialogTexts()));
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
    m_links.sendButton->setEnabled(false);
    m_editing.editEntry(row, dialogTexts());
    selectInPlace(row);
}

void ListCommands::Smazat1Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_editing.deleteAt(row);
    m_links.sendButton->setEnabled(false);
    m_links.receiveButton->setEnabled(false);
}

void ListCommands::Pesluj1Click()
{
    const int row = selectedRow();
    if (!m_editing.renumber())
        throw std::runtime_error(CodePage::toUnicode(m_links.texts->renumberRefused).toStdString());
    if (row >= 0)
        selectInPlace(row);
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
