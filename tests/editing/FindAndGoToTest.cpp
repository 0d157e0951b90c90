#include "document/EntryModel.h"
#include "editing/FindCommand.h"
#include "editing/TFindDialog.h"
#include "editing/TfrmSeznam.h"
#include "i18n/KeptTexts.h"
#include "prompts/FakePrompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

Entry header(int number, QByteArrayView name)
{
    return Entry{QByteArray::number(number).rightJustified(4) + ' ', name, "000010000001 0 ", ""};
}

Entry field()
{
    return Entry{"", "7", "$00", "0"};
}

// A main window with the entry list, and the find command and go-to window
// working on it, as the program wires them.
class FindAndGoTo : public testing::Test
{
protected:
    void SetUp() override
    {
        main.setCentralWidget(list);
        list->setModel(&entries);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->verticalHeader()->setDefaultSectionSize(20);
        prompts.modal = true;
        texts.notFoundEnding = "nenalezen";
        texts.notFoundTitle = "Informace";
        texts.namesUnit = "z\xE1znam\xF9";
        goTo.SetEntryList(*list, entries, texts);
        main.setGeometry(100, 120, 400, 300);
        main.show();
        QApplication::setActiveWindow(&main);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    }

    void fill(std::vector<Entry> rows)
    {
        entries.assign(std::move(rows));
        // The list lays out its new rows once back in the event loop, as it would on screen.
        QApplication::processEvents();
    }
    // Entries 0..count-1 with nothing the tests look for, and the given names at the given rows.
    void fillPlain(int count, const std::map<int, QByteArray> &names)
    {
        std::vector<Entry> rows(static_cast<size_t>(count), field());
        for (const auto &[row, name] : names)
            rows[static_cast<size_t>(row)] = header(row, name);
        fill(std::move(rows));
    }
    int selected() const
    {
        const QModelIndexList rows = list->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    void select(int row) { list->selectRow(row); }
    bool rowShown(int row) const
    {
        const int y = list->rowViewportPosition(row);
        return y >= 0 && y + list->rowHeight(row) <= list->viewport()->height();
    }

    // The find window, opened by the command, with the text typed into its field.
    TFindDialog &openFind(const QString &text = {})
    {
        find.Hledej1Click();
        TFindDialog &dialog = *find.findDialog();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
        dialog.textField()->selectAll();
        QTest::keyClicks(dialog.textField(), text);
        return dialog;
    }
    void pressEnter(TFindDialog &dialog) { QTest::keyClick(dialog.textField(), Qt::Key_Return); }
    // Keys go where the keyboard is, each once the one before it has been handled.
    static void press(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key);
        QApplication::processEvents();
    }
    static void type(const QString &text)
    {
        for (const QChar c : text) {
            QTest::keyClicks(QApplication::focusWidget(), c);
            QApplication::processEvents();
        }
    }

    QMainWindow main;
    QTableView *list = new QTableView;
    EntryModel entries;
    KeptTexts texts;
    FakePrompts prompts;
    FindCommand find{*list, entries, texts, prompts};
    TfrmSeznam goTo{&main};
};

} // namespace

TEST_F(FindAndGoTo, FindWindowOpensAtTheMainWindowsCentreWithTheFirstEntrySelected)
{
    fillPlain(10, {});
    select(5);
    TFindDialog &dialog = openFind();
    EXPECT_EQ(dialog.objectName(), "FindDialog1");
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(selected(), 0);
    const QRect frame = main.frameGeometry();
    EXPECT_EQ(dialog.frameGeometry().topLeft(), frame.topLeft() + QPoint(frame.width() / 2, frame.height() / 2));
    // The desktop's find window, without match case or direction.
    EXPECT_EQ(dialog.findChildren<QCheckBox *>().size(), 1);
    EXPECT_EQ(dialog.wholeWordBox()->text().remove('&'), "Match whole word only");
    EXPECT_EQ(dialog.findNextButton()->text().remove('&'), "Find Next");
    EXPECT_EQ(dialog.cancelButton()->text(), "Cancel");
}

TEST_F(FindAndGoTo, FindNextGoesDownFromTheSelectionThenReportsTheEnd)
{
    fillPlain(50, {{5, "xabcx"}, {20, "ABC"}});
    const std::vector<Entry> before = entries.entries();
    TFindDialog &dialog = openFind("abc");
    select(10);
    pressEnter(dialog);
    EXPECT_EQ(selected(), 20);
    // The last entry was brought into view first, so the found one shows at the top.
    EXPECT_EQ(list->rowAt(0), 20);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->hasFocus(); }));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(prompts.informations.isEmpty());

    QTest::mouseClick(dialog.findNextButton(), Qt::LeftButton);
    EXPECT_EQ(prompts.informations, QStringList{"Informace: Text abc nenalezen"});
    EXPECT_EQ(selected(), 20);
    EXPECT_EQ(entries.entries(), before);
}

