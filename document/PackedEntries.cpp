#include "document/PackedEntries.h"

void PackedEntries::append(const Entry &entry)
{
    m_bytes.append(entry.packedBytes());
    m_ends.push_back(m_bytes.size());
}

Entry PackedEntries::at(size_t index) const
{
    const qsizetype begin = index == 0 ? 0 : m_ends.at(index - 1);
    return Entry::fromPacked(QByteArrayView(m_bytes).sliced(begin, m_ends.at(index) - begin));
}

void PackedEntries::clear()
{
    m_bytes = QByteArray();
    m_ends = std::vector<qsizetype>();
}

qsizetype PackedEntries::memoryFootprint() const
{
    return m_bytes.capacity() + static_cast<qsizetype>(m_ends.capacity() * sizeof(qsizetype));
}
