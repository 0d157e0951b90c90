#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The rules of the edit-item dialog that keep a field value's two views in
// step: the hex text ("$" and two digits per byte, first byte first) and the
// character or number. They work on the 8-bit texts of the cells; the dialog
// only wires them to its fields.

// The value widths of the format choice, by the choice's index: Byte, Word, DWord.
enum HexFormat { hfByte = 0, hfWord = 1, hfDWord = 2 };

// The width in hex digits of a format: 2, 4 or 8.
int HexFormatDigits(HexFormat format);

// The format an existing value opens with, from the length of its Hex cell:
// 2 or 3 digits Byte, 4 or 5 Word, 6 to 9 DWord; none for fewer than 2 or more
// than 9 digits (and for a record header's tail, which is no hex text).
std::optional<HexFormat> HexFormatOfCell(QByteArrayView hexCell);

// The width in digits that stands in for a format while none is chosen: the
// hex text's own digit count rounded up to whole bytes, at least one byte and
// at most four, so that a number typed for a value of an unusual length is
// written back in that length as far as a 32-bit number reaches.
int HexTextDigits(QByteArrayView hexText);

// Whether the text is a value as the file keeps it: "$" and two hex digits for
// each of one or more bytes. Values wider than four bytes are such texts too,
// though no number shows them.
bool IsWholeByteHexText(QByteArrayView hexText);

// What the hex text typed so far shows as character or number.
struct HexReading {
    enum Outcome {
        hrShown,      // charNumber is the value's character or number
        hrIncomplete, // no value yet (empty, one character or an odd digit count): empty view, OK withheld
        hrInvalid     // not a whole number: error is the message to show
    };
    Outcome outcome = hrIncomplete;
    QByteArray charNumber;
    QString error;
};

// Reads the hex text as typed. A text of two or more characters without "$"
// is read as if it had one, so "41" shows "A"; a lone character is read as a
// decimal number ("4" is incomplete, "A" is an error). One byte of 32 to 127
// shows its character; other values of whole bytes show the number of up to
// their first four bytes, lowest byte first, as a signed 32-bit value.
HexReading ReadHexText(QByteArrayView hexText);

// The hex text of a typed character or number: empty gives "$00"; one
// character gives its code in two digits whatever the width; a longer text is
// read as a whole number (0 when it does not read) and written as its lowest
// widthDigits / 2 bytes in two's complement, lowest byte first.
QByteArray CharNumberToHex(QByteArrayView charNumber, int widthDigits);

// The width rule: the digits behind an optional "$" cut to their first
// widthDigits or filled with "0" at the end up to it, with "$" in front.
QByteArray ApplyHexWidth(QByteArrayView hexText, int widthDigits);

// The hex text a confirmed field entry hands back: with "$" in front.
QByteArray ConfirmedHex(QByteArrayView hexText);
