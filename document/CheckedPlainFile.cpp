#include "document/CheckedPlainFile.h"

#include "document/DeviceFileWriter.h"
#include "document/DocumentErrors.h"

namespace
{

QByteArrayView withoutLeadingBlanks(QByteArrayView text)
{
    while (text.startsWith(' '))
        text = text.sliced(1);
    return text;
}

QByteArrayView withoutTrailingBlanks(QByteArrayView text)
{
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

bool survives(const Entry &shown, const Entry &back)
{
    if (shown.isRecordHeader() != back.isRecordHeader())
        return false;
    const QByteArrayView name = shown.cellView(Entry::NameOffset);
    const QByteArrayView nameBack = back.cellView(Entry::NameOffset);
    if (!shown.isRecordHeader())
        return withoutLeadingBlanks(name) == withoutLeadingBlanks(nameBack) &&
               shown.cellView(Entry::Hex) == back.cellView(Entry::Hex);
    return withoutLeadingBlanks(withoutTrailingBlanks(shown.cellView(Entry::Number))) ==
               withoutLeadingBlanks(withoutTrailingBlanks(back.cellView(Entry::Number))) &&
           withoutTrailingBlanks(name) == withoutTrailingBlanks(nameBack);
}

QString refusal(const QString &what)
{
    return QStringLiteral("Cannot save: %1. The file and the list are left as they are.").arg(what);
}

void checkRows(const std::vector<Entry> &entries, const DeviceFileReadResult &back)
{
    const std::optional<size_t> lost = FirstRowNotReadBack(entries, back.entries);
    if (!lost)
        return;
    QString what = QStringLiteral("row %1 would not read back from the file as it stands").arg(*lost + 1);
    if (!back.error.isEmpty() && *lost >= back.entries.size())
        what += QStringLiteral(" (%1)").arg(back.error);
    throw DocumentError(refusal(what));
}

QString shownDate(QDate date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

void checkHeaderValues(bool hasEntries, QDate date, QTime time, qint32 version, const DeviceFileReadResult &back)
{
    if (!back.error.isEmpty())
        throw DocumentError(refusal(QStringLiteral("the file would not read back (%1)").arg(back.error)));
    const QDate dateBack = back.created ? back.created->date() : QDate();
    if (dateBack != date) {
        throw DocumentError(refusal(QStringLiteral("the creation date %1 would read back as %2, as the file holds "
                                                   "the year in two digits")
                                        .arg(shownDate(date), shownDate(dateBack))));
    }
    const QTime timeBack = back.created ? back.created->time() : QTime();
    if (timeBack != QTime(time.hour(), time.minute(), time.second()))
        throw DocumentError(refusal(QStringLiteral("the creation time would not read back")));
    if (hasEntries && back.version != version) {
        throw DocumentError(
            refusal(QStringLiteral("the version %1 would read back as %2").arg(version).arg(back.version.value_or(0))));
    }
}

} // namespace

std::optional<size_t> FirstRowNotReadBack(const std::vector<Entry> &shown, const std::vector<Entry> &readBack)
{
    const size_t common = qMin(shown.size(), readBack.size());
    for (size_t row = 0; row < common; ++row) {
        if (!survives(shown[row], readBack[row]))
            return row;
    }
    if (shown.size() != readBack.size())
        return common;
    return std::nullopt;
}

CheckedPlainFile ComposeCheckedPlainFile(const std::vector<Entry> &entries, QDate date, QTime time, qint32 version,
                                         const QDateTime &now)
{
    CheckedPlainFile file;
    file.bytes = ComposePlainDeviceFile(entries, date, time, QByteArray::number(version));
    file.readBack = ReadDeviceText(file.bytes, false, now);
    checkRows(entries, file.readBack);
    checkHeaderValues(!entries.empty(), date, time, version, file.readBack);
    return file;
}

CheckedPlainFile ComposeCheckedDeviceVariantFile(const std::vector<Entry> &entries, QDate date, QTime time,
                                                 QByteArrayView keptSap, QByteArrayView keptSrn, const QDateTime &now)
{
    CheckedPlainFile file;
    file.bytes = ComposeDeviceVariantFile(entries, date, time, keptSap, keptSrn);
    file.readBack = ReadDeviceText(file.bytes, true, now);
    checkRows(entries, file.readBack);
    return file;
}
