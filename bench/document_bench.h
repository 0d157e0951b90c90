#pragma once

// Helpers shared by the document benchmarks: memory figures of this process,
// medians, and generated entry lists of the shape a device file gives.

#include "document/Entry.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <vector>

namespace DocumentBench
{

// A "Vm...:" line of /proc/self/status in kilobytes, or -1.
inline long statusKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').front().toLong();
    }
    return -1;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Records as the reader gives them: a header with the loaded number form and a
// header tail, then fieldsPerRecord two-byte fields with their numbers.
inline std::vector<Entry> recordList(int records, int fieldsPerRecord)
{
    std::vector<Entry> entries;
    entries.reserve(static_cast<size_t>(records) * static_cast<size_t>(fieldsPerRecord + 1));
    const QByteArray tail = QByteArray("    40     3 0 ");
    for (int record = 1; record <= records; ++record) {
        const QByteArray number = QByteArray::number(record % 10000).rightJustified(4, ' ') + ' ';
        entries.push_back(
            Entry{number, "record name " + QByteArray::number(record % 1000).rightJustified(3, '0'), tail, ""});
        for (int field = 0; field < fieldsPerRecord; ++field) {
            const int value = (record * 31 + field * 7) & 0xFFFF;
            const QByteArray hex = "$" + QByteArray::number(value, 16).toUpper().rightJustified(4, '0');
            entries.push_back(Entry{"", QByteArray::number(field * 2), hex, QByteArray::number(value)});
        }
    }
    return entries;
}

} // namespace DocumentBench
