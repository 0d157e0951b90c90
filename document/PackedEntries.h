#pragma once

#include "document/Entry.h"

#include <QByteArray>

#include <vector>

// Entries kept while no list shows them (those an edit took out, for its
// undo): their packed cells end to end in one array, so thousands of entries
// cost two allocations instead of one each.
class PackedEntries
{
public:
    void append(const Entry &entry);
    Entry at(size_t index) const;
    size_t size() const { return m_ends.size(); }
    bool isEmpty() const { return m_ends.empty(); }
    // Drops the entries and gives their memory back.
    void clear();
    qsizetype memoryFootprint() const;

private:
    QByteArray m_bytes;
    std::vector<qsizetype> m_ends;
};
