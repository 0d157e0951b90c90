#include "editing/ListEditing.h"

#include "document/Document.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace
{

const QByteArray tail = "    40     3 0 ";

// Three records of four entries (0 to 11): headers "   1 " to "   3 " named
// "Alpha   ", "Beta    ", "Gamma   ", each with the fields at offsets 0, 1, 2
// whose values tell record and field apart.
std::vector<Entry> threeRecords()
{
    const QByteArray names[] = {"Alpha   ", "Beta    ", "Gamma   "};
    std::vector<Entry> entries;
    for (int record = 0; record < 3; ++record) {
        entries.push_back(Entry{"   " + QByteArray::number(record + 1) + " ", names[record], tail, ""});
        for (int field = 0; field < 3; ++field) {
            const int code = 0x41 + record * 3 + field;
            entries.push_back(Entry{"", QByteArray::number(field), "$" + QByteArray::number(code, 16).toUpper(),
                                    QByteArray(1, char(code))});
        }
    }
    return entries;
}

class ListEditingTest : public testing::Test
{
protected:
    void SetUp() override { document.entries().assign(threeRecords()); }
    const Entry &at(int row) { return document.entries().at(row); }
    QByteArray cell(int row, Entry::Cell cell) { return at(row).cell(cell); }
    QByteArrayList column(Entry::Cell which)
    {
        QByteArrayList texts;
        for (const Entry &entry : document.entries().entries())
            texts << entry.cell(which);
        return texts;
    }

    Document document;
    ListEditing editing{document};
    QSignalSpy resets{&document.entries(), &EntryModel::modelReset};
    QSignalSpy inserts{&document.entries(), &EntryModel::rowsInserted};
    QSignalSpy removals{&document.entries(), &EntryModel::rowsRemoved};
    QSignalSpy changes{&document.entries(), &EntryModel::dataChanged};
    // Each command tells the views once: one reset and nothing else.
    void expectOneModelChange()
    {
        EXPECT_EQ(resets.count(), 2); // the list's own assignment, then the command
        EXPECT_EQ(inserts.count() + removals.count() + changes.count(), 0);
    }
};

} // namespace

TEST_F(ListEditingTest, ProposalsComeFromTheShapeOfTheFirstRecord)
{
    EXPECT_EQ(editing.entriesPerRecord(), 4);
    EXPECT_EQ(editing.nextRecordNumber(), "4");
    EXPECT_EQ(editing.lastFieldOffset(), "2");
    EXPECT_EQ(editing.nameWidth(), 8);
}

TEST_F(ListEditingTest, AddRecordAppendsAHeaderWithTheFirstTailAndCopiesOfTheFirstRecordsFields)
{
    EXPECT_EQ(editing.addRecord("4", "X"), 12);
    ASSERT_EQ(document.entries().count(), 16);
    EXPECT_EQ(at(12), (Entry{"4", "X       ", tail, ""}));
    for (int field = 1; field <= 3; ++field)
        EXPECT_EQ(at(12 + field), at(field)) << field;
    expectOneModelChange();
}

TEST_F(ListEditingTest, AddFieldInsertsItAfterTheSelectedPositionInEveryRecord)
{
    const Entry selected = at(10);
    EXPECT_EQ(editing.addField(10, {"", "9", "$AB", "171"}), 12);
    ASSERT_EQ(document.entries().count(), 15);
    EXPECT_EQ(editing.entriesPerRecord(), 5);
    EXPECT_EQ(column(Entry::NameOffset).mid(0, 5), (QByteArrayList{"Alpha   ", "0", "1", "9", "2"}));
    for (int record = 0; record < 3; ++record)
        EXPECT_EQ(at(record * 5 + 3), (Entry{"", "9", "$AB", "171"})) << record;
    EXPECT_EQ(at(12), selected);
    expectOneModelChange();
}

TEST_F(ListEditingTest, AddFieldAfterTheLastPositionAppendsToTheLastRecord)
{
    editing.addField(3, {"", "3", "$00", ""});
    ASSERT_EQ(document.entries().count(), 15);
    EXPECT_EQ(cell(14, Entry::NameOffset), "3");
    EXPECT_EQ(cell(10, Entry::Number), "   3 ");
}

TEST_F(ListEditingTest, DeleteFieldRemovesItsPositionFromEveryRecord)
{
    editing.deleteAt(5);
    ASSERT_EQ(document.entries().count(), 9);
    EXPECT_EQ(column(Entry::NameOffset),
              (QByteArrayList{"Alpha   ", "1", "2", "Beta    ", "1", "2", "Gamma   ", "1", "2"}));
    EXPECT_EQ(cell(4, Entry::Hex), "$45"); // the second record keeps its own values
    expectOneModelChange();
}

