#include "editing/EntryListSelection.h"

#include "document/EntryModel.h"

#include <QItemSelectionModel>
#include <QTableView>

QWidget *EntryListSelection::mainWindow() const
{
    return m_list.window();
}

int EntryListSelection::selectedRow() const
{
    const QModelIndexList rows = m_list.selectionModel()->selectedRows();
    int lowest = -1;
    for (const QModelIndex &row : rows) {
        if (lowest < 0 || row.row() < lowest)
            lowest = row.row();
    }
    return lowest;
}

void EntryListSelection::select(int row)
{
    m_list.selectionModel()->setCurrentIndex(m_list.model()->index(row, 0),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void EntryListSelection::selectFirst()
{
    m_list.clearSelection();
    if (!m_entries.isEmpty())
        select(0);
}

void EntryListSelection::showFound(int row)
{
    m_list.clearSelection();
    const int ahead = row + LookAhead < m_entries.count() ? row + LookAhead : m_entries.count() - 1;
    m_list.scrollTo(m_list.model()->index(ahead, 0));
    select(row);
    m_list.scrollTo(m_list.model()->index(row, 0));
}

void EntryListSelection::focusList()
{
    m_list.activateWindow();
    m_list.setFocus(Qt::OtherFocusReason);
}
