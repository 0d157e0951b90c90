#include "ProgramFixture.h"

#include "link/port/TComPort.h"
#include <QAbstractButton>

#include <QCheckBox>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

const QByteArray deviceFile = "SFA $07.12.26 15:12:03$\r\n"
                              "SDK   1   1 \\one\\     1     0 0\r\nSDW     0  1 C01\r\nSDW     1  1 C02\r\nSDE\r\n"
                              "SFE\r\n";
const QByteArray otherFile = "SFA $07.12.26 15:12:03$\r\nSDK   1   9 \\other\\     1     0 0\r\nSDE\r\nSFE\r\n";

// A file loaded and one of its fields deleted with the Delete key: an edit not yet saved.
class UnsavedEditsInTheWindow : public ProgramFixture
{
protected:
    void SetUp() override
    {
        writeLanguageFile("[Jazyk]\r\nPoradi=EN\r\nactive=0\r\n[EN]\r\n171=Save the changes to %1?\r\n"
                          "172=Save the changes?\r\n");
        start();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        path = dir.filePath("in.txt");
        TestFiles::write(path, deviceFile);
        TestFiles::write(dir.filePath("other.txt"), otherFile);
        prompts.openAnswer = path;
        click("btnNacti");
        auto *list = child<QTableView>("Seznam");
        list->setFocus();
        list->selectRow(2);
        QTest::keyClick(form->windowHandle(), Qt::Key_Delete);
        QApplication::processEvents();
        ASSERT_EQ(count(), 2);
        ASSERT_TRUE(form->windowTitle().endsWith("in.txt*)")) << form->windowTitle().toStdString();
        prompts.proposedNames.clear();
    }
    void click(const char *name) { child<QAbstractButton>(name)->click(); }
    int count() const { return form->document().entries().count(); }
    // The edited list, still on screen and unsaved, and nothing else asked.
    void expectEditKept()
    {
        EXPECT_EQ(count(), 2);
        EXPECT_TRUE(form->document().hasUnsavedEdits());
        EXPECT_EQ(TestFiles::read(path), deviceFile);
        EXPECT_TRUE(prompts.proposedNames.isEmpty()) << prompts.proposedNames.join("\n").toStdString();
    }

    QString path;
};

} // namespace

TEST_F(UnsavedEditsInTheWindow, ExitAsksAndCancelKeepsTheWindowAndTheEdit)
{
    prompts.saveChoice = SaveChoice::Cancel;
    click("btnKonec");
    form->close(); // the window's close button or Alt+F4
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(prompts.saveQuestions, (QStringList{"Save the changes to in.txt?", "Save the changes to in.txt?"}));
    expectEditKept();
}

TEST_F(UnsavedEditsInTheWindow, ExitAnsweredDiscardClosesAndLeavesTheFileAsItWas)
{
    prompts.saveChoice = SaveChoice::Discard;
    click("btnKonec");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(TestFiles::read(path), deviceFile);
}

TEST_F(UnsavedEditsInTheWindow, ExitAnsweredSaveWritesTheEditThenCloses)
{
    prompts.saveChoice = SaveChoice::Save;
    prompts.saveAnswer = path;
    click("btnKonec");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(prompts.proposedNames, QStringList{path});
    EXPECT_FALSE(TestFiles::read(path).contains("C02"));
    EXPECT_TRUE(TestFiles::read(path).contains("C01"));
}

TEST_F(UnsavedEditsInTheWindow, ASaveThatIsCancelledOrRefusedKeepsTheWindowOpen)
{
    prompts.saveChoice = SaveChoice::Save;
    click("btnKonec"); // no file chosen in the save dialog
    EXPECT_TRUE(form->isVisible());
    prompts.saveAnswer = dir.path(); // a folder cannot be written
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(count(), 2);
    EXPECT_TRUE(form->document().hasUnsavedEdits());
}

TEST_F(UnsavedEditsInTheWindow, LoadReceiveAndOnLineAnsweredCancelChangeNothing)
{
    prompts.saveChoice = SaveChoice::Cancel;
    prompts.openAnswer = dir.filePath("other.txt");
    for (const char *command : {"btnNacti", "btnPrijmi", "cbOnLine"})
        click(command);
    EXPECT_EQ(prompts.saveQuestions.size(), 3);
    EXPECT_FALSE(child<QCheckBox>("cbOnLine")->isChecked());
    EXPECT_FALSE(form->port().Connected());
    expectEditKept();
}

TEST_F(UnsavedEditsInTheWindow, LoadAnsweredDiscardLoadsAndAnsweredSaveSavesFirst)
{
    prompts.saveChoice = SaveChoice::Discard;
    prompts.openAnswer = dir.filePath("other.txt");
    click("btnNacti");
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(TestFiles::read(path), deviceFile);

    prompts.openAnswer = path;
    click("btnNacti");
    QTest::keyClick(form->windowHandle(), Qt::Key_Delete); // the record this time
    QApplication::processEvents();
    ASSERT_EQ(count(), 0);
    // New is offered for the emptied list, and asks too.
    prompts.saveChoice = SaveChoice::Cancel;
    click("btnNovy");
    EXPECT_EQ(count(), 0);
    prompts.saveChoice = SaveChoice::Save;
    prompts.saveAnswer = dir.filePath("saved.txt");
    prompts.openAnswer = dir.filePath("other.txt");
    click("btnNacti");
    EXPECT_EQ(count(), 1);
    EXPECT_TRUE(QFile::exists(dir.filePath("saved.txt")));
    EXPECT_EQ(prompts.saveQuestions.size(), 3);
}

TEST_F(UnsavedEditsInTheWindow, UndoingBackToTheFileAsksNothing)
{
    QTest::keyClick(form->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    QApplication::processEvents();
    ASSERT_FALSE(form->document().hasUnsavedEdits());
    EXPECT_FALSE(form->windowTitle().contains('*'));
    prompts.openAnswer = dir.filePath("other.txt");
    click("btnNacti");
    EXPECT_TRUE(prompts.saveQuestions.isEmpty());
    EXPECT_EQ(count(), 1);
}
