#include "ProgramFixture.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QFile>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <gtest/gtest.h>

namespace
{

class DocumentCommandsInTheWindow : public ProgramFixture
{
protected:
    void SetUp() override { start(); }
    // Commands run as the operator starts them: a failure is shown, not thrown.
    void click(const char *name) { child<QAbstractButton>(name)->click(); }
    void stamp(QDate date, QTime time, int version)
    {
        child<QDateEdit>("DatePicker")->setDate(date);
        child<QTimeEdit>("TimePicker")->setTime(time);
        child<QSpinBox>("SpinVerze")->setValue(version);
    }
};

const QByteArray newDocumentFile = "SFA $07.12.26 15:12:03$\r\n"
                                   "SDK   1  xx \\jmeno\\     1     0 0\r\n"
                                   "SDW     0  1 C00\r\n"
                                   "SDE\r\n"
                                   "SFE\r\n";

} // namespace

TEST_F(DocumentCommandsInTheWindow, NewThenSaveWritesTheFiveLinesAndShowsTheFileReadBack)
{
    click("btnNovy");
    stamp(QDate(2026, 12, 7), QTime(15, 12, 3), 0);
    const QString path = dir.filePath("new.txt");
    prompts.saveAnswer = path;
    click("btnUloz");
    ASSERT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
    EXPECT_EQ(TestFiles::read(path), newDocumentFile);
    ASSERT_EQ(form->document().entries().count(), 2);
    EXPECT_EQ(form->document().entries().at(0).cell(Entry::Number), "  xx ");
    EXPECT_EQ(form->document().entries().at(0).cell(Entry::Hex), "     1     0 0 ");
    EXPECT_EQ(form->document().entries().at(1).cell(Entry::CharNumber), QByteArray(1, '\0'));
    EXPECT_TRUE(form->document().listSaved());
    EXPECT_TRUE(enabled("btnPosli"));
    EXPECT_TRUE(enabled("btnNovy")); // enabled after a save although the list has entries
    EXPECT_EQ(form->document().openDialogFileName(), path);
    EXPECT_EQ(form->document().saveDialogFileName(), path);
    EXPECT_TRUE(form->windowTitle().startsWith("Windows Orba (..."));
    EXPECT_TRUE(form->windowTitle().endsWith("new.txt)"));

    // Changing the version disables New and Send until the next save.
    child<QSpinBox>("SpinVerze")->setValue(4);
    EXPECT_FALSE(enabled("btnNovy"));
    EXPECT_FALSE(enabled("btnPosli"));
    click("btnUloz");
    EXPECT_TRUE(enabled("btnNovy"));
    EXPECT_TRUE(enabled("btnPosli"));
    EXPECT_TRUE(TestFiles::read(path).contains("     1     4 0\r\n"));
}

TEST_F(DocumentCommandsInTheWindow, LoadShowsTheFileAndSelectsItsFirstEntry)
{
    const QString path = dir.filePath("in.txt");
    TestFiles::write(path, newDocumentFile);
    prompts.openAnswer = path;
    click("btnNacti");
    EXPECT_TRUE(prompts.errors.isEmpty());
    EXPECT_EQ(form->document().entries().count(), 2);
    EXPECT_EQ(child<QDateEdit>("DatePicker")->date(), QDate(2026, 12, 7));
    EXPECT_EQ(child<QTimeEdit>("TimePicker")->time(), QTime(15, 12, 3));
    EXPECT_EQ(child<QTableView>("Seznam")->currentIndex().row(), 0);
    EXPECT_TRUE(enabled("btnPosli"));
    EXPECT_EQ(form->document().saveDialogFileName(), path);
}

