#include "document/Document.h"
#include "editing/AddFieldCommand.h"
#include "editing/AddRecordCommand.h"
#include "editing/DeleteFieldCommand.h"
#include "editing/DeleteRecordCommand.h"
#include "editing/EditEntryCommand.h"
#include "editing/RenumberCommand.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <functional>

namespace
{

const QByteArray tail = "    40     3 0 ";

// Three records of four entries, every cell telling record and field apart;
// the last record is cut short when lastRecordEntries is below 4.
std::vector<Entry> threeRecords(int lastRecordEntries = 4)
{
    std::vector<Entry> entries;
    for (int record = 0; record < 3; ++record) {
        entries.push_back(
            Entry{"   " + QByteArray::number(record + 1) + " ", "Name" + QByteArray::number(record), tail, ""});
        for (int field = 0; field < 3; ++field) {
            const int code = 0x41 + record * 3 + field;
            entries.push_back(Entry{"", QByteArray::number(field), "$" + QByteArray::number(code, 16).toUpper(),
                                    QByteArray(1, char(code))});
        }
    }
    entries.resize(static_cast<size_t>(8 + lastRecordEntries));
    return entries;
}

class ListEditCommands : public testing::Test
{
protected:
    void show(std::vector<Entry> entries)
    {
        document.replaceList(std::move(entries));
        document.markLoaded();
    }
    ListEditCommand::ShowSelection selection()
    {
        return [this](int row) { selected = row; };
    }
    const std::vector<Entry> &list() const { return document.entries().entries(); }
    // Pushes the command, then undoes and redoes it: each gives the list and
    // the selection exactly back.
    void expectUndoneAndRedoneExactly(ListEditCommand *command, int selectedBefore)
    {
        const std::vector<Entry> before = list();
        document.undoStack().push(command);
        const std::vector<Entry> after = list();
        const int selectedAfter = selected;
        ASSERT_NE(after, before);
        for (int round = 0; round < 2; ++round) {
            document.undoStack().undo();
            EXPECT_EQ(list(), before) << round;
            EXPECT_EQ(selected, selectedBefore) << round;
            document.undoStack().redo();
            EXPECT_EQ(list(), after) << round;
            EXPECT_EQ(selected, selectedAfter) << round;
        }
    }

    Document document;
    int selected = -2;
};

} // namespace

TEST_F(ListEditCommands, EachCommandUndoneAndRedoneGivesTheListAndSelectionExactlyBack)
{
    for (int lastRecordEntries : {4, 3, 2, 1}) {
        SCOPED_TRACE(lastRecordEntries);
        // Each command with the entry selected when it was given.
        const std::pair<std::function<ListEditCommand *()>, int> commands[] = {
            {[&] {
                 return new EditEntryCommand(document, selection(), 6, {"", "7", "$5A", "Z"});
             },
             6},
            {[&] {
                 return new EditEntryCommand(document, selection(), 6, {"", "1", "$5A", "Z"});
             },
             6},
            {[&] {
                 return new EditEntryCommand(document, selection(), 4, {"  9 ", "B", "x", "y"});
             },
             4},
            {[&] { return new AddRecordCommand(document, selection(), 4, "4", "X"); }, 4},
            {[&] {
                 return new AddFieldCommand(document, selection(), 2, {"", "9", "$AB", "171"});
             },
             2},
            {[&] {
                 return new AddFieldCommand(document, selection(), 7, {"", "9", "$AB", "171"});
             },
             7},
            {[&] { return new DeleteRecordCommand(document, selection(), 4); }, 4},
            {[&] { return new DeleteRecordCommand(document, selection(), 8); }, 8},
            {[&] { return new DeleteFieldCommand(document, selection(), 5); }, 5},
            {[&] { return new DeleteFieldCommand(document, selection(), 3); }, 3},
            {[&] { return new RenumberCommand(document, selection(), 9); }, 9},
        };
        for (const auto &[command, selectedBefore] : commands) {
            SCOPED_TRACE(selectedBefore);
            show(threeRecords(lastRecordEntries));
            expectUndoneAndRedoneExactly(command(), selectedBefore);
        }
    }
}

// A long list: 10,000 records of 20 fields (9,999 for renumbering, which
// numbers no more), every value its own.
TEST_F(ListEditCommands, ALongListIsGivenBackExactlyToo)
{
    const auto records = [](int count) {
        std::vector<Entry> entries;
        for (int record = 1; record <= count; ++record) {
            entries.push_back(Entry{QByteArray::number(record).rightJustified(4) + ' ', "record", tail, ""});
            for (int field = 0; field < 20; ++field)
                entries.push_back(Entry{"", QByteArray::number(field * 2),
                                        "$" + QByteArray::number(record * 20 + field), QByteArray::number(field)});
        }
        return entries;
    };
    const int lastField = 9999 * 21 + 20;
    const std::pair<std::function<ListEditCommand *()>, int> commands[] = {
        {[&] { return new DeleteFieldCommand(document, selection(), lastField); }, lastField},
        {[&] {
             return new AddFieldCommand(document, selection(), 7, {"", "9", "$AB", "171"});
         },
         7},
        {[&] { return new DeleteRecordCommand(document, selection(), 21); }, 21},
        {[&] {
             return new EditEntryCommand(document, selection(), 5, {"", "77", "$5A", "Z"});
         },
         5},
    };
    for (const auto &[command, selectedBefore] : commands) {
        SCOPED_TRACE(selectedBefore);
        show(records(10000));
        expectUndoneAndRedoneExactly(command(), selectedBefore);
    }
    show(records(9999));
    expectUndoneAndRedoneExactly(new RenumberCommand(document, selection(), 0), 0);
}