TEST_F(FindAndGoTo, TheFirstEntryIsNotExaminedRightAfterOpening)
{
    fillPlain(5, {{0, "only here"}});
    TFindDialog &dialog = openFind("only");
    pressEnter(dialog);
    EXPECT_EQ(prompts.informations, QStringList{"Informace: Text only nenalezen"});
    EXPECT_EQ(selected(), 0);
}

TEST_F(FindAndGoTo, FindNextWithNothingSelectedDoesNothing)
{
    fillPlain(5, {{3, "name"}});
    TFindDialog &dialog = openFind("name");
    list->clearSelection();
    pressEnter(dialog);
    EXPECT_EQ(selected(), -1);
    EXPECT_TRUE(prompts.informations.isEmpty());
}

TEST_F(FindAndGoTo, WholeWordBoxAppliesTheWholeWordRules)
{
    fill({header(1, "start"), header(2, "AB"), header(3, "AB ")});
    TFindDialog &dialog = openFind("ab");
    QTest::mouseClick(dialog.wholeWordBox(), Qt::LeftButton);
    ASSERT_TRUE(dialog.wholeWord());
    pressEnter(dialog);
    EXPECT_EQ(selected(), 2);
}

TEST_F(FindAndGoTo, FindWindowKeepsItsTextAndBoxAndStartsOverOnEveryOpening)
{
    fillPlain(10, {{4, "abc"}});
    TFindDialog &dialog = openFind("abc");
    QTest::mouseClick(dialog.wholeWordBox(), Qt::LeftButton);
    QTest::keyClick(dialog.textField(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());

    select(6);
    find.Hledej1Click();
    EXPECT_EQ(find.findDialog(), &dialog);
    EXPECT_EQ(dialog.findText(), "abc");
    EXPECT_TRUE(dialog.wholeWord());
    EXPECT_EQ(selected(), 0);

    // Opening it while it is open only brings it to the front: the search goes on.
    select(6);
    find.Hledej1Click();
    EXPECT_EQ(selected(), 6);
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(FindAndGoTo, FindNextNeedsAText)
{
    fillPlain(3, {});
    TFindDialog &dialog = openFind();
    EXPECT_FALSE(dialog.findNextButton()->isEnabled());
    pressEnter(dialog);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(prompts.informations.isEmpty());
    QTest::keyClicks(dialog.textField(), "x");
    EXPECT_TRUE(dialog.findNextButton()->isEnabled());
}

TEST_F(FindAndGoTo, TheOperatorCanMoveTheSelectionBetweenTwoFinds)
{
    fillPlain(40, {{2, "abc"}, {30, "abc"}});
    TFindDialog &dialog = openFind("abc");
    pressEnter(dialog);
    ASSERT_EQ(selected(), 2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_Up);
    ASSERT_EQ(selected(), 38);
    pressEnter(dialog);
    EXPECT_EQ(prompts.informations.size(), 1);
    select(3);
    pressEnter(dialog);
    EXPECT_EQ(selected(), 30);
}

TEST_F(FindAndGoTo, GoToListsTheRecordNamesWithTheirCountBesideTheMainWindow)
{
    fill({header(1, "Alphabet"), field(), header(2, "Alpha  "), field(), header(3, "Gamma")});
    select(3);
    goTo.btnSeznamClick();
    ASSERT_TRUE(goTo.isVisible());
    EXPECT_FALSE(goTo.isModal());
    EXPECT_TRUE(goTo.windowFlags() & Qt::WindowStaysOnTopHint);
    QComboBox *names = goTo.names();
    ASSERT_EQ(names->count(), 3);
    EXPECT_EQ(names->itemText(1), "Alpha  ");
    EXPECT_EQ(names->currentText(), "Alphabet");
    EXPECT_EQ(goTo.countLabel()->text(), QString::fromUtf8("3 záznamů"));
    EXPECT_EQ(goTo.frameGeometry().topLeft(), main.frameGeometry().topLeft() + QPoint(50, 40));
    // Filling the box moves nothing in the list.
    EXPECT_EQ(selected(), 3);
}

TEST_F(FindAndGoTo, ChoosingOrTypingANameSelectsTheFirstRecordThatContainsIt)
{
    fill({header(1, "Alphabet"), field(), header(2, "Alpha"), field()});
    goTo.btnSeznamClick();
    QComboBox *names = goTo.names();
    QTest::keyClick(names, Qt::Key_Down);
    ASSERT_EQ(names->currentText(), "Alpha");
    EXPECT_EQ(selected(), 0);
    QTest::keyClick(names, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->hasFocus(); }));

    select(3);
    names->lineEdit()->selectAll();
    QTest::keyClicks(names, "bet");
    EXPECT_EQ(selected(), 0);

    select(3);
    names->lineEdit()->selectAll();
    QTest::keyClick(names, Qt::Key_Backspace);
    ASSERT_EQ(names->currentText(), "");
    EXPECT_EQ(selected(), 3);
    QTest::keyClicks(names, "xyz");
    EXPECT_EQ(selected(), 3);
}

