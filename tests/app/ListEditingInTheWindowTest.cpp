#include "ProgramFixture.h"

#include "editing/TEditFrm.h"

#include <QAbstractButton>
#include <QAction>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimeEdit>
#include <gtest/gtest.h>

namespace
{

const QByteArray tail = "    40     3 0 ";

// Records of four entries: headers "   1 ", "   2 "... named "Alpha   ",
// each with fields at offsets 0, 1 and 2 holding "$41", "$42", "$43".
std::vector<Entry> records(int count)
{
    std::vector<Entry> entries;
    for (int record = 1; record <= count; ++record) {
        entries.push_back(Entry{QByteArray::number(record).rightJustified(4, ' ') + ' ', "Alpha   ", tail, ""});
        for (int field = 0; field < 3; ++field)
            entries.push_back(Entry{"", QByteArray::number(field), "$4" + QByteArray::number(field + 1),
                                    QByteArray(1, char('A' + field))});
    }
    return entries;
}

// The main window shown and active, with the list the operator works on.
class ListEditingInTheWindow : public ProgramFixture
{
protected:
    void SetUp() override
    {
        start();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        list = child<QTableView>("Seznam");
        dialog = form->findChild<TEditFrm *>();
    }
    void show(std::vector<Entry> entries)
    {
        form->document().replaceList(std::move(entries));
        form->document().markLoaded();
    }
    void select(int row)
    {
        list->setFocus();
        list->selectRow(row);
    }
    int selectedRow() const
    {
        const QModelIndexList rows = list->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.front().row();
    }
    QByteArray cell(int row, Entry::Cell cell) const { return form->document().entries().at(row).cell(cell); }
    int count() const { return form->document().entries().count(); }
    // A key pressed in the window reaches the focused list; its command runs
    // once the key has been delivered.
    void key(Qt::Key key)
    {
        QTest::keyClick(form->windowHandle(), key);
        QApplication::processEvents();
    }
    // The operator's part at the edit dialog, ended with Enter (confirm) or Esc.
    void atDialog(const std::function<void()> &part)
    {
        prompts.modalOperator = [part](QDialog &) { part(); };
    }
    static void retype(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void confirm() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    void cancel() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }
    bool rowFullyVisible(int row) const
    {
        return list->viewport()->rect().contains(list->visualRect(list->model()->index(row, 0)));
    }

    QTableView *list = nullptr;
    TEditFrm *dialog = nullptr;
};

} // namespace

TEST_F(ListEditingInTheWindow, DoubleClickOnARowEditsItsEntry)
{
    show(records(3));
    atDialog([&] {
        EXPECT_EQ(dialog->text(efCislo), "   2 ");
        EXPECT_EQ(QApplication::focusWidget(), dialog->jmeno());
        QTest::keyClicks(dialog->jmeno(), "Beta");
        confirm();
    });
    const QRect row = list->visualRect(list->model()->index(4, 1));
    // A double-click is a click followed by the double-click event.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    ASSERT_EQ(prompts.modalDialogs, QStringList{"EditFrm"});
    EXPECT_EQ(cell(4, Entry::NameOffset), "Beta    ");
    EXPECT_EQ(cell(8, Entry::NameOffset), "Alpha   ");
    EXPECT_EQ(selectedRow(), 4);
    EXPECT_FALSE(form->document().listSaved());
    EXPECT_FALSE(enabled("btnPosli"));
}

TEST_F(ListEditingInTheWindow, EnterEditsAFieldsValueInItsRecordAndItsOffsetInEveryRecord)
{
    show(records(3));
    atDialog([&] {
        EXPECT_EQ(dialog->format(), hfByte);
        EXPECT_EQ(QApplication::focusWidget(), dialog->znak());
        QTest::keyClicks(dialog->znak(), "Z");
        retype(dialog->jmeno(), "7");
        confirm();
    });
    select(6);
    key(Qt::Key_Return);
    EXPECT_EQ(prompts.modalDialogs.size(), 1); // the Enter that confirmed opens nothing again
    EXPECT_EQ(form->document().entries().at(6), (Entry{"", "7", "$5A", "Z"}));
    for (int row : {2, 10}) {
        EXPECT_EQ(cell(row, Entry::NameOffset), "7");
        EXPECT_EQ(cell(row, Entry::Hex), "$42");
    }
    EXPECT_EQ(selectedRow(), 6);
}

