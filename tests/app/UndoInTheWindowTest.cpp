#include "ProgramFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

const QByteArray deviceFile = "SFA $07.12.26 15:12:03$\r\n"
                              "SDK   1   1 \\one\\     1     0 0\r\nSDW     0  1 C01\r\nSDW     1  1 C02\r\nSDE\r\n"
                              "SDK   1   2 \\two\\     1     0 0\r\nSDW     0  1 C03\r\nSDW     1  1 C04\r\nSDE\r\n"
                              "SFE\r\n";

// The main window shown and active, in a language whose texts name the edits,
// with a file loaded: two records of a header and two fields (entries 0 to 5).
class UndoInTheWindow : public ProgramFixture
{
protected:
    void SetUp() override
    {
        writeLanguageFile("[Jazyk]\r\nPoradi=Test\r\nactive=0\r\n[Test]\r\n69=Undo %1\r\n70=Redo %1\r\n71=Undo\r\n"
                          "72=Redo\r\n73=edit record %1\r\n74=edit field %1\r\n75=add record %1\r\n"
                          "76=add field %1\r\n77=delete record %1\r\n78=delete field %1\r\n79=renumber\r\n");
        start();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        list = child<QTableView>("Seznam");
        path = dir.filePath("in.txt");
        TestFiles::write(path, deviceFile);
        prompts.openAnswer = path;
        child<QAbstractButton>("btnNacti")->click();
        ASSERT_EQ(count(), 6);
        loaded = form->document().entries().entries();
    }
    int count() const { return form->document().entries().count(); }
    int selectedRow() const
    {
        const QModelIndexList rows = list->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.front().row();
    }
    void select(int row)
    {
        list->setFocus();
        list->selectRow(row);
    }
    // A key pressed in the window; its command runs once the key has been delivered.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(form->windowHandle(), key, modifiers);
        QApplication::processEvents();
    }
    QAction *item(const char *name) { return child<QAction>(name); }
    // The popup menu opened over the list and the item clicked in it.
    void clickInPopup(const char *name)
    {
        auto *menu = child<QMenu>("PopupMenu1");
        menu->popup(list->viewport()->mapToGlobal(QPoint(10, 10)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item(name)).center());
        QApplication::processEvents();
    }

    QTableView *list = nullptr;
    QString path;
    std::vector<Entry> loaded;
};

} // namespace

TEST_F(UndoInTheWindow, CtrlZUndoesADeleteAndCtrlYAndCtrlShiftZRedoIt)
{
    select(2);
    key(Qt::Key_Delete);
    ASSERT_EQ(count(), 4);
    const std::vector<Entry> deleted = form->document().entries().entries();

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->document().entries().entries(), loaded);
    EXPECT_EQ(selectedRow(), 2);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form->document().entries().entries(), deleted);
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->document().entries().entries(), deleted);
    // Nothing more to redo: the key does nothing.
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form->document().entries().entries(), deleted);
}

TEST_F(UndoInTheWindow, TheKeysReachUndoWhateverHasTheFocus)
{
    select(4);
    key(Qt::Key_Delete);
    auto *version = child<QSpinBox>("SpinVerze");
    version->setFocus();
    const int shownVersion = version->value();
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->document().entries().entries(), loaded);
    EXPECT_EQ(version->value(), shownVersion);
}

TEST_F(UndoInTheWindow, ThePopupItemsSayWhatTheyUndoAndRedo)
{
    EXPECT_EQ(item("UndoItem")->text(), "Undo");
    EXPECT_FALSE(item("UndoItem")->isEnabled());
    EXPECT_FALSE(item("RedoItem")->isEnabled());
    select(2);
    key(Qt::Key_Delete);
    EXPECT_EQ(item("UndoItem")->text(), "Undo delete field 2");
    EXPECT_TRUE(item("UndoItem")->isEnabled());
    select(2); // the second record's header, now that each record has one field
    clickInPopup("Smazat1");
    ASSERT_EQ(count(), 2);
    EXPECT_EQ(item("UndoItem")->text(), "Undo delete record 2");

    clickInPopup("UndoItem");
    EXPECT_EQ(count(), 4);
    EXPECT_EQ(item("UndoItem")->text(), "Undo delete field 2");
    EXPECT_EQ(item("RedoItem")->text(), "Redo delete record 2");
    EXPECT_TRUE(item("RedoItem")->isEnabled());
    clickInPopup("RedoItem");
    EXPECT_EQ(count(), 2);
    clickInPopup("Pesluj1");
    EXPECT_EQ(item("UndoItem")->text(), "Undo renumber");
}

TEST_F(UndoInTheWindow, UndoBackToTheLoadMakesTheListTheFileAgainAndTheTitleShowsUnsavedEdits)
{
    ASSERT_TRUE(enabled("btnPosli"));
    const QString title = form->windowTitle();
    EXPECT_TRUE(title.endsWith("in.txt)")) << title.toStdString();
    select(1);
    key(Qt::Key_Delete);
    EXPECT_FALSE(enabled("btnPosli"));
    EXPECT_TRUE(form->windowTitle().endsWith("in.txt*)")) << form->windowTitle().toStdString();
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(enabled("btnPosli"));
    EXPECT_EQ(form->windowTitle(), title);
    EXPECT_FALSE(item("UndoItem")->isEnabled());

    // A changed version is an unsaved edit as well, until the next save.
    child<QSpinBox>("SpinVerze")->setValue(5);
    EXPECT_TRUE(form->windowTitle().endsWith("*)"));
    EXPECT_FALSE(enabled("btnPosli"));
    prompts.saveAnswer = path;
    child<QAbstractButton>("btnUloz")->click();
    EXPECT_EQ(form->windowTitle(), title);
    EXPECT_TRUE(enabled("btnPosli"));
}

TEST_F(UndoInTheWindow, UndoPastASaveLeavesTheSavePointAndRedoReturnsToIt)
{
    select(1);
    key(Qt::Key_Delete);
    prompts.saveAnswer = path;
    child<QAbstractButton>("btnUloz")->click();
    ASSERT_TRUE(enabled("btnPosli"));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(count(), 6);
    EXPECT_FALSE(enabled("btnPosli"));
    EXPECT_TRUE(form->windowTitle().endsWith("*)"));
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(enabled("btnPosli"));
    EXPECT_FALSE(form->windowTitle().endsWith("*)"));
}

TEST_F(UndoInTheWindow, LoadAndNewClearWhatCanBeUndone)
{
    select(1);
    key(Qt::Key_Delete);
    child<QAbstractButton>("btnNacti")->click();
    EXPECT_FALSE(item("UndoItem")->isEnabled());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->document().entries().entries(), loaded);

    form->document().clearList(); // as the link empties it before New is offered
    select(0);
    child<QAbstractButton>("btnNovy")->click();
    ASSERT_EQ(count(), 2);
    select(1);
    key(Qt::Key_Delete);
    EXPECT_TRUE(item("UndoItem")->isEnabled());
    form->document().clearList();
    EXPECT_FALSE(item("UndoItem")->isEnabled());
}
