#include "ProgramFixture.h"
#include "devsim/DeviceSimulator.h"
#include "link/transfers/TransferSession.h"
#include "support/SampleDeviceFiles.h"

#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// The backup from the list's popup menu against the device simulator.
class BackupWindow : public ProgramFixture
{
protected:
    void begin(int files, int fields, qint64 baud)
    {
        SampleDeviceFiles::fill(deviceFolder.path(), files, fields);
        simulator = std::make_unique<DeviceSimulator>(
            DeviceSimulator::Options{.folder = deviceFolder.path(), .chunkSeed = 3, .maxChunk = 3, .baud = baud});
        ASSERT_EQ(simulator->start(), "");
        writeLanguageFile("[Jazyk]\r\nPoradi=EN\r\nactive=0\r\n[EN]\r\n100=Back up\r\n108=Backup\r\n174=Replace files "
                          "in %1?\r\n[ComPort1]\r\nPort=" +
                          simulator->portPath().toUtf8() + "\r\n");
        start();
        prompts.folderAnswer = backupFolder;
    }
    TransferSession &session() { return *form->findChild<TransferSession *>(); }
    QAction &item() { return *child<QAction>("Zalohovat1"); }
    bool idle() { return child<QWidget>("Progress")->isHidden() && enabled("Panel_Tlacitka"); }
    bool directoryShown()
    {
        return QTest::qWaitFor([&] { return session().directoryShown() && idle(); }, 5000);
    }
    // Opens the popup menu as a right click on the list does and clicks the backup item.
    void chooseBackupFromThePopup()
    {
        QWidget *list = child<QTableView>("Seznam")->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), list->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(list, &event);
        auto *menu = child<QMenu>("PopupMenu1");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(&item()).center());
    }
    QStringList stored() { return QDir(backupFolder).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir deviceFolder;
    QString backupFolder = dir.filePath("backup");
    std::unique_ptr<DeviceSimulator> simulator;
};

} // namespace

TEST_F(BackupWindow, TheItemIsOfferedOnlyWithTheDirectoryShownAndStoresEveryFileInTheFolderChosen)
{
    begin(2, 1, 0);
    EXPECT_EQ(item().text(), "Back up");
    EXPECT_FALSE(item().isEnabled());
    item().trigger();
    EXPECT_EQ(prompts.questions, 0);

    child<QAbstractButton>("cbOnLine")->click();
    ASSERT_TRUE(directoryShown());
    EXPECT_TRUE(item().isEnabled());
    chooseBackupFromThePopup();

    EXPECT_EQ(stored(), QStringList({"001 f01.txt", "002 f02.txt", "directory.txt"}));
    EXPECT_EQ(TestFiles::read(QDir(backupFolder).filePath("002 f02.txt")),
              TestFiles::read(deviceFolder.filePath("f02.txt")));
    EXPECT_TRUE(child<QLabel>("StatusText")->text().startsWith("2 of 2 files stored in "));
    ASSERT_EQ(prompts.informations.size(), 1);
    EXPECT_TRUE(prompts.informations.first().startsWith("Backup: 2 of 2 files stored"))
        << prompts.informations.first().toStdString();
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join('\n').toStdString();
    // The directory stays on the list, and the window takes commands again.
    EXPECT_TRUE(session().directoryShown());
    EXPECT_EQ(form->document().entries().count(), 4);
    EXPECT_TRUE(idle());
    EXPECT_TRUE(item().isEnabled());

    child<QTableView>("Seznam")->selectRow(0);
    child<QAction>("Upravit1")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return session().deviceFileOpen() && idle(); }, 5000));
    EXPECT_FALSE(item().isEnabled());
}

TEST_F(BackupWindow, EscapeStopsTheBackupAtOnceKeepingTheWholeFiles)
{
    begin(4, 30, 4800);
    child<QAbstractButton>("cbOnLine")->click();
    ASSERT_TRUE(directoryShown());
    int reads = 0;
    QObject::connect(simulator.get(), &DeviceSimulator::commandReceived, [&](const QByteArray &command) {
        if (command.startsWith("*KORAX@RD") && ++reads == 2)
            QTimer::singleShot(50, form.get(), [&] { QTest::keyClick(form->windowHandle(), Qt::Key_Escape); });
    });
    chooseBackupFromThePopup();

    EXPECT_EQ(stored(), QStringList({"001 f01.txt", "directory.txt"}));
    EXPECT_FALSE(child<QAbstractButton>("cbOnLine")->isChecked());
    ASSERT_EQ(prompts.informations.size(), 1);
    EXPECT_TRUE(prompts.informations.first().contains("1 of 4 files stored"))
        << prompts.informations.first().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return simulator->received().endsWith("*KORAX@EW$!*KORAX@BREAK$!"); }, 2000));
}

TEST_F(BackupWindow, AFolderThatHoldsFilesIsAskedAboutAndNoLeavesItAsItIs)
{
    begin(2, 1, 0);
    QDir().mkpath(backupFolder);
    TestFiles::write(QDir(backupFolder).filePath("directory.txt"), "the operator's own");
    child<QAbstractButton>("cbOnLine")->click();
    ASSERT_TRUE(directoryShown());
    const QByteArray wireBefore = simulator->received();
    prompts.yesNoAnswer = false;
    chooseBackupFromThePopup();
    ASSERT_EQ(prompts.yesNoQuestions.size(), 1);
    EXPECT_TRUE(prompts.yesNoQuestions.front().contains(backupFolder)) << prompts.yesNoQuestions.front().toStdString();
    EXPECT_EQ(stored(), QStringList{"directory.txt"});
    EXPECT_EQ(TestFiles::read(QDir(backupFolder).filePath("directory.txt")), "the operator's own");
    EXPECT_EQ(simulator->received(), wireBefore);

    prompts.yesNoAnswer = true;
    chooseBackupFromThePopup();
    EXPECT_EQ(stored(), QStringList({"001 f01.txt", "002 f02.txt", "directory.txt"}));
}