TEST_F(ListEditingInTheWindow, ACancelledEditChangesNothing)
{
    show(records(2));
    atDialog([&] {
        QTest::keyClicks(dialog->znak(), "Z");
        cancel();
    });
    select(1);
    key(Qt::Key_Enter);
    EXPECT_EQ(prompts.modalDialogs.size(), 1);
    EXPECT_EQ(cell(1, Entry::Hex), "$41");
    EXPECT_TRUE(form->document().listSaved());
    EXPECT_TRUE(enabled("btnPosli"));
}

TEST_F(ListEditingInTheWindow, KeysDoNothingWithoutASelectedEntry)
{
    show(records(2));
    list->setFocus();
    list->clearSelection();
    for (Qt::Key pressed : {Qt::Key_Return, Qt::Key_Insert, Qt::Key_Delete})
        key(pressed);
    EXPECT_TRUE(prompts.modalDialogs.isEmpty());
    EXPECT_EQ(count(), 8);
    EXPECT_TRUE(enabled("btnPosli"));
}

TEST_F(ListEditingInTheWindow, InsertOnARecordHeaderAddsARecordEvenWhileThePopupsAddIsDisabled)
{
    show(records(3));
    form->UpdateMenu(false);
    ASSERT_FALSE(child<QAction>("Pidat1")->isEnabled());
    atDialog([&] {
        EXPECT_EQ(dialog->text(efCislo), "4");
        EXPECT_EQ(dialog->text(efJmeno), "");
        QTest::keyClicks(dialog->jmeno(), "X");
        confirm();
    });
    select(4);
    key(Qt::Key_Insert);
    ASSERT_EQ(count(), 16);
    EXPECT_EQ(form->document().entries().at(12), (Entry{"4", "X       ", tail, ""}));
    EXPECT_EQ(cell(15, Entry::Hex), "$43");
    EXPECT_EQ(selectedRow(), 12);
    EXPECT_TRUE(rowFullyVisible(15));
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_FALSE(form->document().listSaved());
    EXPECT_FALSE(enabled("btnPosli"));
}

TEST_F(ListEditingInTheWindow, AddedRecordAtTheEndOfALongListIsScrolledIntoView)
{
    show(records(200));
    atDialog([&] { confirm(); });
    select(0);
    child<QAction>("Pidat1")->trigger();
    ASSERT_EQ(count(), 804);
    EXPECT_EQ(cell(800, Entry::Number), "201");
    EXPECT_EQ(selectedRow(), 800);
    EXPECT_TRUE(rowFullyVisible(803));
}

TEST_F(ListEditingInTheWindow, AddFieldFromThePopupOffersTheLastOffsetAndKeepsTheSelectedEntry)
{
    show(records(3));
    atDialog([&] {
        EXPECT_EQ(dialog->text(efJmeno), "2");
        EXPECT_EQ(dialog->text(efZnak), "");
        retype(dialog->jmeno(), "9");
        retype(dialog->znak(), "B");
        confirm();
    });
    select(10);
    child<QAction>("Pidat1")->trigger();
    ASSERT_EQ(count(), 15);
    for (int record = 0; record < 3; ++record)
        EXPECT_EQ(form->document().entries().at(record * 5 + 3), (Entry{"", "9", "$42", "B"})) << record;
    EXPECT_EQ(selectedRow(), 12);
    EXPECT_EQ(cell(12, Entry::Hex), "$42");
    EXPECT_EQ(cell(12, Entry::NameOffset), "1");
}

TEST_F(ListEditingInTheWindow, CancelledAddLeavesTheListSavedAndSendOn)
{
    show(records(2));
    atDialog([&] { cancel(); });
    select(0);
    key(Qt::Key_Insert);
    EXPECT_EQ(count(), 8);
    EXPECT_TRUE(form->document().listSaved());
    EXPECT_TRUE(enabled("btnPosli"));
}

