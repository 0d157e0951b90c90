#include "ProgramFixture.h"
#include "devsim/DeviceSimulator.h"
#include "link/port/TComPort.h"
#include "link/transfers/TransferSession.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

QByteArray deviceFile(const char *number, const char *name, const char *value)
{
    return QByteArray("SFA $07.12.26 15:12:03$\r\nSDK   1") + number + " \\" + name +
           "\\     1     0 0\r\nSDW     0  1 C" + value + "\r\nSDE\r\nSFE\r\n";
}

// The main window against the device simulator, which can divide everything
// it sends into pieces as a real line does.
class TransfersWithSimulator : public ProgramFixture
{
protected:
    // The simulator serves two files; chunkSeed 0 sends everything in one piece;
    // baud above 0 paces the line both ways at that rate.
    void begin(quint32 chunkSeed, qsizetype maxChunk = 9, qint64 baud = 0)
    {
        TestFiles::write(deviceFolder.filePath("alpha.txt"), deviceFile("   7", "alpha", "41"));
        TestFiles::write(deviceFolder.filePath("beta.txt"), deviceFile("  12", "beta", "42"));
        simulator = std::make_unique<DeviceSimulator>(DeviceSimulator::Options{
            .folder = deviceFolder.path(), .chunkSeed = chunkSeed, .maxChunk = maxChunk, .baud = baud});
        ASSERT_EQ(simulator->start(), "");
        writeLanguageFile("[Jazyk]\r\nPoradi=EN\r\nactive=0\r\n[EN]\r\n50=line error\r\n51=parity\r\n61=file %1 may be "
                          "gone, kept in %2\r\n"
                          "62=file %1 written back, %2 lines\r\n85=file %1 (%2) deleted on the device\r\n"
                          "[ComPort1]\r\nPort=" +
                          simulator->portPath().toUtf8() + "\r\n");
        start();
    }

    TransferSession &session() { return *form->findChild<TransferSession *>(); }
    bool waitFor(const std::function<bool()> &condition) { return QTest::qWaitFor(condition, 5000); }
    void click(const char *name) { child<QAbstractButton>(name)->click(); }
    void selectRow(int row) { child<QTableView>("Seznam")->selectRow(row); }
    bool idle() { return child<QWidget>("Progress")->isHidden() && enabled("Panel_Tlacitka"); }
    QString keptFile() { return QFileInfo(session().transferFile()).dir().filePath("writeback-007.txt"); }
    bool directoryShown()
    {
        return waitFor([&] { return session().directoryShown() && idle(); });
    }

    void runOnLineSession();
    void openAndEditFileSeven();
    void cutTheUploadOfAWriteBack(const std::function<void()> &cut);

    QTemporaryDir deviceFolder;
    std::unique_ptr<DeviceSimulator> simulator;
};

} // namespace

