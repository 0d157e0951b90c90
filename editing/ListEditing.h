#pragma once

#include <QByteArray>
#include <QByteArrayView>

class Document;

// The texts the edit-item dialog hands back for one entry.
struct EditedTexts {
    QByteArray number;
    QByteArray nameOffset;
    QByteArray hex;
    QByteArray charNumber;
};

// The editing commands on the entry list: add a record or a field, edit an
// entry, delete a record or a field, renumber. The list is a table of records
// of one layout, E entries each (a header and the first record's fields), and
// the commands keep that shape: a field is added, renamed and deleted at the
// same position in every record, and a new record copies the first record's
// fields. Each command is one change of the model (one batch, so the views
// redraw once) and one pass over the list. A confirmed change marks the list
// as no longer saved; renumbering does not.
//
// A record name confirmed shorter than the list's name width is filled with
// blanks to that width, so the first record's name never narrows the width
// every other name is written in.
class ListEditing
{
public:
    explicit ListEditing(Document &document) : m_document(document) {}

    // E: the index of the first record header after row 0, or the number of
    // entries when there is none.
    int entriesPerRecord() const;
    // The length of the first entry's name, blanks included (0 for an empty list).
    qsizetype nameWidth() const;
    // The number proposed for a new record: entries / E + 1, plain decimal.
    QByteArray nextRecordNumber() const;
    // The offset proposed for a new field: the first record's last field's.
    QByteArray lastFieldOffset() const;

    // Appends a record: a header with the number, the name and the first
    // record's header tail, then copies of the first record's fields. Returns
    // the index of the new header.
    int addRecord(QByteArrayView number, QByteArrayView name);
    // Inserts the field behind the selected entry's position in every record.
    // Returns the index the selected entry has afterwards.
    int addField(int selected, const EditedTexts &field);
    // Writes the dialog's texts back into the entry; a changed offset of a
    // field entry is changed at the field's position in every record.
    void editEntry(int row, const EditedTexts &texts);
    // The name (offset) at the entry's position in every record.
    void setFieldNameInAllRecords(int row, QByteArrayView name);
    // Deletes the record whose header is at row, or the field at row's
    // position from every record.
    void deleteAt(int row);
    // Gives the record headers the Numbers 1, 2, 3... right-aligned in four
    // characters. False, with nothing changed, when there are more records
    // than four digits can number.
    [[nodiscard]] bool renumber();

private:
    QByteArray recordName(QByteArrayView name) const;

    Document &m_document;
};
