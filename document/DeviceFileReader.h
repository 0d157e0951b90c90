#pragma once

#include "document/Entry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// Everything a load hands to the main window, to be applied in one go: the new
// entry list and the header values and device lines met on the way. On a
// failure the entries read before it are here as well, with the message.
struct DeviceFileReadResult {
    std::vector<Entry> entries;
    // From the last SFA line met (the current date and time when that line did
    // not read); nullopt when the file has none. Only date() and time() count.
    std::optional<QDateTime> created;
    // Characters 7 to 12 of the first entry's Hex cell; set only outside online
    // mode when the list has an entry and that text reads as a whole number.
    std::optional<qint32> version;
    // The last SAP, SRN and SPR line met, each with the blank appended to every line.
    std::optional<QByteArray> keptSap;
    std::optional<QByteArray> keptSrn;
    std::optional<QByteArray> keptSpr;
    // Empty on success; otherwise the message of the first failure.
    QString error;

    // A file with neither an SFA line nor an entry is no device data file.
    bool holdsDeviceData() const { return created.has_value() || !entries.empty(); }
};

// One line of a device data file, already carrying the appended blank. Returns
// the entry the line gives, or an entry without cells for a line that gives
// none. An SFA line sets state.created, a device line of its own one of the
// kept lines. Throws the whole-number error for a field value that does not read.
Entry ParseDeviceLine(QByteArrayView line, const QDateTime &now, DeviceFileReadResult &state);

// Reads a whole device data file from its bytes. Lines end at CR LF, LF or CR,
// a last line needs no end, and a NUL byte ends the text. Outside online mode
// the version is read from the first entry. now stands in for a creation stamp
// that does not read and sets the two-digit-year window.
DeviceFileReadResult ReadDeviceText(QByteArrayView bytes, bool online, const QDateTime &now);

// As ReadDeviceText, from a file; a file that cannot be read gives no entries
// and the message of ReadWholeFile (the file, the reason and the system's number).
DeviceFileReadResult ReadDeviceFile(const QString &fileName, bool online, const QDateTime &now);
