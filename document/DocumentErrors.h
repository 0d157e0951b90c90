#pragma once

#include "document/Entry.h"

#include <QByteArray>
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

// Why a file could not be read or written, as far as the system's number tells.
enum class FileFailureReason { NotFound, NoPermission, IsAFolder, DiskFull, ReadOnlyDisk, Other };
FileFailureReason FileFailureReasonOf(int systemError);

// The words a file failure is told in, as 8-bit texts of the chosen language:
// the two sentences take the file (%1), the reason (%2) and the system's number (%3).
struct FileFailureWords {
    QByteArray notRead;
    QByteArray notWritten;
    QByteArray notFound;
    QByteArray noPermission;
    QByteArray isAFolder;
    QByteArray diskFull;
    QByteArray readOnlyDisk;
    QByteArray refused;

    // The English words the program starts with.
    static FileFailureWords builtIn();
};

// The message of a file (its full name) that could not be read, or written, for systemError.
QString DescribeFileFailure(const FileFailureWords &words, bool writing, const QString &fileName, int systemError);

// The words file failures are told in from now on; the window sets them with
// every change of language (the reader and writer are called far from it, and
// their messages travel as text). A word left empty keeps the built-in one.
void SetFileFailureWords(const FileFailureWords &words);
// A file failure in the words set last.
std::runtime_error FileError(bool writing, const QString &fileName, int systemError);

// The cell a step needs. A missing one fails with the list index error, counting
// the cells behind Number as the list view's columns 1 to 3 do: NameOffset is 0,
// Hex 1, CharNumber 2.
QByteArrayView RequiredCell(const Entry &entry, Entry::Cell cell);