TEST_F(ListEditingInTheWindow, DeleteKeyRemovesAFieldFromEveryRecordAndThePopupARecord)
{
    show(records(3));
    select(5);
    key(Qt::Key_Delete);
    ASSERT_EQ(count(), 9);
    EXPECT_EQ(cell(1, Entry::NameOffset), "1");
    EXPECT_EQ(cell(4, Entry::NameOffset), "1");
    EXPECT_FALSE(form->document().listSaved());
    EXPECT_FALSE(enabled("btnPosli"));
    EXPECT_TRUE(enabled("btnPrijmi")); // the delete can be undone
    EXPECT_EQ(selectedRow(), -1);
    EXPECT_TRUE(prompts.modalDialogs.isEmpty()); // nothing is asked

    select(3);
    child<QAction>("Smazat1")->trigger();
    ASSERT_EQ(count(), 6);
    EXPECT_EQ(cell(3, Entry::Number), "   3 ");
    child<QAction>("Pesluj1")->trigger();
    EXPECT_EQ(cell(0, Entry::Number), "   1");
    EXPECT_EQ(cell(3, Entry::Number), "   2");
}

TEST_F(ListEditingInTheWindow, CommandsOnALongListLeaveItScrolledWhereItWas)
{
    show(records(300));
    QScrollBar *scroll = list->verticalScrollBar();
    select(506);
    scroll->setValue(500);
    ASSERT_TRUE(rowFullyVisible(506));
    atDialog([&] {
        QTest::keyClicks(dialog->znak(), "Q");
        confirm();
    });
    key(Qt::Key_Return);
    EXPECT_EQ(scroll->value(), 500);
    EXPECT_EQ(selectedRow(), 506);
    child<QAction>("Pesluj1")->trigger();
    EXPECT_EQ(scroll->value(), 500);
    EXPECT_EQ(selectedRow(), 506);
    key(Qt::Key_Delete);
    EXPECT_EQ(scroll->value(), 500);
}

TEST_F(ListEditingInTheWindow, AHexTextThatDoesNotReadIsReportedInAnErrorBox)
{
    show(records(1));
    atDialog([&] {
        retype(dialog->hex(), "A");
        cancel();
    });
    select(1);
    key(Qt::Key_Return);
    EXPECT_EQ(prompts.errors, QStringList{"'A' is not a valid integer value"});
}

TEST_F(ListEditingInTheWindow, EditsFollowedBySaveWriteTheWholeFile)
{
    const QString path = dir.filePath("edited.txt");
    prompts.saveAnswer = path;
    const auto stampAndSave = [&] {
        child<QDateEdit>("DatePicker")->setDate(QDate(2026, 12, 7));
        child<QTimeEdit>("TimePicker")->setTime(QTime(15, 12, 3));
        child<QAbstractButton>("btnUloz")->click();
        ASSERT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
    };
    child<QAbstractButton>("btnNovy")->click();
    stampAndSave();

    // A second record with a name shorter than the first's ...
    atDialog([&] {
        QTest::keyClicks(dialog->jmeno(), "Al");
        confirm();
    });
    select(0);
    key(Qt::Key_Insert);
    // ... its value typed as a character ...
    atDialog([&] {
        QTest::keyClicks(dialog->znak(), "A");
        confirm();
    });
    select(3);
    key(Qt::Key_Return);
    // ... and a field at offset 1 added to both records.
    atDialog([&] {
        retype(dialog->jmeno(), "1");
        retype(dialog->znak(), "B");
        confirm();
    });
    select(1);
    key(Qt::Key_Insert);
    stampAndSave();

    EXPECT_EQ(TestFiles::read(path).toStdString(), "SFA $07.12.26 15:12:03$\r\n"
                                                   "SDK   1  xx \\jmeno\\     2     0 0\r\n"
                                                   "SDW     0  1 C00\r\n"
                                                   "SDW     1  1 C42\r\n"
                                                   "SDE\r\n"
                                                   "SDK   1   2 \\Al   \\     2     0 0\r\n"
                                                   "SDW     0  1 C41\r\n"
                                                   "SDW     1  1 C42\r\n"
                                                   "SDE\r\n"
                                                   "SFE\r\n");
    EXPECT_TRUE(form->document().listSaved());
}

