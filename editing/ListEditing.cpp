#include "editing/ListEditing.h"

#include "document/Document.h"
#include "document/TextHelpers.h"

#include <algorithm>

namespace
{

// The four record-number characters that renumbering writes, and the
// highest number they hold.
constexpr qsizetype RecordNumberWidth = 4;
constexpr qsizetype HighestRecordNumber = 9999;

// Drops the entries at the position in every record, moving the others up in one pass.
void dropPosition(std::vector<Entry> &entries, int perRecord, int position)
{
    size_t kept = 0;
    for (size_t row = 0; row < entries.size(); ++row) {
        if (static_cast<int>(row) % perRecord != position)
            entries[kept++] = std::move(entries[row]);
    }
    entries.resize(kept);
}

// Puts a copy of the entry behind every entry at the position in its record,
// moving the others down in one pass from the end.
void insertBehindPosition(std::vector<Entry> &entries, int perRecord, int position, const Entry &added)
{
    const auto count = static_cast<int>(entries.size());
    const int insertions = (count - 1 - position) / perRecord + 1;
    entries.resize(static_cast<size_t>(count + insertions));
    auto write = static_cast<size_t>(count + insertions);
    for (int row = count - 1; row >= 0; --row) {
        if (row % perRecord == position)
            entries[--write] = added;
        entries[--write] = std::move(entries[static_cast<size_t>(row)]);
    }
}

} // namespace

int ListEditing::entriesPerRecord() const
{
    const EntryModel &model = m_document.entries();
    return model.isEmpty() ? 0 : FieldsPerRecord(model.entries()) + 1;
}

qsizetype ListEditing::nameWidth() const
{
    const EntryModel &model = m_document.entries();
    return model.isEmpty() ? 0 : model.at(0).cellView(Entry::NameOffset).size();
}

QByteArray ListEditing::nextRecordNumber() const
{
    const int perRecord = std::max(entriesPerRecord(), 1);
    return QByteArray::number(m_document.entries().count() / perRecord + 1);
}

QByteArray ListEditing::lastFieldOffset() const
{
    const int last = entriesPerRecord() - 1;
    return last < 0 ? QByteArray() : m_document.entries().at(last).cell(Entry::NameOffset);
}

QByteArray ListEditing::recordName(QByteArrayView name) const
{
    const qsizetype width = nameWidth();
    return name.size() < width ? PadRight(name, width) : name.toByteArray();
}

int ListEditing::addRecord(QByteArrayView number, QByteArrayView name)
{
    EntryModel &model = m_document.entries();
    const int header = model.count();
    const int perRecord = entriesPerRecord();
    const QByteArray tail = model.isEmpty() ? QByteArray() : model.at(0).cell(Entry::Hex);
    const QByteArray paddedName = recordName(name);
    EntryBatch batch(model);
    model.append(Entry{number, paddedName, tail, ""});
    for (int field = 1; field < perRecord; ++field) {
        const Entry &templateField = model.at(field);
        model.append(Entry{"", templateField.cellView(Entry::NameOffset), templateField.cellView(Entry::Hex),
                           templateField.cellView(Entry::CharNumber)});
    }
    m_document.listSaved = false;
    return header;
}

int ListEditing::addField(int selected, const EditedTexts &field)
{
    EntryModel &model = m_document.entries();
    const int perRecord = entriesPerRecord();
    // The new field follows the selected entry's position in every record; in
    // the last record only when that position is there.
    const int after = selected % perRecord;
    const Entry added{"", field.nameOffset, field.hex, field.charNumber};
    model.changeInPlace([&](std::vector<Entry> &entries) { insertBehindPosition(entries, perRecord, after, added); });
    m_document.listSaved = false;
    return selected + selected / perRecord;
}

void ListEditing::editEntry(int row, const EditedTexts &texts)
{
    EntryModel &model = m_document.entries();
    const QByteArray name = texts.number.isEmpty() ? texts.nameOffset : recordName(texts.nameOffset);
    EntryBatch batch(model);
    model.setCell(row, Entry::Number, texts.number);
    if (!texts.number.isEmpty() || model.at(row).cellView(Entry::NameOffset) == name)
        model.setCell(row, Entry::NameOffset, name);
    else
        setFieldNameInAllRecords(row, name);
    model.setCell(row, Entry::Hex, texts.hex);
    model.setCell(row, Entry::CharNumber, texts.charNumber);
    m_document.listSaved = false;
}

void ListEditing::setFieldNameInAllRecords(int row, QByteArrayView name)
{
    EntryModel &model = m_document.entries();
    const int perRecord = entriesPerRecord();
    EntryBatch batch(model);
    for (int position = row % perRecord; position < model.count(); position += perRecord)
        model.setCell(position, Entry::NameOffset, name);
}

void ListEditing::deleteAt(int row)
{
    EntryModel &model = m_document.entries();
    const int perRecord = entriesPerRecord();
    const int position = row % perRecord;
    model.changeInPlace([&](std::vector<Entry> &entries) {
        if (position == 0) {
            const auto first = entries.begin() + row;
            entries.erase(first, first + std::min<qsizetype>(perRecord, entries.end() - first));
        } else {
            dropPosition(entries, perRecord, position);
        }
    });
    m_document.listSaved = false;
}

bool ListEditing::renumber()
{
    EntryModel &model = m_document.entries();
    // A wider number would be cut to four characters and give duplicates.
    if (std::ranges::count_if(model.entries(), &Entry::isRecordHeader) > HighestRecordNumber)
        return false;
    EntryBatch batch(model);
    int number = 1;
    for (int row = 0; row < model.count(); ++row) {
        if (model.at(row).isRecordHeader())
            model.setCell(row, Entry::Number, PadLeft(QByteArray::number(number++), RecordNumberWidth));
    }
    return true;
}
