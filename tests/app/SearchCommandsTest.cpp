#include "ProgramFixture.h"
#include "editing/TFindDialog.h"
#include "editing/TfrmSeznam.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// Find and Go to in the program's own windows, with a language that carries
// the "not found" ending (text 12) and title (text 138), the unit word of the
// go-to count (text 31) and the find window's captions (texts 135 to 137).
class SearchCommands : public ProgramFixture
{
protected:
    void SetUp() override
    {
        prompts.modal = true;
        writeLanguageFile("[Jazyk]\r\nPoradi=Test\r\nactive=0\r\n[Test]\r\n12=nenalezen\r\n138=Information\r\n"
                          "31=z\xE1znam\xF9\r\n135=Fi&nd what:\r\n136=Match &whole word only\r\n137=&Find Next\r\n");
        start();
        for (int record = 1; record <= 3; ++record) {
            form->document().entries().append(Entry{QByteArray::number(record).rightJustified(4) + ' ',
                                                    "name" + QByteArray::number(record), "tail ", ""});
            form->document().entries().append(Entry{"", "0", "$41", "A"});
        }
        form->UpdateControls(true);
        form->show();
        QApplication::setActiveWindow(form.get());
        list = child<QTableView>("Seznam");
        list->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // The key as the window system delivers it, then the command the key queued.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(form->windowHandle(), Qt::Key(key), modifiers);
        QCoreApplication::processEvents();
    }
    void pressF3() { press(Qt::Key_F3, Qt::NoModifier); }
    // The find window opened by Ctrl+F, with the text typed into it and Enter pressed.
    TFindDialog *findWith(const QString &text)
    {
        press(Qt::Key_F);
        TFindDialog *dialog = findWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }));
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return dialog;
    }
    int selected() const
    {
        const QModelIndexList rows = list->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    TFindDialog *findWindow() { return form->findChild<TFindDialog *>("FindDialog1"); }
    TfrmSeznam *goToWindow() { return form->findChild<TfrmSeznam *>("frmSeznam"); }

    QTableView *list = nullptr;
};

} // namespace

TEST_F(SearchCommands, CtrlFOpensTheFindWindowAndFindNextReportsTheEndInTheChosenLanguage)
{
    list->selectRow(3);
    press(Qt::Key_F);
    TFindDialog *dialog = findWindow();
    ASSERT_TRUE(dialog);
    // The find window takes the keyboard: the operator types straight into its field.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }));
    EXPECT_EQ(selected(), 0);
    QTest::keyClicks(QApplication::focusWidget(), "NAME3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(selected(), 4);
    QTest::mouseClick(dialog->findNextButton(), Qt::LeftButton);
    EXPECT_EQ(prompts.informations, QStringList{"Information: Text NAME3 nenalezen"});
    EXPECT_EQ(selected(), 4);
}

TEST_F(SearchCommands, CtrlLOpensTheGoToWindowOncePerPressWhateverHasTheFocus)
{
    TfrmSeznam *goTo = goToWindow();
    QSignalSpy fills(goTo->names()->model(), &QAbstractItemModel::rowsInserted);
    child<QWidget>("cbJazyk")->setFocus();
    press(Qt::Key_L);
    EXPECT_EQ(fills.count(), 1);
    ASSERT_TRUE(goTo->isVisible());
    EXPECT_EQ(goTo->countLabel()->text(), QString::fromUtf8("3 záznamů"));
    QTest::keyClick(goTo->names(), Qt::Key_Down);
    EXPECT_EQ(selected(), 2);
    QTest::keyClick(goTo->names(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->hasFocus(); }));
    QTest::keyClick(goTo->names(), Qt::Key_Escape);
    EXPECT_FALSE(goTo->isVisible());
}

TEST_F(SearchCommands, ButtonsAndPopupItemsOpenBothWindows)
{
    QTest::mouseClick(child<QPushButton>("btnSeznam"), Qt::LeftButton);
    EXPECT_TRUE(goToWindow()->isVisible());
    goToWindow()->hide();
    child<QAction>("Jdina")->trigger();
    EXPECT_TRUE(goToWindow()->isVisible());

    QTest::mouseClick(child<QPushButton>("btnHledej"), Qt::LeftButton);
    ASSERT_TRUE(findWindow());
    EXPECT_TRUE(findWindow()->isVisible());
    findWindow()->hide();
    child<QAction>("Hledej1")->trigger();
    EXPECT_TRUE(findWindow()->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(SearchCommands, F3FindsTheNextWithTheFindWindowsTextWhateverHasTheFocus)
{
    TFindDialog *dialog = findWith("name");
    EXPECT_EQ(selected(), 2);
    // The found entry has the focus, as after every find; Enter there would edit it, F3 goes on.
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->hasFocus(); }));
    pressF3();
    EXPECT_EQ(selected(), 4);
    EXPECT_TRUE(prompts.modalDialogs.isEmpty());

    list->selectRow(0);
    child<QWidget>("cbJazyk")->setFocus();
    pressF3();
    EXPECT_EQ(selected(), 2);
    EXPECT_EQ(child<QComboBox>("cbJazyk")->currentText(), "Test");

    // In the find window F3 is Find Next as well.
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    EXPECT_EQ(selected(), 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    EXPECT_EQ(prompts.informations, QStringList{"Information: Text name nenalezen"});
    EXPECT_EQ(selected(), 4);
}

TEST_F(SearchCommands, F3AfterTheFindWindowClosedSearchesWithItsTextAndCheckBox)
{
    form->document().entries().replace(3, Entry{"", "name1 ", "$41", "A"});
    form->document().entries().replace(5, Entry{"", "xname1", "$41", "A"});
    press(Qt::Key_F);
    TFindDialog *dialog = findWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }));
    QTest::keyClicks(QApplication::focusWidget(), "name1");
    QTest::mouseClick(dialog->wholeWordBox(), Qt::LeftButton);
    QTest::keyClick(dialog->textField(), Qt::Key_Escape);
    ASSERT_FALSE(dialog->isVisible());
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));

    list->selectRow(1);
    pressF3();
    EXPECT_EQ(selected(), 3);
    EXPECT_FALSE(dialog->isVisible());
    // Only a whole word is found: "xname1" is not.
    pressF3();
    EXPECT_EQ(prompts.informations, QStringList{"Information: Text name1 nenalezen"});
    EXPECT_EQ(selected(), 3);
}

TEST_F(SearchCommands, F3WithNothingToFindYetOpensTheFindWindow)
{
    list->selectRow(3);
    pressF3();
    TFindDialog *dialog = findWindow();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }));
    EXPECT_EQ(selected(), 0);

    // With an empty text F3 in the find window has nothing to find; on the main window it opens the window again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    EXPECT_TRUE(prompts.informations.isEmpty());
    dialog->hide();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    pressF3();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(prompts.informations.isEmpty());
}

TEST_F(SearchCommands, F3FollowsTheFindButtonsState)
{
    findWith("name");
    ASSERT_EQ(selected(), 2);
    form->UpdateControls(false); // a transfer runs
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    pressF3();
    EXPECT_EQ(selected(), 2);
    form->UpdateControls(true);
    pressF3();
    EXPECT_EQ(selected(), 4);
}