TEST_F(ListEditingInTheWindow, AnOffsetWiderThanTheNamesIsShownWholeAndOnlyTheEditedValueChanges)
{
    // Names two characters wide, fields at offsets 0 and 100.
    show({Entry{"   1 ", "A1", tail, ""}, Entry{"", "0", "$41", "A"}, Entry{"", "100", "$42", "B"},
          Entry{"   2 ", "B2", tail, ""}, Entry{"", "0", "$43", "C"}, Entry{"", "100", "$44", "D"}});
    atDialog([&] { confirm(); });
    select(1);
    key(Qt::Key_Return);
    atDialog([&] {
        EXPECT_EQ(dialog->text(efJmeno), "100");
        QTest::keyClicks(dialog->znak(), "Z");
        confirm();
    });
    select(5);
    key(Qt::Key_Return);
    ASSERT_EQ(prompts.modalDialogs.size(), 2);
    EXPECT_EQ(form->document().entries().at(5), (Entry{"", "100", "$5A", "Z"}));
    EXPECT_EQ(form->document().entries().at(2), (Entry{"", "100", "$42", "B"}));
    EXPECT_EQ(cell(1, Entry::NameOffset), "0");
}

TEST_F(ListEditingInTheWindow, ANameWiderThanTheLastListsIsKeptWholeWhenOnlyTheNumberChanges)
{
    show(records(2));
    atDialog([&] { confirm(); });
    select(0);
    key(Qt::Key_Return);
    // Another list, whose names are twelve characters wide.
    std::vector<Entry> wider = records(2);
    wider[0].setCell(Entry::NameOffset, "Alpha Centau");
    wider[4].setCell(Entry::NameOffset, "Beta Centaur");
    show(std::move(wider));
    atDialog([&] {
        EXPECT_EQ(dialog->text(efJmeno), "Beta Centaur");
        retype(dialog->cislo(), "7");
        confirm();
    });
    select(4);
    key(Qt::Key_Return);
    EXPECT_EQ(form->document().entries().at(4), (Entry{"7", "Beta Centaur", tail, ""}));
}

TEST_F(ListEditingInTheWindow, AddFieldAfterAHeaderEditWithholdsOkUntilTheValueReads)
{
    show(records(2));
    atDialog([&] { confirm(); });
    select(0);
    key(Qt::Key_Return);
    // The header's tail is left in Hex: Enter cannot add a field with it.
    atDialog([&] {
        EXPECT_EQ(dialog->text(efHex), tail);
        EXPECT_FALSE(dialog->okButton()->isEnabled());
        confirm();
        ASSERT_TRUE(dialog->isVisible());
        cancel();
    });
    select(1);
    key(Qt::Key_Insert);
    EXPECT_EQ(count(), 8);
    // A value typed as a character makes the hex text read.
    atDialog([&] {
        QTest::keyClicks(dialog->znak(), "Q");
        EXPECT_TRUE(dialog->okButton()->isEnabled());
        confirm();
    });
    select(1);
    key(Qt::Key_Insert);
    ASSERT_EQ(count(), 10);
    EXPECT_EQ(form->document().entries().at(7), (Entry{"", "2", "$51", "Q"}));
    EXPECT_TRUE(prompts.errors.isEmpty());
}

namespace
{

// The same window in a language whose text 60 tells why renumbering is refused.
class RenumberingInTheWindow : public ListEditingInTheWindow
{
protected:
    void SetUp() override
    {
        writeLanguageFile("[Jazyk]\r\nPoradi=Test\r\nactive=0\r\n[Test]\r\n60=P\xF8"
                          "e\xE8\xEDslov\xE1n\xED odm\xEDtnuto\r\n");
        ListEditingInTheWindow::SetUp();
    }
};

} // namespace

TEST_F(RenumberingInTheWindow, MoreRecordsThanFourDigitsNumberAreRefusedWithAMessageAndLeftAsTheyWere)
{
    std::vector<Entry> entries = records(10000);
    entries[4].setCell(Entry::Number, "   1 ");
    show(entries);
    select(8);
    child<QAction>("Pesluj1")->trigger();
    EXPECT_EQ(prompts.errors, QStringList{QString::fromUtf8("Přečíslování odmítnuto")});
    EXPECT_TRUE(form->document().entries().entries() == entries);
    EXPECT_TRUE(form->document().listSaved());
    EXPECT_EQ(selectedRow(), 8);
}
