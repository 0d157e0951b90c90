#pragma once

#include "document/Entry.h"

#include <QByteArrayView>
#include <QString>

#include <stdexcept>

// The failures of reading and writing the document. Each is a std::runtime_error
// whose what() is the UTF-8 message the main window shows; texts taken from a
// file or a cell are decoded from the 8-bit code page for it.

std::runtime_error DocumentError(const QString &message);
// "'%s' is not a valid integer value", with the text that failed.
std::runtime_error NotAnIntegerError(QByteArrayView text);
// "List index out of bounds (%d)".
std::runtime_error ListIndexError(qsizetype index);

// The cell a step needs. A missing one fails with the list index error, counting
// the cells behind Number as the list view's columns 1 to 3 do: NameOffset is 0,
// Hex 1, CharNumber 2.
QByteArrayView RequiredCell(const Entry &entry, Entry::Cell cell);
