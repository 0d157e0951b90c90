#include "editing/ListEditing.h"

#include "document/Document.h"
#include "document/TextHelpers.h"

#include <algorithm>

namespace
{

// The four record-number characters that renumbering writes.
constexpr qsizetype RecordNumberWidth = 4;

// The list without the entries whose index the predicate names.
template <typename Dropped> std::vector<Entry> withoutEntries(const std::vector<Entry> &entries, Dropped dropped)
{
    std::vector<Entry> kept;
    kept.reserve(entries.size());
    for (size_t row = 0; row < entries.size(); ++row) {
        if (!dropped(static_cast<int>(row)))
            kept.push_back(entries[row]);
    }
    return kept;
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
    const std::vector<Entry> &entries = model.entries();
    std::vector<Entry> grown;
    grown.reserve(entries.size() + entries.size() / static_cast<size_t>(perRecord) + 1);
    for (size_t row = 0; row < entries.size(); ++row) {
        grown.push_back(entries[row]);
        if (static_cast<int>(row) % perRecord == after)
            grown.push_back(added);
    }
    model.assign(std::move(grown));
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
    if (position == 0)
        model.assign(
            withoutEntries(model.entries(), [&](int index) { return index >= row && index < row + perRecord; }));
    else
        model.assign(withoutEntries(model.entries(), [&](int index) { return index % perRecord == position; }));
    m_document.listSaved = false;
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
