#include "app/ListColumnSizer.h"

#include "app/ListColumnWidths.h"
#include "document/EntryModel.h"

#include <QHeaderView>
#include <QScopedValueRollback>
#include <QStyleOptionViewItem>
#include <QTableView>

#include <algorithm>

ListColumnSizer::ListColumnSizer(QTableView &list) : QObject(&list), m_list(list)
{
    connect(list.horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { keepChosenWidth(column, width); });
}

// The widest number as the list draws it in its font: the cell the style
// needs for the text.
int ListColumnSizer::widestNumberWidth() const
{
    QStyleOptionViewItem cell;
    cell.initFrom(&m_list);
    cell.font = m_list.font();
    cell.fontMetrics = QFontMetrics(cell.font);
    cell.features = QStyleOptionViewItem::HasDisplay;
    int widest = 0;
    for (const char *number : WidestNumbers) {
        cell.text = QLatin1StringView(number);
        widest =
            std::max(widest, m_list.style()->sizeFromContents(QStyle::CT_ItemViewItem, &cell, {}, &m_list).width());
    }
    return widest;
}

void ListColumnSizer::fit()
{
    // One pixel more for the grid line.
    const auto widths =
        ComputeListColumnWidths(m_list.viewport()->width(), NumberColumnWidth(widestNumberWidth() + 1), m_chosenWidths);
    const QScopedValueRollback fitting(m_fitting, true);
    for (int column = 0; column < EntryModel::ColumnCount; ++column)
        m_list.setColumnWidth(column, widths[static_cast<size_t>(column)]);
}

void ListColumnSizer::keepChosenWidth(int column, int width)
{
    if (!m_fitting && column >= 0 && column < EntryModel::ColumnCount)
        m_chosenWidths[static_cast<size_t>(column)] = width;
}
