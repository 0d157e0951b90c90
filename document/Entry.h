#pragma once

#include <QByteArray>
#include <QList>

#include <initializer_list>
#include <span>

// One row of the entry list: its cells (Number, NameOffset, Hex, CharNumber and
// any extra texts a file line carried), each kept as the exact bytes read or
// typed. An entry may hold fewer than four cells when its file line did.
//
// The cells are packed into one byte array (a length prefix per cell) so that
// a list of a million entries costs one allocation per entry.
class Entry
{
public:
    enum Cell { Number = 0, NameOffset = 1, Hex = 2, CharNumber = 3 };

    Entry() = default;
    Entry(std::initializer_list<QByteArrayView> cells);
    explicit Entry(const QList<QByteArray> &cells);
    // Builds the entry straight from views into a line, without a copy per cell.
    explicit Entry(std::span<const QByteArrayView> cells);

    qsizetype cellCount() const;
    bool hasCell(qsizetype index) const { return index >= 0 && index < cellCount(); }
    // The cell's bytes; empty for a cell the entry does not have.
    QByteArrayView cellView(qsizetype index) const;
    QByteArray cell(qsizetype index) const { return cellView(index).toByteArray(); }
    QList<QByteArray> cells() const;
    // Sets a cell, adding empty cells in front of it when the entry is shorter.
    void setCell(qsizetype index, QByteArrayView text);

    // The kind of an entry is decided by its Number alone: a record header has
    // a Number that is not empty (blanks count), a field entry has none.
    bool isRecordHeader() const { return !cellView(Number).isEmpty(); }

    qsizetype memoryFootprint() const { return m_packed.capacity(); }
    // The entry's cells in their packed form, and the entry back from it, for
    // stores that keep many entries in one array (see PackedEntries).
    QByteArrayView packedBytes() const { return m_packed; }
    static Entry fromPacked(QByteArrayView packed);
    bool operator==(const Entry &other) const { return cells() == other.cells(); }

private:
    void appendCell(QByteArrayView text);

    QByteArray m_packed;
};