TEST_F(ListEditingTest, DeleteRecordRemovesItsEntriesAndLeavesTheOtherNumbersForRenumbering)
{
    editing.deleteAt(4);
    ASSERT_EQ(document.entries().count(), 8);
    EXPECT_EQ(cell(0, Entry::Number), "   1 ");
    EXPECT_EQ(cell(4, Entry::Number), "   3 ");
    EXPECT_EQ(cell(4, Entry::NameOffset), "Gamma   ");
    expectOneModelChange();

    ASSERT_TRUE(editing.canRenumber());
    editing.renumber();
    EXPECT_EQ(cell(0, Entry::Number), "   1");
    EXPECT_EQ(cell(4, Entry::Number), "   2");
    EXPECT_EQ(cell(5, Entry::Number), "");
    EXPECT_EQ(resets.count(), 3);
}

TEST_F(ListEditingTest, DeleteTheLastRecordOfAShortListDeletesWhatItHas)
{
    document.entries().remove(11);
    editing.deleteAt(8);
    EXPECT_EQ(document.entries().count(), 8);
}

TEST_F(ListEditingTest, EditedOffsetChangesInEveryRecordAndTheValueOnlyInTheEditedOne)
{
    editing.editEntry(6, {"", "7", "$5A", "Z"});
    EXPECT_EQ(column(Entry::NameOffset),
              (QByteArrayList{"Alpha   ", "0", "7", "2", "Beta    ", "0", "7", "2", "Gamma   ", "0", "7", "2"}));
    EXPECT_EQ(at(6), (Entry{"", "7", "$5A", "Z"}));
    EXPECT_EQ(cell(2, Entry::Hex), "$42");
    EXPECT_EQ(cell(10, Entry::CharNumber), "H");
    expectOneModelChange();
}

TEST_F(ListEditingTest, EditedRecordNameChangesOnlyThatRecordAndKeepsTheNameWidth)
{
    editing.editEntry(4, {"   2 ", "B", tail, ""});
    EXPECT_EQ(at(4), (Entry{"   2 ", "B       ", tail, ""}));
    EXPECT_EQ(cell(8, Entry::NameOffset), "Gamma   ");
    // The first record's name shortened: the width every name is written in stays.
    editing.editEntry(0, {"   1 ", "Al", tail, ""});
    EXPECT_EQ(cell(0, Entry::NameOffset), "Al      ");
    EXPECT_EQ(editing.nameWidth(), 8);
    // Blanks at the end of a name already belong to it.
    editing.editEntry(0, {"   1 ", "Al  ", tail, ""});
    EXPECT_EQ(cell(0, Entry::NameOffset), "Al      ");
}

TEST_F(ListEditingTest, ARecordNameIsNotPaddedWhenTheFirstNameIsEmpty)
{
    document.entries().setCell(0, Entry::NameOffset, "");
    editing.addRecord("4", "X");
    EXPECT_EQ(cell(12, Entry::NameOffset), "X");
}

TEST_F(ListEditingTest, AListOfLoneRecordHeadersFollowsTheSameRules)
{
    document.entries().assign({Entry{"  xx ", "jmeno", "", ""}});
    EXPECT_EQ(editing.entriesPerRecord(), 1);
    EXPECT_EQ(editing.nextRecordNumber(), "2");
    editing.addRecord("2", "dalsi");
    ASSERT_EQ(document.entries().count(), 2);
    EXPECT_EQ(at(1), (Entry{"2", "dalsi", "", ""}));
    editing.deleteAt(0);
    ASSERT_EQ(document.entries().count(), 1);
    EXPECT_EQ(cell(0, Entry::NameOffset), "dalsi");
}

TEST_F(ListEditingTest, RenumberingTakesNoMoreRecordsThanFourDigitsNumber)
{
    std::vector<Entry> headers(9999, Entry{"  xx ", "jmeno", "", ""});
    document.entries().assign(headers);
    ASSERT_TRUE(editing.canRenumber());
    editing.renumber();
    EXPECT_EQ(cell(9998, Entry::Number), "9999");

    headers.push_back(Entry{"  xx ", "jmeno", "", ""});
    document.entries().assign(headers);
    EXPECT_FALSE(editing.canRenumber());
}