// Every On Line exchange, with the bytes on the wire exactly as the protocol has them.
void TransfersWithSimulator::runOnLineSession()
{
    click("cbOnLine");
    ASSERT_TRUE(directoryShown());
    ASSERT_EQ(form->document().entries().count(), 4);

    selectRow(0);
    child<QAction>("Upravit1")->trigger();
    ASSERT_TRUE(waitFor([&] { return session().deviceFileOpen() && idle(); }));
    ASSERT_EQ(form->document().entries().count(), 2);
    EXPECT_EQ(form->document().entries().at(1).cell(2), "$41");

    // Edited and written back: the device deletes its copy, asks for the file and stores the upload.
    form->document().entries().setCell(1, 2, "$4A");
    click("btnUloz");
    ASSERT_TRUE(waitFor([&] { return !form->port().Connected() && idle(); }));
    const QByteArray uploaded = TestFiles::read(keptFile());
    EXPECT_EQ(child<QLabel>("StatusText")->text(), "file 007 written back, 8 lines");
    ASSERT_TRUE(waitFor([&] { return TestFiles::read(deviceFolder.filePath("alpha.txt")) == uploaded; }));
    EXPECT_TRUE(uploaded.contains("SDX     0  1 C4A\r\n")) << uploaded.toStdString();

    click("btnZpet");
    ASSERT_TRUE(directoryShown());
    EXPECT_EQ(form->document().entries().count(), 4);

    selectRow(2);
    child<QAction>("Smazat1")->trigger();
    ASSERT_TRUE(waitFor([&] { return !QFile::exists(deviceFolder.filePath("beta.txt")); }));
    EXPECT_EQ(form->document().entries().count(), 3);
    EXPECT_EQ(child<QLabel>("StatusText")->text(), "file 012 (beta.txt) deleted on the device");

    click("cbOnLine");
    ASSERT_TRUE(waitFor([&] { return !form->port().Connected(); }));
    ASSERT_TRUE(waitFor([&] { return simulator->received().endsWith("*KORAX@BREAK$!"); }));
    EXPECT_EQ(simulator->received(), "*KORAX@DSTRANS$!*KORAX@DIR$!*KORAX@RD001%007$!"
                                     "*KORAX@DEL001%007$!*KORAX@DSDOWN$!" +
                                         uploaded +
                                         "*KORAX@EW$!*KORAX@DSTRANS$!*KORAX@DIR$!*KORAX@DEL001%012$!"
                                         "*KORAX@EW$!*KORAX@BREAK$!");
    EXPECT_TRUE(idle());
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

TEST_F(TransfersWithSimulator, EveryOnLineExchangeFromTheWindow)
{
    begin(0);
    runOnLineSession();
}

// A real line hands the device's answers over a few bytes at a time.
TEST_F(TransfersWithSimulator, EveryOnLineExchangeWithAnswersInPiecesOfOneToFourBytes)
{
    begin(7, 4);
    runOnLineSession();
}

TEST_F(TransfersWithSimulator, EveryOnLineExchangeWithAnswersOneByteAtATime)
{
    begin(7, 1);
    runOnLineSession();
}

// A real line at 4800 baud: paced both ways, the device's bytes handed over one to three at a time.
TEST_F(TransfersWithSimulator, EveryOnLineExchangeAt4800BaudInPiecesOfOneToThreeBytes)
{
    begin(3, 3, 4800);
    runOnLineSession();
}

TEST_F(TransfersWithSimulator, EveryOnLineExchangeAt4800BaudCutByAnotherSeed)
{
    begin(7, 3, 4800);
    runOnLineSession();
}

TEST_F(TransfersWithSimulator, OffLineSendAndAReceiveArrivingInRandomPieces)
{
    begin(7);
    const QString local = dir.filePath("local.txt");
    const QByteArray file = deviceFile("  30", "local", "43");
    TestFiles::write(local, file);
    prompts.openAnswer = local;
    click("btnNacti");
    click("btnPosli");
    ASSERT_TRUE(waitFor([&] { return simulator->received() == file; }));
    ASSERT_TRUE(waitFor([&] { return QDir(deviceFolder.path()).entryList(QDir::Files).size() == 3; }));

    prompts.saveAnswer = dir.filePath("received.txt");
    click("btnPrijmi");
    ASSERT_TRUE(waitFor([&] { return simulator->programHasPort(); }));
    ASSERT_EQ(simulator->pushFile(deviceFolder.filePath("beta.txt")), "");
    ASSERT_TRUE(waitFor([&] { return !form->port().Connected() && idle(); }));
    // Stored up to the piece that completed the end line's "SFE".
    const QByteArray stored = TestFiles::read(dir.filePath("received.txt"));
    EXPECT_TRUE(deviceFile("  12", "beta", "42").startsWith(stored)) << stored.toStdString();
    EXPECT_TRUE(stored.contains("\r\nSFE")) << stored.toStdString();
    EXPECT_EQ(form->document().entries().count(), 2);
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

// The device has deleted its copy when the line goes: the edit is kept, and Save writes it back over a new line.
TEST_F(TransfersWithSimulator, AWriteBackCutByAHangUpKeepsTheEditForSave)
{
    begin(0);
    openAndEditFileSeven();
    QObject::connect(simulator.get(), &DeviceSimulator::commandReceived, simulator.get(),
                     [&](const QByteArray &command) {
                         if (command.startsWith("*KORAX@DEL"))
                             QMetaObject::invokeMethod(simulator.get(), &DeviceSimulator::hangUp, Qt::QueuedConnection);
                     });
    click("btnUloz");
    ASSERT_TRUE(waitFor([&] { return !form->port().Connected() && idle() && prompts.errors.size() >= 2; }));
    const QByteArray edit = TestFiles::read(keptFile());
    EXPECT_TRUE(edit.contains("SDX     0  1 C4A\r\n")) << edit.toStdString();
    EXPECT_EQ(prompts.errors.filter(keptFile()), QStringList({"file 007 may be gone, kept in " + keptFile()}));
    EXPECT_FALSE(QFile::exists(deviceFolder.filePath("alpha.txt")));
    EXPECT_TRUE(session().deviceFileOpen());
    ASSERT_EQ(form->document().entries().count(), 2);
    EXPECT_EQ(form->document().entries().at(1).cell(2), "$4A");

    DeviceSimulator second(DeviceSimulator::Options{.folder = deviceFolder.path()});
    ASSERT_EQ(second.start(), "");
    form->port().SetPort(second.portPath());
    prompts.errors.clear();
    click("btnUloz");
    ASSERT_TRUE(waitFor([&] {
        for (const QString &name : QDir(deviceFolder.path()).entryList(QDir::Files))
            if (TestFiles::read(deviceFolder.filePath(name)) == edit)
                return idle();
        return false;
    }));
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

void TransfersWithSimulator::openAndEditFileSeven()
{
    click("cbOnLine");
    ASSERT_TRUE(directoryShown());
    selectRow(0);
    child<QAction>("Upravit1")->trigger();
    ASSERT_TRUE(waitFor([&] { return session().deviceFileOpen() && idle(); }));
    form->document().entries().setCell(1, 2, "$4A");
}

// Records of the edited file copied so often that the write-back is about 60 KB.
constexpr int UploadOutlastingCopies = 1500;

// Cuts the line once the first segment of the write-back's upload is on its way.
void TransfersWithSimulator::cutTheUploadOfAWriteBack(const std::function<void()> &cut)
{
    begin(0, 9, 4800);
    openAndEditFileSeven();
    // More than a pseudo-terminal holds, so that the upload is still under way
    // when the line is cut, however fast the program hands its bytes over.
    for (int copy = 0; copy < UploadOutlastingCopies; ++copy) {
        form->document().entries().append(form->document().entries().at(0));
        form->document().entries().append(form->document().entries().at(1));
    }
    QMetaObject::Connection started =
        QObject::connect(child<QProgressBar>("ProgressBar1"), &QProgressBar::valueChanged, form.get(), [&] {
            if (session().link().state() != LinkStateMachine::State::WriteBackUploading)
                return;
            QObject::disconnect(started);
            cut();
        });
    click("btnUloz");
    ASSERT_TRUE(
        waitFor([&] { return !form->port().Connected() && idle() && !prompts.errors.filter(keptFile()).isEmpty(); }));
    EXPECT_EQ(prompts.errors.filter(keptFile()), QStringList({"file 007 may be gone, kept in " + keptFile()}));
    EXPECT_TRUE(TestFiles::read(keptFile()).contains("SDX     0  1 C4A\r\n"));
    EXPECT_FALSE(simulator->received().endsWith("SFE\r\n")) << simulator->received().toStdString();
    EXPECT_EQ(QDir(deviceFolder.path()).entryList(QDir::Files), QStringList({"beta.txt"}));
    EXPECT_TRUE(session().deviceFileOpen());
    EXPECT_TRUE(enabled("btnUloz"));
    ASSERT_EQ(form->document().entries().count(), 2 + 2 * UploadOutlastingCopies);
    EXPECT_EQ(form->document().entries().at(1).cell(2), "$4A");
}

TEST_F(TransfersWithSimulator, AParityErrorDuringTheUploadOfAWriteBackKeepsTheEdit)
{
    cutTheUploadOfAWriteBack([&] {
        QMetaObject::invokeMethod(
            form.get(), [&] { form->ComPort1Error(ceRxParity); }, Qt::QueuedConnection);
    });
    EXPECT_TRUE(prompts.errors.contains("line error: parity")) << prompts.errors.join("\n").toStdString();
}

TEST_F(TransfersWithSimulator, AHangUpDuringTheUploadOfAWriteBackKeepsTheEdit)
{
    cutTheUploadOfAWriteBack([&] { simulator->hangUp(); });
    // The line's failure (seen by the write or by the reading side, whichever
    // meets the hang-up first) and the kept file, each told once.
    ASSERT_EQ(prompts.errors.size(), 2) << prompts.errors.join("\n").toStdString();
    const QString &failure = prompts.errors[0];
    EXPECT_TRUE(failure.startsWith("WriteFile function failed") || failure.contains("ReadFile function failed"))
        << failure.toStdString();
}

// Back from an edited device file asks first; Save writes the file back, then the directory follows.
TEST_F(TransfersWithSimulator, BackFromAnEditedDeviceFileAsksAndWritesItBackFirst)
{
    begin(0);
    click("cbOnLine");
    ASSERT_TRUE(directoryShown());
    selectRow(0);
    child<QAction>("Upravit1")->trigger();
    ASSERT_TRUE(waitFor([&] { return session().deviceFileOpen() && idle(); }));
    prompts.modalOperator = [](QDialog &dialog) {
        auto *hex = dialog.findChild<QLineEdit *>("Hex");
        hex->setFocus();
        hex->end(false);
        QTest::keyClick(hex, Qt::Key_Backspace); // "$41" becomes "$4", then "$4A"
        QTest::keyClicks(hex, "A");
        QTest::keyClick(hex, Qt::Key_Return);
    };
    selectRow(1);
    child<QAction>("Upravit1")->trigger();
    ASSERT_TRUE(form->document().hasUnsavedEdits());

    prompts.saveChoice = SaveChoice::Cancel;
    click("btnZpet");
    EXPECT_TRUE(session().deviceFileOpen());
    EXPECT_EQ(simulator->received(), "*KORAX@DSTRANS$!*KORAX@DIR$!*KORAX@RD001%007$!");

    prompts.saveChoice = SaveChoice::Save;
    click("btnZpet");
    ASSERT_TRUE(waitFor([&] { return session().directoryShown() && idle(); }));
    EXPECT_TRUE(TestFiles::read(deviceFolder.filePath("alpha.txt")).contains("SDX     0  1 C4A\r\n"));
    EXPECT_TRUE(simulator->received().endsWith("*KORAX@EW$!*KORAX@DSTRANS$!*KORAX@DIR$!"));
    EXPECT_EQ(prompts.saveQuestions.size(), 2);
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}
