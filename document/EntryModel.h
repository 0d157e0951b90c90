#pragma once

#include "document/Entry.h"

#include <QAbstractTableModel>

#include <array>
#include <functional>
#include <vector>

// The entry list: the one document of the program, shown by the list view in
// four columns ("#", name or offset, "Hex", character or number). Cells are
// bytes; the view sees them decoded from the 8-bit code page.
//
// Changes of many entries at once run inside a batch (see EntryBatch): views
// are told once, at the end, instead of once per entry.
class EntryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int ColumnCount = 4;

    explicit EntryModel(QObject *parent = nullptr);

    int count() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    const Entry &at(int row) const { return m_entries.at(static_cast<size_t>(row)); }
    const std::vector<Entry> &entries() const { return m_entries; }

    void clear();
    void append(Entry entry);
    void insert(int row, Entry entry);
    void remove(int row);
    void replace(int row, Entry entry);
    void setCell(int row, int cell, QByteArrayView text);
    void assign(std::vector<Entry> entries);
    // Changes the entries in place as one batch, for a change of the whole
    // list in one pass without a copy of it.
    void changeInPlace(const std::function<void(std::vector<Entry> &)> &change);

    // Column titles are language texts (bytes); "#" and "Hex" are fixed.
    void setColumnTitle(int column, QByteArrayView title);
    QByteArray columnTitle(int column) const { return m_titles.at(static_cast<size_t>(column)); }

    void beginBatch();
    void endBatch();
    bool inBatch() const { return m_batchDepth > 0; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Lets generic code (the language texts) set a column title as shown text.
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role) override;

private:
    std::vector<Entry> m_entries;
    std::array<QByteArray, ColumnCount> m_titles;
    int m_batchDepth = 0;
};

// Holds a batch open for its lifetime, so the views are brought up to date on
// every path out of a bulk change, an exception included.
class EntryBatch
{
public:
    explicit EntryBatch(EntryModel &model) : m_model(model) { m_model.beginBatch(); }
    ~EntryBatch() { m_model.endBatch(); }
    EntryBatch(const EntryBatch &) = delete;
    EntryBatch &operator=(const EntryBatch &) = delete;

private:
    EntryModel &m_model;
};
