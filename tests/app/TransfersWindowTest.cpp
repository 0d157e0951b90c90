#include "ProgramFixture.h"
#include "link/port/TComPort.h"
#include "link/transfers/TransferSession.h"
#include "support/PseudoTerminal.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// The device's directory: a device data file whose records are its files; the
// first record's name holds the letters "SFE", which must not end the file.
const QByteArray Directory = "SFA $07.12.26 15:12:03$\r\n"
                             "SDK   1   1 \\USFEK\\     1     0 0\r\n"
                             "SDW     0  1 C00\r\n"
                             "SDE\r\n"
                             "SDK   1   5 \\DRUHY\\     1     0 0\r\n"
                             "SDW     0  1 C00\r\n"
                             "SDE\r\n"
                             "SFE\r\n";

// One device file as the device sends it.
const QByteArray DeviceFile = "SFA $07.12.26 15:12:03$\r\n"
                              "SDK   1   5 \\DRUHY\\     1     0 0\r\n"
                              "SDW     0  1 C41\r\n"
                              "SDE\r\n"
                              "SFE\r\n";

class Transfers : public ProgramFixture
{
protected:
    void SetUp() override
    {
        writeLanguageFile("[Jazyk]\r\nPoradi=CZ\r\nactive=0\r\n"
                          "[CZ]\r\n11=Zapisuji\r\n50=Chyba linky\r\n51=Parita\r\n52=Preruseni\r\n53=Ramec\r\n"
                          "61=Soubor %1 mozna chybi, je v %2\r\n62=Zapsano %1, %2 radku\r\n63=Ticho %1 s.\r\n64=Kabel, "
                          "port %1.\r\n65=Zrusit.\r\n"
                          "66=Co prislo, je v %1\r\n67=Smazat %1 (%2)?\r\n68=%1 bez dat\r\n"
                          "[ComPort1]\r\nPort=" +
                          device.slavePath().toUtf8() + "\r\n");
        start();
        form->show();
        QApplication::setActiveWindow(form.get());
        child<QWidget>("Seznam")->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    TransferSession &session() { return *form->findChild<TransferSession *>(); }
    TComPort &port() { return form->port(); }
    bool panelShown() { return !child<QWidget>("Progress")->isHidden(); }
    bool windowUsable() { return enabled("Panel_Tlacitka") && !panelShown(); }
    void click(const char *button) { QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton); }
    void clickOnLine() { QTest::mouseClick(child<QCheckBox>("cbOnLine"), Qt::LeftButton, {}, QPoint(5, 5)); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    void pressEscape() { QTest::keyClick(form->windowHandle(), Qt::Key_Escape); }
    void pressCtrlU() { QTest::keyClick(form->windowHandle(), Qt::Key_U, Qt::ControlModifier); }
    void selectRow(int row) { child<QTableView>("Seznam")->selectRow(row); }
    void doubleClickRow(int row)
    {
        auto *list = child<QTableView>("Seznam");
        const QPoint at = list->visualRect(list->model()->index(row, 1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    // The bytes the program wrote, exactly these and nothing more.
    void expectWire(const QByteArray &bytes) { EXPECT_EQ(device.receive(bytes.size()), bytes); }
    void expectQuietWire() { EXPECT_EQ(device.receive(1, 50), QByteArray()); }
    // The device sends, and the receiver has taken all of it (or the port has closed).
    void deviceSends(const QByteArray &bytes)
    {
        if (!counting) {
            QObject::connect(&port(), &TCustomComPort::OnRxChar, form.get(),
                             [this](QObject *, int count) { delivered += count; });
            counting = true;
        }
        sent += bytes.size();
        device.send(bytes);
        ASSERT_TRUE(QTest::qWaitFor([&] { return delivered >= sent || !port().Connected(); }, 2000));
    }
    bool waitFor(const std::function<bool()> &condition) { return QTest::qWaitFor(condition, 2000); }
    bool deviceFileOpen() { return session().deviceFileOpen(); }
    void pressOnList(Qt::Key key)
    {
        auto *list = child<QTableView>("Seznam");
        list->setFocus();
        QTest::keyClick(list, key);
        QCoreApplication::processEvents();
    }
    QByteArray cell(int row, int column) { return form->document().entries().at(row).cell(column); }

    // On Line with the directory on screen.
    void enterOnLine()
    {
        clickOnLine();
        expectWire("*KORAX@DSTRANS$!");
        deviceSends("STRANS$!");
        expectWire("*KORAX@DIR$!");
        deviceSends(Directory);
        ASSERT_TRUE(waitFor([&] { return session().directoryShown(); }));
    }
    // With a device file open from the directory's second row.
    void openDeviceFile()
    {
        enterOnLine();
        selectRow(2);
        trigger("Upravit1");
        expectWire("*KORAX@RD001%005$!");
        deviceSends(DeviceFile);
        ASSERT_TRUE(waitFor([&] { return deviceFileOpen() && !panelShown(); }));
    }
    // The memo and percentage as they stand when the port starts closing
    // (the after-close handler clears the memo).
    void watchTheEndOfTheUpload()
    {
        QObject::connect(&port(), &TCustomComPort::OnBeforeClose, form.get(), [this] {
            memoAtClose = child<QPlainTextEdit>("Memo1")->toPlainText();
            percentAtClose = child<QLabel>("Procenta")->text();
        });
    }
    QString writeFile(const QByteArray &bytes)
    {
        const QString path = dir.filePath("sent.txt");
        TestFiles::write(path, bytes);
        return path;
    }
    void loadFile(const QString &path)
    {
        prompts.openAnswer = path;
        click("btnNacti");
        ASSERT_TRUE(enabled("btnPosli"));
    }

    PseudoTerminal device;
    bool counting = false;
    qint64 sent = 0;
    qint64 delivered = 0;
    QString memoAtClose;
    QString percentAtClose;
};

} // namespace

TEST_F(Transfers, TheWholeOnLineRoadWithTheExactBytesOnTheWire)
{
    clickOnLine();
    expectWire("*KORAX@DSTRANS$!");
    EXPECT_TRUE(panelShown());
    EXPECT_FALSE(enabled("Panel_Tlacitka"));
    deviceSends("STRANS$!");
    expectWire("*KORAX@DIR$!");
    deviceSends(Directory);
    ASSERT_TRUE(waitFor([&] { return session().directoryShown(); }));
    EXPECT_EQ(TestFiles::read(session().transferFile()), Directory);
    EXPECT_EQ(form->document().entries().count(), 4);
    EXPECT_TRUE(windowUsable());
    EXPECT_TRUE(port().Connected());

    doubleClickRow(2);
    expectWire("*KORAX@RD001%005$!");
    EXPECT_TRUE(panelShown());
    deviceSends(DeviceFile);
    ASSERT_TRUE(waitFor([&] { return !panelShown(); }));
    EXPECT_TRUE(deviceFileOpen());
    EXPECT_EQ(form->document().entries().count(), 2);
    EXPECT_EQ(cell(1, 2), "$41");

    click("btnZpet");
    expectWire("*KORAX@EW$!*KORAX@DSTRANS$!");
    EXPECT_FALSE(deviceFileOpen());
    deviceSends("STRANS$!");
    expectWire("*KORAX@DIR$!");
    deviceSends(Directory);
    ASSERT_TRUE(waitFor([&] { return session().directoryShown(); }));
    EXPECT_EQ(form->document().entries().count(), 4);

    selectRow(0);
    trigger("Smazat1");
    expectWire("*KORAX@DEL001%001$!");
    EXPECT_EQ(prompts.yesNoQuestions, QStringList{"Smazat 001 (USFEK)?"});
    EXPECT_EQ(form->document().entries().count(), 3);
    EXPECT_EQ(cell(0, 0), "");

    clickOnLine();
    expectWire("*KORAX@EW$!*KORAX@BREAK$!");
    EXPECT_FALSE(port().Connected());
    EXPECT_TRUE(windowUsable());
    EXPECT_TRUE(form->document().entries().isEmpty());
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

// A file deleted on the device cannot be brought back: answered No, the
// question leaves the device and the directory as they were.
TEST_F(Transfers, ADeviceDeleteAnsweredNoSendsNothing)
{
    enterOnLine();
    prompts.yesNoAnswer = false;
    selectRow(2);
    trigger("Smazat1");
    pressOnList(Qt::Key_Delete);
    expectQuietWire();
    EXPECT_EQ(prompts.yesNoQuestions, QStringList({"Smazat 005 (DRUHY)?", "Smazat 005 (DRUHY)?"}));
    EXPECT_EQ(form->document().entries().count(), 4);
    EXPECT_TRUE(session().directoryShown());

    prompts.yesNoAnswer = true;
    pressOnList(Qt::Key_Delete);
    expectWire("*KORAX@DEL001%005$!");
    EXPECT_EQ(form->document().entries().count(), 3);
}

// Off-line, deleting entries changes only the list on screen: nothing is asked.
TEST_F(Transfers, ALocalDeleteAsksNothing)
{
    loadFile(writeFile(Directory));
    selectRow(2);
    pressOnList(Qt::Key_Delete);
    EXPECT_EQ(form->document().entries().count(), 2);
    EXPECT_TRUE(prompts.yesNoQuestions.isEmpty());
}

TEST_F(Transfers, SendsAFileLineByLineAndLogsEachLine)
{
    const QByteArray file = "SFA $07.12.26 15:12:03$\r\nSDK   1   1 \\A\\     1     0 0\r\nSFE\r\n";
    loadFile(writeFile(file));
    watchTheEndOfTheUpload();
    click("btnPosli");
    expectWire(file);
    EXPECT_EQ(memoAtClose, "SFA $07.12.26 15:12:03$\nSDK   1   1 \\A\\     1     0 0\nSFE");
    EXPECT_EQ(percentAtClose, "100 %");
    EXPECT_FALSE(port().Connected());
    EXPECT_TRUE(windowUsable());
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

TEST_F(Transfers, SendsALastLineWithoutLineEndCharacterByCharacter)
{
    loadFile(writeFile("SFA $07.12.26 15:12:03$\r\nSFE"));
    watchTheEndOfTheUpload();
    click("btnPosli");
    expectWire("SFA $07.12.26 15:12:03$\r\nSFE");
    EXPECT_EQ(memoAtClose, "SFA $07.12.26 15:12:03$\nS\nF\nE");
}

TEST_F(Transfers, ReceivesOffLineAndOpensTheFileWhenTicked)
{
    const QString target = dir.filePath("received.txt");
    prompts.saveAnswer = target;
    click("btnPrijmi");
    EXPECT_TRUE(panelShown());
    EXPECT_EQ(form->windowTitle().right(13), "received.txt)");
    deviceSends(DeviceFile.first(30));
    deviceSends(DeviceFile.sliced(30));
    ASSERT_TRUE(waitFor([&] { return !port().Connected(); }));
    EXPECT_EQ(TestFiles::read(target), DeviceFile);
    EXPECT_EQ(form->document().entries().count(), 2);
    EXPECT_EQ(form->document().openDialogFileName(), target);
    EXPECT_TRUE(windowUsable());
    EXPECT_TRUE(enabled("btnPosli")); // the received file is on screen as a loaded one
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

// A received list is another list: the edits of the one before cannot be undone on it.
TEST_F(Transfers, AReceivedFileLeavesNothingToUndo)
{
    loadFile(writeFile(DeviceFile));
    selectRow(1);
    trigger("Smazat1");
    ASSERT_TRUE(child<QAction>("UndoItem")->isEnabled());
    prompts.saveAnswer = dir.filePath("received.txt");
    click("btnPrijmi");
    deviceSends(DeviceFile);
    ASSERT_TRUE(waitFor([&] { return !port().Connected(); }));
    ASSERT_EQ(form->document().entries().count(), 2);
    EXPECT_EQ(form->document().undoStack().count(), 0);
    EXPECT_FALSE(child<QAction>("UndoItem")->isEnabled());
    EXPECT_FALSE(form->windowTitle().endsWith("*)"));
}

TEST_F(Transfers, ReceivesOffLineWithoutOpeningWhenNotTicked)
{
    child<QCheckBox>("cbOtevri")->setChecked(false);
    const QString target = dir.filePath("received.txt");
    prompts.saveAnswer = target;
    click("btnPrijmi");
    deviceSends(DeviceFile);
    ASSERT_TRUE(waitFor([&] { return !port().Connected(); }));
    EXPECT_EQ(TestFiles::read(target), DeviceFile);
    EXPECT_TRUE(form->document().entries().isEmpty());
    EXPECT_TRUE(windowUsable());
}

// Send is offered only while the list on screen is the file it uploads.
TEST_F(Transfers, SendIsWithdrawnByNew)
{
    const QString path = writeFile(DeviceFile);
    loadFile(path);
    prompts.saveAnswer = path;
    click("btnUloz");
    ASSERT_TRUE(enabled("btnNovy"));
    click("btnNovy");
    EXPECT_EQ(form->document().entries().count(), 2);
    EXPECT_FALSE(enabled("btnPosli"));
    pressCtrlU();
    expectQuietWire();
}

TEST_F(Transfers, SendIsWithdrawnByACancelledReceive)
{
    loadFile(writeFile(DeviceFile));
    prompts.saveAnswer = dir.filePath("received.txt");
    click("btnPrijmi");
    deviceSends(DeviceFile.first(30));
    click("btnZrus");
    ASSERT_TRUE(waitFor([&] { return !port().Connected() && windowUsable(); }));
    EXPECT_FALSE(enabled("btnPosli"));
    pressCtrlU();
    expectQuietWire();
}

TEST_F(Transfers, SendIsWithdrawnByAReceiveNotOpened)
{
    loadFile(writeFile(DeviceFile));
    QTest::mouseClick(child<QCheckBox>("cbOtevri"), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_FALSE(child<QCheckBox>("cbOtevri")->isChecked());
    prompts.saveAnswer = dir.filePath("received.txt");
    click("btnPrijmi");
    deviceSends(DeviceFile);
    ASSERT_TRUE(waitFor([&] { return !port().Connected() && windowUsable(); }));
    EXPECT_FALSE(enabled("btnPosli"));
}

// A file with no device data in it is told, and the empty list it gives is no file to send.
TEST_F(Transfers, SendIsWithdrawnByALoadThatGaveNoEntries)
{
    loadFile(writeFile(DeviceFile));
    const QString plain = dir.filePath("plain.txt");
    TestFiles::write(plain, "just words\r\nno device data\r\n");
    prompts.openAnswer = plain;
    click("btnNacti");
    EXPECT_EQ(prompts.errors, QStringList{plain + " bez dat"});
    EXPECT_TRUE(form->document().entries().isEmpty());
    EXPECT_FALSE(enabled("btnPosli"));
    pressCtrlU();
    expectQuietWire();
}

// A refused Save names no other file: Send still uploads the file on screen, whose name the title shows.
TEST_F(Transfers, ARefusedSaveLeavesSendWithTheFileOnScreen)
{
    const QByteArray shown = "SFA $07.12.26 15:12:03$\r\n"
                             "SDK   1   1 \\one\\     1     0 0\r\nSDW     0  1 C01\r\nSDE\r\n"
                             "SDK   1   2 \\two\\     1     0 0\r\nSDW   BCDEF0\r\nSDE\r\nSFE\r\n";
    const QString other = dir.filePath("other.txt");
    TestFiles::write(other, DeviceFile);
    loadFile(writeFile(shown));
    prompts.saveAnswer = other;
    click("btnUloz");
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].startsWith("Cannot save")) << prompts.errors[0].toStdString();
    EXPECT_TRUE(form->windowTitle().endsWith("sent.txt)")) << form->windowTitle().toStdString();
    EXPECT_EQ(TestFiles::read(other), DeviceFile);
    ASSERT_TRUE(enabled("btnPosli"));
    click("btnPosli");
    expectWire(shown);
    EXPECT_FALSE(port().Connected());
}

TEST_F(Transfers, TheBarRunsThroughAHundredPerThousandCharactersReceived)
{
    prompts.saveAnswer = dir.filePath("received.txt");
    click("btnPrijmi");
    for (int i = 0; i < 5; ++i)
        deviceSends(QByteArray(499, 'x') + "\n");
    EXPECT_EQ(child<QLabel>("Procenta")->text(), "50 %");
    EXPECT_EQ(child<QProgressBar>("ProgressBar1")->value(), 50);
    EXPECT_TRUE(panelShown());
    EXPECT_TRUE(port().Connected());
}

TEST_F(Transfers, ADirectoryArrivingOneByteAtATime)
{
    clickOnLine();
    expectWire("*KORAX@DSTRANS$!");
    for (const char byte : QByteArray("STRANS$!"))
        deviceSends(QByteArray(1, byte));
    expectWire("*KORAX@DIR$!");
    for (const char byte : Directory)
        deviceSends(QByteArray(1, byte));
    ASSERT_TRUE(session().directoryShown());
    // The file ends with the byte that completes "SFE"; its line end is passed over.
    EXPECT_EQ(TestFiles::read(session().transferFile()), Directory.chopped(2));
    EXPECT_TRUE(session().receiveBuffer().isEmpty());
    EXPECT_EQ(form->document().entries().count(), 4);
}

// A message stands where a line can begin; a command the device repeats is dropped however it is divided.
TEST_F(Transfers, MessagesAreRecognisedWhereALineCanBegin)
{
    clickOnLine();
    expectWire("*KORAX@DSTRANS$!");
    deviceSends("*KORAX@DSTRANS$!"); // the device repeating the command: dropped
    deviceSends("*KORAX@D");
    deviceSends("STRANS$!");
    expectQuietWire();
    deviceSends("STR");
    deviceSends("ANS$!");
    expectWire("*KORAX@DIR$!");
    deviceSends("SOK$!\r\n");
    EXPECT_TRUE(session().receiveBuffer().isEmpty());
    deviceSends("xSOK$!\r\n");
    EXPECT_EQ(session().receiveBuffer().text(), "xSOK$!\r\n");
}

// File text cut before "EL", "STRANS$!" or "SOK$!" inside a line is file text.
TEST_F(Transfers, FileTextCutBeforeTheLettersOfAMessageIsStoredWhole)
{
    enterOnLine();
    selectRow(2);
    trigger("Upravit1");
    expectWire("*KORAX@RD001%005$!");
    const QByteArray file = "SFA $07.12.26 15:12:03$\r\n"
                            "SDK   1   5 \\HELENA STRANS$!\\     1     0 0\r\n"
                            "SDW     0  1 C41\r\n"
                            "SDE\r\n"
                            "SFE\r\n";
    const qsizetype el = file.indexOf("ELENA");
    const qsizetype strans = file.indexOf("STRANS");
    deviceSends(file.first(el));
    deviceSends(file.sliced(el, strans - el));
    deviceSends(file.sliced(strans));
    ASSERT_TRUE(waitFor([&] { return deviceFileOpen() && !panelShown(); }));
    EXPECT_EQ(TestFiles::read(session().transferFile()), file);
    ASSERT_EQ(form->document().entries().count(), 2);
    EXPECT_EQ(cell(0, 1), "HELENA STRANS$!");
    expectQuietWire();
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

// A directory that arrived twice leaves its end in the receive buffer; the
// file asked for next is read from an empty buffer all the same.
TEST_F(Transfers, OpeningARowStartsWithAnEmptyReceiveBuffer)
{
    enterOnLine();
    deviceSends(Directory);
    selectRow(2);
    trigger("Upravit1");
    expectWire("*KORAX@RD001%005$!");
    deviceSends(DeviceFile.first(10));
    EXPECT_TRUE(panelShown());
    deviceSends(DeviceFile.sliced(10));
    ASSERT_TRUE(waitFor([&] { return deviceFileOpen() && !panelShown(); }));
    EXPECT_EQ(TestFiles::read(session().transferFile()), DeviceFile);
    ASSERT_EQ(form->document().entries().count(), 2);
    EXPECT_EQ(cell(1, 2), "$41");
    EXPECT_TRUE(session().receiveBuffer().isEmpty());
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

TEST_F(Transfers, ALineErrorWhileADeviceFileIsReadLeavesTheDirectoryWithoutSave)
{
    enterOnLine();
    selectRow(2);
    trigger("Upravit1");
    expectWire("*KORAX@RD001%005$!");
    deviceSends(DeviceFile.first(20));
    form->ComPort1Error(ceFrame);
    ASSERT_TRUE(waitFor([&] { return !port().Connected(); }));
    EXPECT_FALSE(deviceFileOpen());
    EXPECT_TRUE(session().directoryShown());
    EXPECT_EQ(form->document().entries().count(), 4);
    EXPECT_TRUE(windowUsable());
    EXPECT_FALSE(enabled("btnUloz"));
    QTest::keyClick(form->windowHandle(), Qt::Key_S, Qt::ControlModifier);
    QCoreApplication::processEvents();
    expectQuietWire();
}

TEST_F(Transfers, APortThatCannotOpenForADeviceFileLeavesTheDirectoryWithoutSave)
{
    enterOnLine();
    form->ComPort1Error(ceFrame);
    ASSERT_TRUE(waitFor([&] { return !port().Connected(); }));
    prompts.errors.clear();
    port().SetPort(dir.filePath("no-such-tty"));
    selectRow(2);
    trigger("Upravit1");
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_FALSE(deviceFileOpen());
    EXPECT_TRUE(session().directoryShown());
    EXPECT_EQ(form->document().entries().count(), 4);
    EXPECT_TRUE(windowUsable());
    EXPECT_FALSE(enabled("btnUloz"));
    EXPECT_TRUE(child<QCheckBox>("cbOnLine")->isChecked());
}

// Until the directory has come, the list is no directory: its keys send nothing.
TEST_F(Transfers, AfterBackTheListsKeysWaitForTheDirectory)
{
    openDeviceFile();
    click("btnZpet");
    expectWire("*KORAX@EW$!*KORAX@DSTRANS$!");
    selectRow(0);
    pressOnList(Qt::Key_Delete);
    pressOnList(Qt::Key_Return);
    expectQuietWire();
    deviceSends("STRANS$!");
    expectWire("*KORAX@DIR$!");
    deviceSends(Directory);
    ASSERT_TRUE(waitFor([&] { return session().directoryShown() && windowUsable(); }));
    EXPECT_EQ(form->document().entries().count(), 4);
    EXPECT_TRUE(prompts.modalDialogs.isEmpty());
}

// While a device file arrives, Enter opens no edit dialog whose answer would land in the new list.
TEST_F(Transfers, NoEditReachesADeviceFileThatArrivesMeanwhile)
{
    enterOnLine();
    bool sentDuringDialog = false;
    prompts.modalOperator = [&](QDialog &dialog) {
        deviceSends(DeviceFile);
        sentDuringDialog = true;
        dialog.accept();
    };
    selectRow(0);
    trigger("Upravit1");
    expectWire("*KORAX@RD001%001$!");
    pressOnList(Qt::Key_Return);
    if (!sentDuringDialog)
        deviceSends(DeviceFile);
    ASSERT_TRUE(waitFor([&] { return deviceFileOpen() && !panelShown(); }));
    EXPECT_TRUE(prompts.modalDialogs.isEmpty());
    EXPECT_EQ(cell(0, 1), "DRUHY");
}

// The port is in use from the delete to the end of the upload: nothing else reaches the device.
TEST_F(Transfers, TheWindowIsBusyWhileADeviceFileIsWrittenBack)
{
    openDeviceFile();
    click("btnUloz");
    expectWire("*KORAX@DEL001%005$!*KORAX@DSDOWN$!");
    EXPECT_FALSE(enabled("Panel_Tlacitka"));
    EXPECT_FALSE(enabled("btnZpet"));
    EXPECT_FALSE(enabled("btnKonec"));
    EXPECT_TRUE(panelShown());
    selectRow(0);
    pressOnList(Qt::Key_Delete);
    pressOnList(Qt::Key_Return);
    form->close();
    QCoreApplication::processEvents();
    expectQuietWire();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->document().entries().count(), 2);

    deviceSends("SDOWN$!");
    ASSERT_TRUE(waitFor([&] { return !form->isVisible(); }));
    const QByteArray wire = device.receive(4096, 200);
    EXPECT_TRUE(wire.startsWith("SFA ")) << wire.toStdString();
    EXPECT_TRUE(wire.endsWith("SFE\r\n*KORAX@EW$!")) << wire.toStdString();
}

// Composed and read back in memory first: a row that would not survive stops it before the device deletes its copy.
TEST_F(Transfers, AWriteBackThatWouldNotReadBackIsRefusedBeforeTheDeviceIsTold)
{
    openDeviceFile();
    form->document().entries().setCell(1, 1, "1C");
    click("btnUloz");
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].contains("row 2")) << prompts.errors[0].toStdString();
    expectQuietWire();
    EXPECT_TRUE(deviceFileOpen());
    EXPECT_TRUE(windowUsable());
    EXPECT_FALSE(QFile::exists(dir.filePath("writeback-005.txt")));
}

TEST_F(Transfers, AnEditedDeviceFileIsWrittenBackWhenTheDeviceAsksForIt)
{
    openDeviceFile();
    form->document().entries().setCell(1, 2, "$42");
    form->UpdateControls(true);
    ASSERT_TRUE(enabled("btnUloz"));
    click("btnUloz");
    expectWire("*KORAX@DEL001%005$!*KORAX@DSDOWN$!");
    const QByteArray written = TestFiles::read(dir.filePath("writeback-005.txt"));
    EXPECT_TRUE(written.contains("SDX     0  1 C42\r\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("\r\nSPR H")) << written.toStdString();

    // The device asks for the file and sends the start of its acknowledgement with it.
    deviceSends("SDOWN$!SOK");
    expectWire(written);
    EXPECT_FALSE(port().Connected());
    EXPECT_TRUE(session().receiveBuffer().isEmpty());
    EXPECT_TRUE(child<QCheckBox>("cbOnLine")->isChecked());
    EXPECT_TRUE(windowUsable());
    EXPECT_TRUE(enabled("btnZpet"));
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

// The device deleted its copy and never asks for the file: at the limit the edit is kept and the operator told.
TEST_F(Transfers, AWriteBackTheDeviceDoesNotAskForEndsAtItsLimit)
{
    session().setLimits({.writeBackAnswerMs = 1});
    openDeviceFile();
    form->document().entries().setCell(1, 2, "$42");
    click("btnUloz");
    expectWire("*KORAX@DEL001%005$!*KORAX@DSDOWN$!");
    ASSERT_TRUE(waitFor([&] { return !prompts.errors.isEmpty() && windowUsable(); }));
    const QString kept = dir.filePath("writeback-005.txt");
    EXPECT_EQ(prompts.errors, QStringList({"Soubor 005 mozna chybi, je v " + kept}));
    EXPECT_TRUE(TestFiles::read(kept).contains("SDX     0  1 C42\r\n"));
    EXPECT_FALSE(port().Connected());
    EXPECT_TRUE(deviceFileOpen());
    EXPECT_EQ(cell(1, 2), "$42");
    EXPECT_TRUE(enabled("btnUloz"));
    // A device that asks too late gets nothing.
    deviceSends("SDOWN$!");
    expectQuietWire();
}

// Leaving On Line mode waits for the file to have gone to the device: the box
// takes neither a click nor an assistive tool's toggle meanwhile, and leaves
// On Line mode once the write-back has ended.
TEST_F(Transfers, UntickingOnLineDuringAWriteBackWaitsForItsEnd)
{
    openDeviceFile();
    click("btnUloz");
    expectWire("*KORAX@DEL001%005$!*KORAX@DSDOWN$!");
    auto *onLine = child<QCheckBox>("cbOnLine");
    EXPECT_FALSE(onLine->isEnabled());
    clickOnLine();
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(onLine);
    ASSERT_TRUE(box && box->actionInterface());
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(onLine->isChecked());
    expectQuietWire();

    deviceSends("SDOWN$!");
    expectWire(TestFiles::read(dir.filePath("writeback-005.txt")));
    ASSERT_TRUE(waitFor([&] { return windowUsable(); }));
    EXPECT_TRUE(onLine->isChecked());
    EXPECT_EQ(child<QLabel>("StatusText")->text(), "Zapsano 005, 8 radku");
    clickOnLine();
    expectWire("*KORAX@EW$!*KORAX@BREAK$!");
    EXPECT_FALSE(onLine->isChecked());
    EXPECT_FALSE(port().Connected());
    EXPECT_TRUE(windowUsable());
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

TEST_F(Transfers, AnAssistiveToolsToggleOfOnLineSwitchesAsAClickDoes)
{
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(child<QCheckBox>("cbOnLine"));
    ASSERT_TRUE(box && box->actionInterface());
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    expectWire("*KORAX@DSTRANS$!");
    deviceSends("STRANS$!");
    expectWire("*KORAX@DIR$!");
    deviceSends(Directory);
    ASSERT_TRUE(waitFor([&] { return session().directoryShown(); }));
    EXPECT_EQ(form->document().entries().count(), 4);

    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    expectWire("*KORAX@EW$!*KORAX@BREAK$!");
    EXPECT_FALSE(port().Connected());
    EXPECT_TRUE(form->document().entries().isEmpty());
    EXPECT_TRUE(windowUsable());
}

TEST_F(Transfers, TheDeleteKeyInAnOpenDeviceFileDeletesNoFileOfTheDevice)
{
    openDeviceFile();
    auto *list = child<QTableView>("Seznam");
    list->setFocus();
    selectRow(0);
    QTest::keyClick(list, Qt::Key_Delete);
    QCoreApplication::processEvents();
    expectQuietWire();
    EXPECT_EQ(form->document().entries().count(), 2);
    EXPECT_TRUE(deviceFileOpen());
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

TEST_F(Transfers, ATickThatCannotOpenThePortIsTakenBack)
{
    port().SetPort(dir.filePath("no-such-tty"));
    clickOnLine();
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].startsWith("Unable to open com port (win error code: 2)"));
    EXPECT_FALSE(child<QCheckBox>("cbOnLine")->isChecked());
    EXPECT_TRUE(windowUsable());
}

TEST_F(Transfers, LineErrorsShowTheirTextsAndCloseThePortATickLater)
{
    enterOnLine();
    form->ComPort1Error(ceRxParity | ceFrame | ceOverrun);
    EXPECT_EQ(prompts.errors, QStringList({"Chyba linky: Parita", "Chyba linky: Ramec"}));
    ASSERT_TRUE(waitFor([&] { return !port().Connected(); }));
    EXPECT_TRUE(windowUsable());
    EXPECT_TRUE(child<QCheckBox>("cbOnLine")->isChecked());
}

TEST_F(Transfers, AHangUpWhileReceivingIsOneMessageAndTheWindowComesBack)
{
    prompts.saveAnswer = dir.filePath("received.txt");
    click("btnPrijmi");
    deviceSends(DeviceFile.first(20));
    device.closeMaster();
    ASSERT_TRUE(waitFor([&] { return !port().Connected(); }));
    QTest::qWait(50);
    const QString part = dir.filePath("received.txt.part");
    EXPECT_EQ(prompts.errors,
              QStringList({"Chyba linky: ReadFile function failed (win error code: 5)\nCo prislo, je v " + part}));
    EXPECT_TRUE(windowUsable());
    EXPECT_FALSE(QFile::exists(dir.filePath("received.txt")));
    EXPECT_EQ(TestFiles::read(part), DeviceFile.first(20));
}

// On Line what arrived goes beside the transfer file, and the directory stays on the list.
TEST_F(Transfers, AHangUpWhileADeviceFileIsReadKeepsWhatArrivedBesideTheTransferFile)
{
    enterOnLine();
    selectRow(2);
    trigger("Upravit1");
    expectWire("*KORAX@RD001%005$!");
    deviceSends(DeviceFile.first(30));
    device.closeMaster();
    ASSERT_TRUE(waitFor([&] { return !port().Connected() && windowUsable(); }));
    const QString part = session().transferFile() + ".part";
    EXPECT_EQ(TestFiles::read(part), DeviceFile.first(30));
    EXPECT_EQ(TestFiles::read(session().transferFile()), Directory);
    EXPECT_EQ(prompts.errors,
              QStringList({"Chyba linky: ReadFile function failed (win error code: 5)\nCo prislo, je v " + part}));
    EXPECT_TRUE(session().directoryShown());
    EXPECT_EQ(form->document().entries().count(), 4);
}

// A line error that has no text of its own still tells where the part went; a reception with nothing yet keeps nothing.
TEST_F(Transfers, ALineErrorWithoutATextOfItsOwnNamesThePartInABoxOfItsOwn)
{
    prompts.saveAnswer = dir.filePath("received.txt");
    click("btnPrijmi");
    form->ComPort1Error(ceOverrun);
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
    ASSERT_TRUE(waitFor([&] { return !port().Connected(); }));

    click("btnPrijmi");
    deviceSends("SFA $07.12.26 15:12:03$\r\nSD");
    form->ComPort1Error(ceOverrun);
    const QString part = dir.filePath("received.txt.part");
    EXPECT_EQ(prompts.errors, QStringList({"Chyba linky: Co prislo, je v " + part}));
    EXPECT_EQ(TestFiles::read(part), "SFA $07.12.26 15:12:03$\r\nSD");
}

// After the limit with no byte from the device, the panel says what to check; Cancel ends the wait.
TEST_F(Transfers, ASilentDeviceIsToldOnThePanelUntilCancel)
{
    session().setLimits({.silenceMs = 1});
    clickOnLine();
    expectWire("*KORAX@DSTRANS$!");
    const QString told = "Ticho 0.001 s. Kabel, port " + port().Port() + ". Zrusit.";
    ASSERT_TRUE(waitFor([&] { return child<QPlainTextEdit>("Memo1")->toPlainText().contains(told); }));
    EXPECT_TRUE(panelShown());
    click("btnZrus");
    expectWire("*KORAX@EW$!*KORAX@BREAK$!");
    EXPECT_FALSE(port().Connected());
    EXPECT_TRUE(windowUsable());

    prompts.saveAnswer = dir.filePath("received.txt");
    click("btnPrijmi");
    ASSERT_TRUE(waitFor([&] { return child<QPlainTextEdit>("Memo1")->toPlainText().contains(told); }));
    click("btnZrus");
    EXPECT_TRUE(windowUsable());
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

// The file is more than the line holds, so the upload still runs when the device hangs up.
TEST_F(Transfers, AHangUpWhileSendingStopsTheUploadWithOneMessage)
{
    loadFile(writeFile("SFA\r\n" + QByteArray("SDE\r\n").repeated(8000) + "SFE\r\n"));
    QMetaObject::invokeMethod(
        form.get(), [this] { device.closeMaster(); }, Qt::QueuedConnection);
    click("btnPosli");
    ASSERT_TRUE(waitFor([&] { return !port().Connected(); }));
    QTest::qWait(50);
    ASSERT_EQ(prompts.errors.size(), 1) << prompts.errors.join("\n").toStdString();
    EXPECT_TRUE(prompts.errors[0].contains("(win error code: 5)")) << prompts.errors[0].toStdString();
    EXPECT_TRUE(windowUsable());
}

TEST_F(Transfers, ASegmentTheDeviceDoesNotTakeStopsTheUpload)
{
    TComTimeouts timeouts = port().Timeouts();
    timeouts.WriteTotalConstant = 50;
    timeouts.WriteTotalMultiplier = 0;
    port().SetTimeouts(timeouts);
    // One line longer than the line's buffers, to a device that reads nothing.
    loadFile(writeFile("SFA\r\nSDE " + QByteArray(40000, 'x') + "\r\nSFE\r\n"));
    click("btnPosli");
    EXPECT_EQ(prompts.errors, QStringList({"WriteFile function failed (win error code: 110)"}));
    EXPECT_FALSE(port().Connected());
    EXPECT_TRUE(windowUsable());
    EXPECT_FALSE(device.receive(50000, 200).endsWith("SFE\r\n"));
}

// Records, for each close of the window asked for, whether the port was still open then.
struct CloseWatch : QObject {
    TComPort &port;
    QList<bool> portOpen;
    explicit CloseWatch(TComPort &watched) : port(watched) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            portOpen << port.Connected();
        return false;
    }
};

TEST_F(Transfers, AWindowCloseDuringTheUploadWaitsForItsEnd)
{
    const QByteArray file = "SFA\r\nSDE\r\nSDE\r\nSFE\r\n";
    loadFile(writeFile(file));
    CloseWatch watch(port());
    form->installEventFilter(&watch);
    QMetaObject::invokeMethod(
        form.get(), [this] { form->close(); }, Qt::QueuedConnection);
    click("btnPosli");
    expectWire(file);
    ASSERT_TRUE(waitFor([&] { return !form->isVisible(); }));
    EXPECT_EQ(watch.portOpen, QList<bool>({true, false}));
}

// Cancel in every state that shows the progress panel, by button and by Esc.
class CancelTransfers : public Transfers, public testing::WithParamInterface<bool>
{
protected:
    void cancel()
    {
        if (GetParam())
            click("btnZrus");
        else
            pressEscape();
    }
    void expectOnLineLeft()
    {
        expectWire("*KORAX@EW$!*KORAX@BREAK$!");
        EXPECT_FALSE(child<QCheckBox>("cbOnLine")->isChecked());
        EXPECT_FALSE(port().Connected());
        EXPECT_TRUE(form->document().entries().isEmpty());
        EXPECT_TRUE(windowUsable());
        EXPECT_FALSE(session().cancelFlag());
    }
};

// More than the line holds, so the upload still runs when the cancel comes:
// what the line had taken arrives, nothing after it.
TEST_P(CancelTransfers, WhileSending)
{
    const QByteArray file = "SFA\r\n" + QByteArray("SDE\r\n").repeated(8000) + "SFE\r\n";
    loadFile(writeFile(file));
    QMetaObject::invokeMethod(
        form.get(), [this] { cancel(); }, Qt::QueuedConnection);
    click("btnPosli");
    EXPECT_FALSE(port().Connected());
    const QByteArray wire = device.receive(file.size(), 200);
    EXPECT_TRUE(file.startsWith(wire));
    EXPECT_LT(wire.size(), file.size());
    EXPECT_TRUE(windowUsable());
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

TEST_P(CancelTransfers, WhileReceivingOffLine)
{
    prompts.saveAnswer = dir.filePath("received.txt");
    click("btnPrijmi");
    deviceSends("SFA\r\n");
    cancel();
    EXPECT_FALSE(port().Connected());
    EXPECT_TRUE(windowUsable());
    EXPECT_TRUE(session().receiveBuffer().isEmpty());
    expectQuietWire();
}

TEST_P(CancelTransfers, WhileWaitingForTheDirectory)
{
    clickOnLine();
    expectWire("*KORAX@DSTRANS$!");
    cancel();
    expectOnLineLeft();
}

TEST_P(CancelTransfers, WhileReadingADeviceFile)
{
    enterOnLine();
    selectRow(2);
    trigger("Upravit1");
    expectWire("*KORAX@RD001%005$!");
    cancel();
    expectOnLineLeft();
    EXPECT_FALSE(deviceFileOpen());
}

TEST_P(CancelTransfers, WhileWaitingToWriteBack)
{
    openDeviceFile();
    click("btnUloz");
    expectWire("*KORAX@DEL001%005$!*KORAX@DSDOWN$!");
    cancel();
    // The device file stays on the list and On Line, for Save to write it back again.
    expectQuietWire();
    EXPECT_TRUE(child<QCheckBox>("cbOnLine")->isChecked());
    EXPECT_FALSE(port().Connected());
    EXPECT_TRUE(deviceFileOpen());
    EXPECT_EQ(form->document().entries().count(), 2);
    EXPECT_TRUE(windowUsable());
    EXPECT_TRUE(enabled("btnUloz"));
}

INSTANTIATE_TEST_SUITE_P(ByButtonAndByEsc, CancelTransfers, testing::Bool());
