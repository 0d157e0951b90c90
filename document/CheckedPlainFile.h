#pragma once

#include "document/DeviceFileReader.h"
#include "document/Entry.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QTime>

#include <optional>
#include <vector>

// A save must never replace a file with one that does not read back to the
// list on screen. The plain variant is therefore composed and read back in
// memory, and compared with the list and header values, before anything on
// disk is touched.
struct CheckedPlainFile {
    QByteArray bytes;
    // What a load of bytes gives; the list shows it after the save.
    DeviceFileReadResult readBack;
};

// Composes the plain variant of entries with the header values and reads it
// back (now sets the reader's two-digit-year window). Throws the writer's own
// failures, or a refusal that names the first row, or the header value, that
// would not read back as it stands.
CheckedPlainFile ComposeCheckedPlainFile(const std::vector<Entry> &entries, QDate date, QTime time, qint32 version,
                                         const QDateTime &now);

// Composes the variant that goes back to the device and reads it back as a
// file received On Line is read; refused as a plain save is when a row would
// not read back as it stands.
CheckedPlainFile ComposeCheckedDeviceVariantFile(const std::vector<Entry> &entries, QDate date, QTime time,
                                                 QByteArrayView keptSap, QByteArrayView keptSrn, const QDateTime &now);

// The first row of shown that the read-back list does not give back, or
// nullopt. A row survives when it keeps its kind and what the file holds of
// it: a record header its Number and name without the blanks the file's
// columns add, a field entry its offset (less leading blanks) and its hex text
// exactly. The header tail and the character-or-number text are recomputed by
// a save and a load, and extra texts are never written.
std::optional<size_t> FirstRowNotReadBack(const std::vector<Entry> &shown, const std::vector<Entry> &readBack);
