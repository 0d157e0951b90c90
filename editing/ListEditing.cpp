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

bool atPosition(size_t row, int perRecord, int position)
{
    return static_cast<int>(row % static_cast<size_t>(perRecord)) == position;
}

// Drops the entries at the position in every record, moving the others up in
// one pass; the dropped ones go to dropped when it is given.
void dropPosition(std::vector<Entry> &entries, int perRecord, int position, PackedEntries *dropped)
{
    size_t kept = 0;
    for (size_t row = 0; row < entries.size(); ++row) {
        if (!atPosition(row, perRecord, position))
            entries[kept++] = std::move(entries[row]);
        else if (dropped)
            dropped->append(entries[row]);
    }
    entries.resize(kept);
}

// Puts count entries at the position of the records of perRecord entries
// (counted with them), the k-th made by make(k), moving the others down in
// one pass from the end.
template <typename Make>
void insertAtPosition(std::vector<Entry> &entries, int perRecord, int position, size_t count, const Make &make)
{
    size_t read = entries.size();
    entries.resize(read + count);
    for (size_t write = entries.size(); write-- > 0;) {
        if (atPosition(write, perRecord, position))
            entries[write] = make(write / static_cast<size_t>(perRecord));
        else
            entries[write] = std::move(entries[--read]);
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
    return header;
}

void ListEditing::truncate(int row)
{
    m_document.entries().changeInPlace([&](std::vector<Entry> &entries) { entries.resize(static_cast<size_t>(row)); });
}

int ListEditing::addField(int selected, const EditedTexts &field)
{
    EntryModel &model = m_document.entries();
    const int perRecord = entriesPerRecord();
    // The new field follows the selected entry's position in every record; in
    // the last record only when that position is there.
    const int after = selected % perRecord;
    const Entry added{"", field.nameOffset, field.hex, field.charNumber};
    const int insertions = (model.count() - 1 - after) / perRecord + 1;
    model.changeInPlace([&](std::vector<Entry> &entries) {
        insertAtPosition(entries, perRecord + 1, after + 1, static_cast<size_t>(insertions),
                         [&](size_t) { return added; });
    });
    return selected + selected / perRecord;
}

void ListEditing::dropField(int perRecord, int position)
{
    m_document.entries().changeInPlace(
        [&](std::vector<Entry> &entries) { dropPosition(entries, perRecord, position, nullptr); });
}

bool ListEditing::editRenamesField(int row, const EditedTexts &texts) const
{
    return texts.number.isEmpty() && m_document.entries().at(row).cellView(Entry::NameOffset) != texts.nameOffset;
}

void ListEditing::editEntry(int row, const EditedTexts &texts)
{
    EntryModel &model = m_document.entries();
    const bool renamesField = editRenamesField(row, texts);
    EntryBatch batch(model);
    model.setCell(row, Entry::Number, texts.number);
    if (renamesField)
        setFieldNameInAllRecords(row, texts.nameOffset);
    else
        model.setCell(row, Entry::NameOffset, texts.number.isEmpty() ? texts.nameOffset : recordName(texts.nameOffset));
    model.setCell(row, Entry::Hex, texts.hex);
    model.setCell(row, Entry::CharNumber, texts.charNumber);
}

void ListEditing::setFieldNameInAllRecords(int row, QByteArrayView name)
{
    EntryModel &model = m_document.entries();
    const int perRecord = entriesPerRecord();
    EntryBatch batch(model);
    for (int position = row % perRecord; position < model.count(); position += perRecord)
        model.setCell(position, Entry::NameOffset, name);
}

PackedEntries ListEditing::entriesFrom(int first, int step) const
{
    const EntryModel &model = m_document.entries();
    PackedEntries taken;
    for (int row = first; row < model.count(); row += step)
        taken.append(model.at(row));
    return taken;
}

void ListEditing::restoreFrom(int first, int step, const PackedEntries &entries)
{
    m_document.entries().changeInPlace([&](std::vector<Entry> &list) {
        for (size_t k = 0; k < entries.size(); ++k)
            list.at(static_cast<size_t>(first) + k * static_cast<size_t>(step)) = entries.at(k);
    });
}

PackedEntries ListEditing::deleteAt(int row)
{
    EntryModel &model = m_document.entries();
    const int perRecord = entriesPerRecord();
    const int position = row % perRecord;
    PackedEntries deleted;
    model.changeInPlace([&](std::vector<Entry> &entries) {
        if (position == 0) {
            const auto first = entries.begin() + row;
            const auto last = first + std::min<qsizetype>(perRecord, entries.end() - first);
            std::for_each(first, last, [&](const Entry &entry) { deleted.append(entry); });
            entries.erase(first, last);
        } else {
            dropPosition(entries, perRecord, position, &deleted);
        }
    });
    return deleted;
}

void ListEditing::insertRecord(int row, const PackedEntries &record)
{
    m_document.entries().changeInPlace([&](std::vector<Entry> &entries) {
        std::vector<Entry> restored;
        restored.reserve(record.size());
        for (size_t k = 0; k < record.size(); ++k)
            restored.push_back(record.at(k));
        entries.insert(entries.begin() + row, std::make_move_iterator(restored.begin()),
                       std::make_move_iterator(restored.end()));
    });
}

void ListEditing::insertField(int perRecord, int position, const PackedEntries &field)
{
    m_document.entries().changeInPlace([&](std::vector<Entry> &entries) {
        insertAtPosition(entries, perRecord, position, field.size(), [&](size_t k) { return field.at(k); });
    });
}

bool ListEditing::canRenumber() const
{
    // A wider number would be cut to four characters and give duplicates.
    return std::ranges::count_if(m_document.entries().entries(), &Entry::isRecordHeader) <= HighestRecordNumber;
}

void ListEditing::renumber()
{
    EntryModel &model = m_document.entries();
    EntryBatch batch(model);
    int number = 1;
    for (int row = 0; row < model.count(); ++row) {
        if (model.at(row).isRecordHeader())
            model.setCell(row, Entry::Number, PadLeft(QByteArray::number(number++), RecordNumberWidth));
    }
}

PackedEntries ListEditing::recordNumbers() const
{
    PackedEntries numbers;
    for (const Entry &entry : m_document.entries().entries()) {
        if (entry.isRecordHeader())
            numbers.append(Entry{entry.cellView(Entry::Number)});
    }
    return numbers;
}

void ListEditing::restoreRecordNumbers(const PackedEntries &numbers)
{
    EntryModel &model = m_document.entries();
    EntryBatch batch(model);
    size_t next = 0;
    for (int row = 0; row < model.count() && next < numbers.size(); ++row) {
        if (model.at(row).isRecordHeader())
            model.setCell(row, Entry::Number, numbers.at(next++).cellView(Entry::Number));
    }
}
