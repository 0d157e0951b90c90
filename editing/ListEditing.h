#pragma once

#include "document/PackedEntries.h"

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

// The editing changes of the entry list: add a record or a field, edit an
// entry, delete a record or a field, renumber, and the changes that take each
// of them back. The list is a table of records of one layout, E entries each
// (a header and the first record's fields), and the changes keep that shape: a
// field is added, renamed and deleted at the same position in every record,
// and a new record copies the first record's fields. Each change is one change
// of the model (one batch, so the views redraw once) and one pass over the
// list. The operator's commands run them as undoable commands (see
// ListEditCommand), which keep what a change takes out of the list.
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
    // Drops the entries from row to the end (a record added there).
    void truncate(int row);
    // Inserts the field behind the selected entry's position in every record.
    // Returns the index the selected entry has afterwards.
    int addField(int selected, const EditedTexts &field);
    // Drops the field at the position from every record of perRecord entries.
    void dropField(int perRecord, int position);
    // Whether editing the entry with the texts changes the field's name
    // (offset) in every record rather than in the entry alone.
    bool editRenamesField(int row, const EditedTexts &texts) const;
    // Writes the dialog's texts back into the entry; a changed offset of a
    // field entry is changed at the field's position in every record.
    void editEntry(int row, const EditedTexts &texts);
    // The name (offset) at the entry's position in every record.
    void setFieldNameInAllRecords(int row, QByteArrayView name);
    // The entries first, first + step... to the end of the list, and putting
    // such entries back in their places.
    PackedEntries entriesFrom(int first, int step) const;
    void restoreFrom(int first, int step, const PackedEntries &entries);
    // Deletes the record whose header is at row, or the field at row's
    // position from every record; returns the entries deleted.
    PackedEntries deleteAt(int row);
    // Puts deleted entries back: a record's at row, a field's at its position
    // in every record of perRecord entries.
    void insertRecord(int row, const PackedEntries &record);
    void insertField(int perRecord, int position, const PackedEntries &field);
    // Whether there are no more records than renumbering can number in four characters.
    bool canRenumber() const;
    // Gives the record headers the Numbers 1, 2, 3... right-aligned in four
    // characters; the list must be one that can be renumbered.
    void renumber();
    // The record headers' Numbers in list order, and putting them back.
    PackedEntries recordNumbers() const;
    void restoreRecordNumbers(const PackedEntries &numbers);

private:
    QByteArray recordName(QByteArrayView name) const;

    Document &m_document;
};
