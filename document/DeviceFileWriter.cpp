#include "document/DeviceFileWriter.h"

#include "document/DocumentErrors.h"
#include "document/FileAccess.h"
#include "document/TextHelpers.h"
#include "i18n/CodePage.h"

#include <optional>

namespace
{

constexpr qsizetype NumberWidth = 4;
constexpr qsizetype OffsetWidth = 6;
constexpr qsizetype ByteCountWidth = 3;
constexpr qsizetype HeaderValueWidth = 6;

QByteArrayView withoutSurroundingBlanks(QByteArrayView text)
{
    while (text.startsWith(' '))
        text = text.sliced(1);
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

// "the record number "12345" in row 3"; rows count from 1 as the operator sees them.
QString describe(const char *kind, QByteArrayView value, std::optional<size_t> row)
{
    QString text = QStringLiteral("the %1 \"%2\"").arg(QLatin1String(kind), CodePage::toUnicode(value));
    if (row)
        text += QStringLiteral(" in row %1").arg(*row + 1);
    return text;
}

// A value right-aligned in its fixed column. A value too wide for it would
// shift every column behind it and read back as something else, so it refuses
// the save. Blanks around a value that fits are not worth a refusal: when
// PadLeft would keep too many of them, the bare value is aligned instead.
QByteArray fixedColumn(QByteArrayView text, qsizetype width, const char *kind, std::optional<size_t> row)
{
    const QByteArrayView bare = withoutSurroundingBlanks(text);
    if (bare.size() > width) {
        throw DocumentError(
            QStringLiteral("Cannot save: %1 is longer than %2 characters.").arg(describe(kind, bare, row)).arg(width));
    }
    // PadLeft keeps the first characters of a text one longer than the column,
    // which drops the trailing blank of a loaded "   1 " but would cut a digit
    // of " 1234"; only a result that still holds the whole value is taken.
    QByteArray padded = PadLeft(text, width);
    return padded.size() == width && withoutSurroundingBlanks(padded) == bare ? padded : PadLeft(bare, width);
}

// A cell as written into a line: the line ends of the file must not occur in it.
QByteArrayView lineText(QByteArrayView text, size_t row)
{
    if (text.contains('\r') || text.contains('\n') || text.contains('\0')) {
        throw DocumentError(
            QStringLiteral("Cannot save: row %1 holds a line break or a NUL character, which the file cannot hold.")
                .arg(row + 1));
    }
    return text;
}

// The texts of a record header line are separated by backslashes, so none may hold one.
QByteArrayView headerText(QByteArrayView text, const char *kind, size_t row)
{
    if (text.contains('\\')) {
        throw DocumentError(QStringLiteral("Cannot save: %1 contains a backslash, which separates the texts of a "
                                           "record header line.")
                                .arg(describe(kind, text, row)));
    }
    return lineText(text, row);
}

QByteArray creationLine(QDate date, QTime time)
{
    const int year = (date.year() % 100 + 100) % 100;
    return QString::asprintf("SFA $%02d.%02d.%02d %02d:%02d:%02d$", date.day(), date.month(), year, time.hour(),
                             time.minute(), time.second())
        .toLatin1();
}

// How the records of a variant differ: the tag of their field lines, the end
// of their header lines (the header's own tail when not given) and a line
// that follows each header line.
struct RecordForm {
    QByteArrayView fieldTag;
    std::optional<QByteArray> headerTail;
    std::optional<QByteArrayView> lineAfterHeader;
};

// Builds the lines of one file in memory, each ended by CR LF.
class DeviceFileComposer
{
public:
    DeviceFileComposer(const std::vector<Entry> &entries, QDate date, QTime time)
        : m_entries(entries), m_nameWidth(entries.empty() ? 0 : RequiredCell(entries.front(), Entry::NameOffset).size())
    {
        m_out.reserve(static_cast<qsizetype>(entries.size()) * 24 + 64);
        appendLine(creationLine(date, time));
    }

    void appendLine(QByteArrayView line)
    {
        m_out.append(line);
        m_out.append("\r\n");
    }

    // Every record is a header line and the field entries that follow it, up
    // to the next record header or the end of the list. The entry's own kind
    // decides its line: a record header is always written as a header line,
    // also in a list whose records are not all as long as the first, where
    // counting fields per record would put it on a field line and lose it.
    // The first entry starts the first record whatever its kind.
    void appendRecords(const RecordForm &form)
    {
        for (size_t row = 0; row < m_entries.size();) {
            appendHeader(row, form);
            for (++row; row < m_entries.size() && !m_entries[row].isRecordHeader(); ++row)
                appendField(row, form.fieldTag);
            appendLine("SDE");
        }
    }

    const QByteArray &written() const { return m_out; }
    QByteArray take() { return std::move(m_out); }

private:
    void appendHeader(size_t row, const RecordForm &form)
    {
        const Entry &header = m_entries[row];
        m_out.append("SDK   1");
        m_out.append(fixedColumn(headerText(header.cellView(Entry::Number), "record number", row), NumberWidth,
                                 "record number", row));
        m_out.append(" \\");
        m_out.append(PadRight(recordName(row), m_nameWidth));
        m_out.append('\\');
        appendLine(form.headerTail ? QByteArrayView(*form.headerTail)
                                   : lineText(RequiredCell(header, Entry::Hex), row));
        if (form.lineAfterHeader)
            appendLine(*form.lineAfterHeader);
    }

    // Names are padded or cut to the width of the first one. Cutting blanks is
    // harmless, but a name whose text does not fit would lose its end for good.
    QByteArrayView recordName(size_t row) const
    {
        const QByteArrayView name = headerText(RequiredCell(m_entries[row], Entry::NameOffset), "record name", row);
        QByteArrayView text = name;
        while (text.endsWith(' '))
            text.chop(1);
        if (text.size() > m_nameWidth) {
            throw DocumentError(QStringLiteral("Cannot save: %1 is longer than the first record's name (%2 "
                                               "characters), to whose width every name is written.")
                                    .arg(describe("record name", name, row))
                                    .arg(m_nameWidth));
        }
        return name;
    }

    void appendField(size_t row, QByteArrayView tag)
    {
        const Entry &field = m_entries[row];
        const QByteArrayView offset = lineText(RequiredCell(field, Entry::NameOffset), row);
        const QByteArrayView hex = lineText(RequiredCell(field, Entry::Hex), row);
        m_out.append(tag);
        m_out.append(fixedColumn(offset, OffsetWidth, "offset", row));
        m_out.append(fixedColumn(QByteArray::number(HexByteCount(hex)), ByteCountWidth, "byte count", row));
        m_out.append(" C");
        appendLine(hex.isEmpty() ? hex : hex.sliced(1));
    }

    const std::vector<Entry> &m_entries;
    // Every name is padded or cut to the length of the first one.
    const qsizetype m_nameWidth;
    QByteArray m_out;
};

// Removes count characters from start, stopping at the end; a start of -1 (not found) removes nothing.
void removeAt(QByteArray &text, qsizetype start, qsizetype count)
{
    if (start >= 0)
        text.remove(start, count);
}

// The record size and version that end every header line of the plain variant, with the constant " 0".
QByteArray plainHeaderTail(const std::vector<Entry> &entries, QByteArrayView versionText)
{
    const qint64 size = RecordSize(entries, FieldsPerRecord(entries));
    const qint32 version = TryReadWholeNumber(versionText).value_or(0);
    return fixedColumn(QByteArray::number(size), HeaderValueWidth, "record size", std::nullopt) +
           fixedColumn(QByteArray::number(version), HeaderValueWidth, "version", std::nullopt) + " 0";
}

} // namespace

qint64 RecordSize(const std::vector<Entry> &entries, int fieldsPerRecord)
{
    if (fieldsPerRecord <= 0 || entries.size() < 2)
        return 0;
    const size_t last = qMin(entries.size() - 1, static_cast<size_t>(fieldsPerRecord));
    size_t winner = 1;
    qint32 largest = 0;
    for (size_t row = 1; row <= last; ++row) {
        const qint32 offset = ReadWholeNumber(RequiredCell(entries[row], Entry::NameOffset));
        if (offset > largest) {
            largest = offset;
            winner = row;
        }
    }
    return qint64(largest) + HexByteCount(RequiredCell(entries[winner], Entry::Hex));
}

QByteArray ComposePlainDeviceFile(const std::vector<Entry> &entries, QDate date, QTime time, QByteArrayView versionText)
{
    RecordForm form{"SDW", std::nullopt, std::nullopt};
    if (!entries.empty())
        form.headerTail = plainHeaderTail(entries, versionText);
    DeviceFileComposer file(entries, date, time);
    file.appendRecords(form);
    file.appendLine("SFE");
    return file.take();
}

QByteArray ComposeDeviceVariantFile(const std::vector<Entry> &entries, QDate date, QTime time, QByteArrayView keptSap,
                                    QByteArrayView keptSrn)
{
    DeviceFileComposer file(entries, date, time);
    file.appendLine(keptSap);
    file.appendRecords(RecordForm{"SDX", std::nullopt, keptSrn});
    file.appendLine(SprChecksum(file.written()));
    file.appendLine("SFE");
    return file.take();
}

QByteArray SprChecksum(QByteArrayView written)
{
    QByteArray text = written.toByteArray();
    // The first line (SFA) and the kept SAP line go.
    const qsizetype firstEnd = text.indexOf("\r\n");
    removeAt(text, firstEnd < 0 ? -1 : 0, firstEnd + 2);
    const qsizetype sapEnd = text.indexOf("\r\n");
    removeAt(text, text.indexOf("SAP"), sapEnd < 0 ? 1 : sapEnd + 2);
    // From the first record on, less the first header line's end and the first "SDE" line.
    removeAt(text, 0, qMax<qsizetype>(0, text.indexOf("SDK")));
    removeAt(text, text.indexOf('\r'), 2);
    removeAt(text, text.indexOf("SDE"), 5);
    quint8 check = 0;
    for (char c : std::as_const(text))
        check ^= static_cast<quint8>(c);
    return "SPR H" + QByteArray::number(check + 1, 16).toUpper().rightJustified(2, '0');
}

void WritePlainDeviceFile(const QString &fileName, const std::vector<Entry> &entries, QDate date, QTime time,
                          QByteArrayView versionText)
{
    WriteFileSafely(fileName, ComposePlainDeviceFile(entries, date, time, versionText));
}