TEST_F(ListEditCommands, TheCommandsSelectWhatTheEditLeavesToWorkOn)
{
    show(threeRecords());
    document.undoStack().push(new AddRecordCommand(document, selection(), 4, "4", "X"));
    EXPECT_EQ(selected, 12);
    document.undoStack().push(new AddFieldCommand(document, selection(), 10, {"", "9", "$AB", "171"}));
    EXPECT_EQ(selected, 12); // the selected entry, moved down by the field added before it
    document.undoStack().push(new DeleteFieldCommand(document, selection(), 3));
    EXPECT_EQ(selected, -1);
    document.undoStack().undo();
    EXPECT_EQ(selected, 3);
}

TEST_F(ListEditCommands, UndoingBackToTheSavePointMakesTheListTheFileAgain)
{
    show(threeRecords());
    ASSERT_TRUE(document.listIsItsFile());
    document.undoStack().push(new DeleteFieldCommand(document, selection(), 5));
    EXPECT_FALSE(document.listSaved());
    EXPECT_TRUE(document.hasUnsavedEdits());
    document.undoStack().push(new RenumberCommand(document, selection(), 0));
    document.undoStack().undo();
    document.undoStack().undo();
    EXPECT_TRUE(document.listSaved());
    EXPECT_TRUE(document.listIsItsFile());
    EXPECT_FALSE(document.hasUnsavedEdits());

    // Saved after one edit: undoing it leaves the save point, redoing returns to it.
    document.undoStack().redo();
    document.markSaved();
    EXPECT_FALSE(document.hasUnsavedEdits());
    document.undoStack().undo();
    EXPECT_FALSE(document.listSaved());
    EXPECT_TRUE(document.hasUnsavedEdits());
    document.undoStack().redo();
    EXPECT_TRUE(document.listSaved());
}

TEST_F(ListEditCommands, AListThatIsNoFileIsNoneAfterUndoEither)
{
    document.replaceList(threeRecords());
    EXPECT_FALSE(document.hasUnsavedEdits());
    document.undoStack().push(new DeleteRecordCommand(document, selection(), 0));
    EXPECT_TRUE(document.hasUnsavedEdits());
    document.undoStack().undo();
    EXPECT_FALSE(document.hasUnsavedEdits());
    EXPECT_FALSE(document.listSaved());
}

TEST_F(ListEditCommands, ReplacingTheListClearsTheStackAndAnEditedListStaysNoFile)
{
    show(threeRecords());
    document.undoStack().push(new DeleteRecordCommand(document, selection(), 0));
    document.clearList();
    EXPECT_EQ(document.undoStack().count(), 0);
    EXPECT_FALSE(document.listSaved()); // the edited list was no file, and nothing brings it back

    show(threeRecords());
    document.undoStack().push(new DeleteRecordCommand(document, selection(), 0));
    document.replaceList(threeRecords());
    EXPECT_EQ(document.undoStack().count(), 0);
    EXPECT_FALSE(document.hasUnsavedEdits());

    document.undoStack().push(new DeleteRecordCommand(document, selection(), 0));
    DeviceFileReadResult read;
    read.entries = threeRecords();
    document.adoptRead(std::move(read), "in.txt");
    EXPECT_EQ(document.undoStack().count(), 0);
}

TEST_F(ListEditCommands, TheHeaderValuesTheOperatorChangesAreUnsavedEditsUntilTheNextSave)
{
    show(threeRecords());
    QSignalSpy changed(&document, &Document::changed);
    document.editVersion(document.version() + 1);
    EXPECT_TRUE(document.hasUnsavedEdits());
    EXPECT_FALSE(document.listIsItsFile());
    EXPECT_EQ(changed.count(), 1);
    document.markSaved();
    EXPECT_FALSE(document.hasUnsavedEdits());
    EXPECT_TRUE(document.justSaved());
    document.editCreated(QDate(2020, 1, 1), QTime(1, 2, 3));
    EXPECT_FALSE(document.justSaved());
}

// The window follows changed(): it comes once per change of what the
// controls show, not for every step inside one change.
TEST_F(ListEditCommands, AnEditAndItsUndoAreEachAnnouncedOnce)
{
    show(threeRecords());
    QSignalSpy changed(&document, &Document::changed);
    document.undoStack().push(new DeleteFieldCommand(document, selection(), 5));
    EXPECT_EQ(changed.count(), 1);
    document.undoStack().undo();
    EXPECT_EQ(changed.count(), 2);
}
