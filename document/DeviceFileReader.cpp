#include "document/DeviceFileReader.h"

#include "document/DocumentErrors.h"
#include "document/FileAccess.h"
#include "document/TextHelpers.h"

#include <QVarLengthArray>

namespace
{

bool hasTag(QByteArrayView line, QByteArrayView tag)
{
    return line.startsWith(tag);
}

// Two decimal digits at position at, or -1.
int twoDigits(QByteArrayView text, qsizetype at)
{
    const char high = text[at];
    const char low = text[at + 1];
    if (high < '0' || high > '9' || low < '0' || low > '9')
        return -1;
    return (high - '0') * 10 + (low - '0');
}

// Reads "aa?bb?cc" with the given separator into its three numbers.
bool readTriple(QByteArrayView text, char separator, int (&parts)[3])
{
    if (text[2] != separator || text[5] != separator)
        return false;
    for (int i = 0; i < 3; ++i) {
        parts[i] = twoDigits(text, i * 3);
        if (parts[i] < 0)
            return false;
    }
    return true;
}

// A two-digit year lies in the hundred years that begin fifty years before the current one.
int fullYear(int twoDigitYear, int currentYear)
{
    const int first = currentYear - 50;
    return first + ((twoDigitYear - first) % 100 + 100) % 100;
}

// The stamp between the first two "$" of an SFA line: "dd.MM.yy hh:mm:ss".
// Anything that does not read gives the current date and time, without a word.
QDateTime readCreationStamp(QByteArrayView line, const QDateTime &now)
{
    const qsizetype open = line.indexOf('$');
    const qsizetype close = open < 0 ? -1 : line.indexOf('$', open + 1);
    if (close < 0 || close - open - 1 < 17)
        return now;
    const QByteArrayView stamp = line.sliced(open + 1, 17);
    int date[3];
    int time[3];
    if (!readTriple(stamp.first(8), '.', date) || !readTriple(stamp.sliced(9), ':', time))
        return now;
    const QDate day(fullYear(date[2], now.date().year()), date[1], date[0]);
    const QTime clock(time[0], time[1], time[2]);
    if (!day.isValid() || !clock.isValid())
        return now;
    return QDateTime(day, clock, Qt::UTC);
}

// The texts between backslashes, each ended by one; what follows the last backslash is dropped.
Entry splitAtBackslashes(QByteArrayView line)
{
    QVarLengthArray<QByteArrayView, 8> texts;
    for (qsizetype cut = line.indexOf('\\'); cut >= 0; cut = line.indexOf('\\')) {
        texts.append(line.first(cut));
        line = line.sliced(cut + 1);
    }
    return Entry(std::span<const QByteArrayView>(texts.data(), static_cast<size_t>(texts.size())));
}

// "SDK   1" and the constant digit go; the record number keeps its following
// blank, and the closing backslash makes the header tail (with the appended
// blank) a text of its own, followed by an empty one.
Entry parseRecordHeader(QByteArrayView line)
{
    QByteArray texts = line.toByteArray();
    texts.append('\\');
    texts.remove(0, 7);
    texts.append('\\');
    return splitAtBackslashes(texts);
}

// "SDW" or "SDX", the offset in six columns, the byte count, " C" and the hex
// digits to the end of the line. The byte count is not read: the digits decide.
// The cells are taken as they stand, so a one-byte value $5C keeps its
// backslash as its character.
Entry parseField(QByteArrayView line)
{
    QByteArrayView rest = line.sliced(3);
    QByteArrayView offset = rest.first(qMin<qsizetype>(6, rest.size()));
    while (offset.startsWith(' '))
        offset = offset.sliced(1);
    rest = rest.sliced(rest.indexOf('C') + 1);
    if (!rest.isEmpty())
        rest.chop(1);
    const QByteArray hex = '$' + rest.toByteArray();
    const QByteArray charNumber = FieldCharNumber(hex);
    return Entry{QByteArrayView(), offset, hex, charNumber};
}

// The device's own lines are kept whole, the last of each kind winning.
bool keepDeviceLine(QByteArrayView line, DeviceFileReadResult &state)
{
    std::optional<QByteArray> *kept = line.contains("SAP")   ? &state.keptSap
                                      : line.contains("SRN") ? &state.keptSrn
                                      : line.contains("SPR") ? &state.keptSpr
                                                             : nullptr;
    if (kept)
        *kept = line.toByteArray();
    return kept != nullptr;
}

QString messageOf(const std::exception &failure)
{
    return QString::fromUtf8(failure.what());
}

// Characters 7 to 12 of the first entry's header tail.
void readVersion(DeviceFileReadResult &result)
{
    try {
        const QByteArrayView tail = RequiredCell(result.entries.front(), Entry::Hex);
        const QByteArrayView field = tail.size() > 6 ? tail.sliced(6, qMin<qsizetype>(6, tail.size() - 6)) : "";
        result.version = ReadWholeNumber(field);
    } catch (const std::runtime_error &failure) {
        if (result.error.isEmpty())
            result.error = messageOf(failure);
    }
}

void readLines(QByteArrayView bytes, const QDateTime &now, DeviceFileReadResult &result)
{
    result.entries.reserve(static_cast<size_t>(bytes.count('\n') + 1));
    QByteArray line;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        qsizetype end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        line.resize(0);
        line.append(bytes.sliced(pos, end - pos));
        line.append(' ');
        Entry entry = ParseDeviceLine(line, now, result);
        if (entry.cellCount() > 0)
            result.entries.push_back(std::move(entry));
        const bool crLf = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
        pos = end + (crLf ? 2 : 1);
    }
}

} // namespace

Entry ParseDeviceLine(QByteArrayView line, const QDateTime &now, DeviceFileReadResult &state)
{
    if (hasTag(line, "SFA")) {
        state.created = readCreationStamp(line, now);
        return {};
    }
    if (hasTag(line, "SDK"))
        return parseRecordHeader(line);
    if (hasTag(line, "SDW") || hasTag(line, "SDX"))
        return parseField(line);
    if (keepDeviceLine(line, state))
        return {};
    return splitAtBackslashes(line);
}

DeviceFileReadResult ReadDeviceText(QByteArrayView bytes, bool online, const QDateTime &now)
{
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes = bytes.first(nul);
    DeviceFileReadResult result;
    try {
        readLines(bytes, now, result);
    } catch (const std::runtime_error &failure) {
        result.error = messageOf(failure);
    }
    if (!online && !result.entries.empty())
        readVersion(result);
    return result;
}

DeviceFileReadResult ReadDeviceFile(const QString &fileName, bool online, const QDateTime &now)
{
    QByteArray bytes;
    try {
        bytes = ReadWholeFile(fileName);
    } catch (const std::runtime_error &failure) {
        DeviceFileReadResult result;
        result.error = messageOf(failure);
        return result;
    }
    return ReadDeviceText(bytes, online, now);
}