TEST_F(FindAndGoTo, ChoosingTheShownNameFromTheListGoesThere)
{
    fill({header(1, "Alphabet"), field(), header(2, "Alpha"), field()});
    select(3);
    goTo.btnSeznamClick();
    goTo.names()->showPopup();
    QTest::keyClick(goTo.names()->view(), Qt::Key_Return);
    EXPECT_EQ(selected(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->hasFocus(); }));
    EXPECT_EQ(QApplication::activeWindow(), &main);
}

TEST_F(FindAndGoTo, TheGoToWindowKeepsTheKeyboardWhileATextIsTypedAndEnterGoesToTheList)
{
    fillPlain(60, {{0, "Beta"}, {40, "Alpha"}, {50, "Xal"}});
    select(7);
    goTo.btnSeznamClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &goTo; }));
    // The shown name is selected, so typing replaces it; no completion adds to what is typed.
    type("a");
    EXPECT_EQ(goTo.names()->currentText(), "a");
    EXPECT_EQ(selected(), 0);
    type("L");
    EXPECT_EQ(goTo.names()->currentText(), "aL");
    EXPECT_EQ(selected(), 40);
    EXPECT_EQ(list->rowAt(0), 40);
    EXPECT_EQ(QApplication::activeWindow(), &goTo);
    EXPECT_TRUE(goTo.isAncestorOf(QApplication::focusWidget()));

    // A text no name contains moves nothing, and Enter then stays in the window.
    type("q");
    press(Qt::Key_Return);
    EXPECT_EQ(selected(), 40);
    EXPECT_EQ(QApplication::activeWindow(), &goTo);

    press(Qt::Key_Backspace);
    press(Qt::Key_Return);
    EXPECT_EQ(selected(), 40);
    EXPECT_TRUE(goTo.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->hasFocus(); }));
    EXPECT_EQ(QApplication::activeWindow(), &main);
}

TEST_F(FindAndGoTo, ArrowKeysStepThroughTheNamesInTheGoToWindow)
{
    fill({header(1, "One"), field(), header(2, "Two"), field(), header(3, "Three")});
    goTo.btnSeznamClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &goTo; }));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(selected(), 4);
    press(Qt::Key_Down);
    EXPECT_EQ(goTo.names()->currentText(), "Three");
    press(Qt::Key_Up);
    EXPECT_EQ(selected(), 2);
    EXPECT_EQ(QApplication::activeWindow(), &goTo);
}

TEST_F(FindAndGoTo, GoToTheLastRecordShowsTheEndOfTheList)
{
    std::vector<Entry> rows;
    for (int record = 1; record <= 5; ++record) {
        rows.push_back(header(record, "Rec" + QByteArray::number(record)));
        for (int f = 0; f < 3; ++f)
            rows.push_back(field());
    }
    fill(std::move(rows));
    goTo.btnSeznamClick();
    goTo.names()->setCurrentIndex(4);
    EXPECT_EQ(selected(), 16);
    EXPECT_TRUE(rowShown(19));
    EXPECT_TRUE(rowShown(16));
}

TEST_F(FindAndGoTo, EscHidesGoToAndTheNextGoToFillsItAnew)
{
    fill({header(1, "One"), field()});
    goTo.btnSeznamClick();
    QTest::keyClick(goTo.names(), Qt::Key_Escape);
    EXPECT_FALSE(goTo.isVisible());

    fill({header(1, "One"), header(2, "Two"), header(3, "Three")});
    goTo.btnSeznamClick();
    EXPECT_TRUE(goTo.isVisible());
    EXPECT_EQ(goTo.names()->count(), 3);
    EXPECT_EQ(goTo.countLabel()->text(), QString::fromUtf8("3 záznamů"));
}
