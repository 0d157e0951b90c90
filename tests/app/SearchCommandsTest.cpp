#include "ProgramFixture.h"
#include "editing/TFindDialog.h"
#include "editing/TfrmSeznam.h"

#include <QAction>
#include <QApplication>
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
// the "not found" ending (text 12) and the unit word of the go-to count (text 31).
class SearchCommands : public ProgramFixture
{
protected:
    void SetUp() override
    {
        prompts.modal = true;
        writeLanguageFile("[Jazyk]\r\nPoradi=Test\r\nactive=0\r\n[Test]\r\n12=nenalezen\r\n31=z\xE1znam\xF9\r\n");
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
    // Ctrl and the key as the window system delivers them, then the command the key queued.
    void press(int key)
    {
        QTest::keyClick(form->windowHandle(), Qt::Key(key), Qt::ControlModifier);
        QCoreApplication::processEvents();
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