TEST_F(DocumentCommandsInTheWindow, LoadOfAMissingFileEmptiesTheListAndStillCountsAsSaved)
{
    click("btnNovy");
    const QString path = dir.filePath("missing.txt");
    prompts.openAnswer = path;
    click("btnNacti");
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].startsWith("File \"" + path +
                                             "\" cannot be read: the file or its folder does not exist (error 2)"))
        << prompts.errors[0].toStdString();
    EXPECT_EQ(form->document().entries().count(), 0);
    EXPECT_TRUE(form->document().listSaved());
    EXPECT_TRUE(form->windowTitle().endsWith("missing.txt)"));
}

TEST_F(DocumentCommandsInTheWindow, CancelledDialogsChangeNothing)
{
    click("btnNovy");
    const QString title = form->windowTitle();
    click("btnNacti");
    click("btnUloz");
    EXPECT_EQ(form->document().entries().count(), 2);
    EXPECT_FALSE(form->document().listSaved());
    EXPECT_EQ(form->windowTitle(), title);
}

TEST_F(DocumentCommandsInTheWindow, AFailedSaveKeepsTheOldFileAndTheList)
{
    const QString path = dir.filePath("keep.txt");
    TestFiles::write(path, "old content");
    click("btnNovy");
    form->document().entries().setCell(1, Entry::NameOffset, "x"); // an offset that is no number
    prompts.saveAnswer = path;
    click("btnUloz");
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(prompts.errors[0], "'x' is not a valid integer value");
    EXPECT_EQ(TestFiles::read(path), "old content");
    EXPECT_FALSE(form->document().listSaved());
    EXPECT_EQ(form->document().openDialogFileName(), QString()); // a failed save names no file
}

TEST_F(DocumentCommandsInTheWindow, TheHeaderControlsShowTheDocumentAndHandBackTheOperatorsChanges)
{
    child<QDateEdit>("DatePicker")->setDate(QDate(2025, 1, 2));
    child<QTimeEdit>("TimePicker")->setTime(QTime(3, 4, 5));
    child<QSpinBox>("SpinVerze")->setValue(12);
    EXPECT_EQ(form->document().createdDate(), QDate(2025, 1, 2));
    EXPECT_EQ(form->document().createdTime(), QTime(3, 4, 5));
    EXPECT_EQ(form->document().version(), 12);

    EXPECT_TRUE(form->document().hasUnsavedEdits());

    // A load puts the file's values in the controls, and they are no edits.
    const QString path = dir.filePath("in.txt");
    TestFiles::write(path, newDocumentFile);
    prompts.openAnswer = path;
    click("btnNacti");
    EXPECT_EQ(child<QDateEdit>("DatePicker")->date(), QDate(2026, 12, 7));
    EXPECT_EQ(child<QTimeEdit>("TimePicker")->time(), QTime(15, 12, 3));
    EXPECT_EQ(child<QSpinBox>("SpinVerze")->value(), 0);
    EXPECT_FALSE(form->document().hasUnsavedEdits());
}

TEST_F(DocumentCommandsInTheWindow, ASaveThatWouldNotReadBackKeepsTheFileAndTheList)
{
    const QString path = dir.filePath("device.txt");
    const QByteArray file = "SFA $07.12.26 15:12:03$\r\n"
                            "SDK   1   1 \\one\\     1     0 0\r\nSDW     0  1 C01\r\nSDE\r\n"
                            "SDK   1   2 \\two\\     1     0 0\r\nSDW   BCDEF0\r\nSDE\r\n"
                            "SDK   1   3 \\six\\     1     0 0\r\nSDW     0  1 C06\r\nSDE\r\nSFE\r\n";
    TestFiles::write(path, file);
    prompts.openAnswer = path;
    click("btnNacti");
    ASSERT_EQ(form->document().entries().count(), 6);
    form->document().markNotAFile();
    prompts.saveAnswer = path;
    click("btnUloz");
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].startsWith("Cannot save: row 4 would not read back"))
        << prompts.errors[0].toStdString();
    EXPECT_EQ(TestFiles::read(path), file);
    EXPECT_EQ(form->document().entries().count(), 6);
    EXPECT_FALSE(form->document().listSaved());
}
