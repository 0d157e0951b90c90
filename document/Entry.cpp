#include "document/Entry.h"

namespace
{

// Cell lengths are stored as base-128 varints: one byte for cells shorter than 128.
void appendLength(QByteArray &out, quint64 length)
{
    while (length >= 0x80) {
        out.append(static_cast<char>((length & 0x7F) | 0x80));
        length >>= 7;
    }
    out.append(static_cast<char>(length));
}

quint64 readLength(const QByteArray &data, qsizetype &pos)
{
    quint64 length = 0;
    int shift = 0;
    while (pos < data.size()) {
        const auto byte = static_cast<unsigned char>(data[pos++]);
        length |= quint64(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            break;
        shift += 7;
    }
    return length;
}

} // namespace

Entry::Entry(std::initializer_list<QByteArrayView> cells)
    : Entry(std::span<const QByteArrayView>(cells.begin(), cells.size()))
{
}

Entry::Entry(const QList<QByteArray> &cells)
{
    for (const QByteArray &cell : cells)
        appendCell(cell);
    m_packed.squeeze();
}

Entry::Entry(std::span<const QByteArrayView> cells)
{
    // One length byte per usual cell: reserving the total up front makes a loaded entry a single allocation.
    qsizetype total = 0;
    for (QByteArrayView cell : cells)
        total += cell.size() + 1;
    m_packed.reserve(total);
    for (QByteArrayView cell : cells)
        appendCell(cell);
    m_packed.squeeze();
}

void Entry::appendCell(QByteArrayView text)
{
    appendLength(m_packed, static_cast<quint64>(text.size()));
    m_packed.append(text);
}

qsizetype Entry::cellCount() const
{
    qsizetype count = 0;
    for (qsizetype pos = 0; pos < m_packed.size(); ++count)
        pos += static_cast<qsizetype>(readLength(m_packed, pos));
    return count;
}

QByteArrayView Entry::cellView(qsizetype index) const
{
    qsizetype pos = 0;
    for (qsizetype i = 0; pos < m_packed.size(); ++i) {
        const auto length = static_cast<qsizetype>(readLength(m_packed, pos));
        if (i == index)
            return QByteArrayView(m_packed.constData() + pos, qMin(length, m_packed.size() - pos));
        pos += length;
    }
    return {};
}

QList<QByteArray> Entry::cells() const
{
    QList<QByteArray> result;
    for (qsizetype pos = 0; pos < m_packed.size();) {
        const auto length = static_cast<qsizetype>(readLength(m_packed, pos));
        result.append(m_packed.mid(pos, length));
        pos += length;
    }
    return result;
}

void Entry::setCell(qsizetype index, QByteArrayView text)
{
    QList<QByteArray> all = cells();
    while (all.size() <= index)
        all.append(QByteArray());
    all[index] = text.toByteArray();
    *this = Entry(all);
}

Entry Entry::fromPacked(QByteArrayView packed)
{
    Entry entry;
    entry.m_packed = packed.toByteArray();
    return entry;
}
