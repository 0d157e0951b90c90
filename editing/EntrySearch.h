#pragma once

#include "document/Entry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringView>

#include <optional>
#include <vector>

// The rules of Find and Go to over the entry list, apart from any window.
//
// Texts compare case-blind for the letters a to z only: both sides are read
// with a-z turned into A-Z, and every other byte, accented letters included,
// must match exactly. The position of a text in another is that of its first
// occurrence, counted from 1 (0 when it does not occur; an empty text never
// occurs). Nothing here allocates per entry: a scan over a million entries
// only reads their cells.
class EntrySearch
{
public:
    // Whether Find stops at the entry. Number test: the text occurs in the
    // Number cell (with wholeWord: its first occurrence is followed by exactly
    // one more character of the cell). Cells test: the text occurs in
    // NameOffset, Hex and CharNumber, each followed by CR LF and joined (with
    // wholeWord: its first occurrence lies in NameOffset, followed there by
    // exactly one more character).
    static bool matches(const Entry &entry, QByteArrayView text, bool wholeWord);

    // The first entry after the entry `after` that matches, or -1. The scan
    // ends at the last entry; it does not wrap to the top.
    static int findNext(const std::vector<Entry> &entries, int after, QByteArrayView text, bool wholeWord);

    // The first record header whose name (NameOffset) contains the text, or -1;
    // an empty text is contained in no name.
    static int findRecord(const std::vector<Entry> &entries, QByteArrayView name);

    // The names of the record headers in list order, with the blanks they were loaded with.
    static QList<QByteArray> recordNames(const std::vector<Entry> &entries);

    // The bytes of a typed search text, or nothing when it holds a character
    // that the code page of the cells cannot represent (such a text occurs in
    // no cell, and must not match the "?" that would stand in for it).
    static std::optional<QByteArray> searchBytes(QStringView typed);
};
