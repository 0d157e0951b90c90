#pragma once

#include "document/Entry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QTime>

#include <vector>

// The writer of device data files. Every byte of a file is built in memory
// before the file is touched, so a value that cannot be written leaves the old
// file as it was. Failures throw std::runtime_error with the operator's message.
//
// Besides the fixed failures of the format ("'%s' is not a valid integer value"
// for an offset of the first record, "List index out of bounds (%d)" for a
// missing cell), a save is refused with a message naming the row (counted from
// 1) when a value would not read back as written: a record number, offset or
// byte count wider than its column once its surrounding blanks are dropped, a
// record size or version wider than six characters, a record number or name
// holding a backslash, or any written text holding a line break or NUL.

// The size of one record in bytes: the largest offset of the first record (the
// first one at a tie, none when no offset is above 0) plus the byte count of
// that field's value (field 1 when no offset is above 0); 0 without fields.
qint64 RecordSize(const std::vector<Entry> &entries, int fieldsPerRecord);

// The plain variant the program saves: SFA, then per record SDK with record
// size and version, its SDW lines and SDE, then SFE; every line ended by CR LF.
// A record is a record header and the field entries up to the next one.
// A version text that is not a whole number writes 0.
QByteArray ComposePlainDeviceFile(const std::vector<Entry> &entries, QDate date, QTime time,
                                  QByteArrayView versionText);

// The variant for a file that goes back to the device: SFA, the kept SAP line,
// per record its SDK line ending in its own header tail, the kept SRN line, its
// SDX lines and SDE, then the SPR check line and SFE. An empty kept line is
// written as an empty line.
QByteArray ComposeDeviceVariantFile(const std::vector<Entry> &entries, QDate date, QTime time, QByteArrayView keptSap,
                                    QByteArrayView keptSrn);

// The device's check line over the lines written so far (each with its CR LF):
// "SPR H" and the check byte + 1 in upper-case hex, at least two digits.
QByteArray SprChecksum(QByteArrayView written);

// Composes the plain variant and puts it in place of the file (see WriteFileSafely).
void WritePlainDeviceFile(const QString &fileName, const std::vector<Entry> &entries, QDate date, QTime time,
                          QByteArrayView versionText);
