#pragma once

#include "document/Entry.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <vector>

// Small rules over the byte texts of the entry list, shared by the file reader
// and writer and by the editing commands. Positions in the comments count from 1.

// Right-aligns text in a field of width characters. A text one character too
// long loses its last character (a loaded record number "   1 " becomes
// "   1"); a longer text keeps its last width + 1 characters, so only a caller
// that checks the length first gets a column of exactly width characters.
QByteArray PadLeft(QByteArrayView text, qsizetype width);

// Left-aligns text in a field of width characters, cutting it to the first
// width characters when it is longer.
QByteArray PadRight(QByteArrayView text, qsizetype width);

// Turns the stored byte order of a hex text ("$" and two digits per byte, first
// byte first) into the order of a written number: the pairs at 7-8, 5-6, 3-4
// and 1-2 behind the "$", joined in that order. Digits after the eighth are
// ignored; a pair cut by the end is its one character.
QByteArray SwapHexBytes(QByteArrayView hex);

// The number of field entries of the first record: the entries after row 0 up
// to the next record header, or to the end of the list.
int FieldsPerRecord(const std::vector<Entry> &entries);

// The one whole-number rule of the document: leading blanks skipped, then an
// optional sign and decimal digits (a signed 32-bit value), or "$" and hex
// digits whose value fits in 32 bits, taken as a signed pattern ($FFFFFFFF is
// -1). Anything else, trailing blanks and an empty text included, fails.
std::optional<qint32> TryReadWholeNumber(QByteArrayView text);
// As above, throwing "'%s' is not a valid integer value" on failure.
qint32 ReadWholeNumber(QByteArrayView text);

// The byte count of a hex text: (length - 1) / 2, rounded towards zero.
qsizetype HexByteCount(QByteArrayView hex);

// The character-or-number text of a field value as a loaded file shows it: for
// a one-byte value ("$" and two digits) the character of that code, any byte
// included; otherwise the decimal of SwapHexBytes read as a whole number.
// Throws the whole-number error for a text that does not read.
QByteArray FieldCharNumber(QByteArrayView hex);
