#include "document/EntryModel.h"

#include "i18n/CodePage.h"

EntryModel::EntryModel(QObject *parent)
    : QAbstractTableModel(parent), m_titles{QByteArray("#"), QByteArray("Jm\xE9no / Offset"), QByteArray("Hex"),
                                            QByteArray("Znak / \xC8\xEDslo")}
{
}

void EntryModel::clear()
{
    if (m_entries.empty())
        return;
    if (inBatch()) {
        m_entries.clear();
        return;
    }
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

void EntryModel::append(Entry entry)
{
    insert(count(), std::move(entry));
}

void EntryModel::insert(int row, Entry entry)
{
    if (!inBatch())
        beginInsertRows({}, row, row);
    m_entries.insert(m_entries.begin() + row, std::move(entry));
    if (!inBatch())
        endInsertRows();
}

void EntryModel::remove(int row)
{
    if (!inBatch())
        beginRemoveRows({}, row, row);
    m_entries.erase(m_entries.begin() + row);
    if (!inBatch())
        endRemoveRows();
}

void EntryModel::replace(int row, Entry entry)
{
    m_entries.at(static_cast<size_t>(row)) = std::move(entry);
    if (!inBatch())
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void EntryModel::setCell(int row, int cell, QByteArrayView text)
{
    Entry changed = at(row);
    changed.setCell(cell, text);
    replace(row, std::move(changed));
}

void EntryModel::assign(std::vector<Entry> entries)
{
    EntryBatch batch(*this);
    m_entries = std::move(entries);
}

void EntryModel::changeInPlace(const std::function<void(std::vector<Entry> &)> &change)
{
    EntryBatch batch(*this);
    change(m_entries);
}

void EntryModel::setColumnTitle(int column, QByteArrayView title)
{
    m_titles.at(static_cast<size_t>(column)) = title.toByteArray();
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void EntryModel::beginBatch()
{
    if (m_batchDepth++ == 0)
        beginResetModel();
}

void EntryModel::endBatch()
{
    if (m_batchDepth > 0 && --m_batchDepth == 0)
        endResetModel();
}

int EntryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int EntryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EntryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole)
        return CodePage::toUnicode(at(index.row()).cellView(index.column()));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(index.column() == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    return {};
}

QVariant EntryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return CodePage::toUnicode(m_titles.at(static_cast<size_t>(section)));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(section == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    return {};
}

bool EntryModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount || role != Qt::DisplayRole)
        return false;
    setColumnTitle(section, CodePage::fromUnicode(value.toString()));
    return true;
}
