#include "link/transfers/DeviceBackup.h"

#include "devsim/DeviceSimulator.h"
#include "document/DeviceFileReader.h"
#include "document/Document.h"
#include "i18n/KeptTexts.h"
#include "link/port/TComPort.h"
#include "link/transfers/RecordingTransferView.h"
#include "link/transfers/TransferSession.h"
#include "support/SampleDeviceFiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace
{

// A backup over the port, against the device simulator in this process at 4800 baud,
// its answers handed over one to three bytes at a time.
struct DeviceBackupAgainstTheSimulator : ::testing::Test {
    QTemporaryDir deviceFolder;
    QTemporaryDir work;
    QString backupFolder = work.filePath("backup");
    std::unique_ptr<DeviceSimulator> simulator;
    TComPort port{nullptr};
    Document document;
    RecordingTransferView view;
    KeptTexts texts;
    TransferSession session{port, document, view, texts, work.filePath("WinOrba.tmp")};
    DeviceBackup backup{session, document, view, texts, backupFolder};
    QStringList lines;
    int reads = 0;

    void SetUp() override
    {
        simulator = std::make_unique<DeviceSimulator>(
            DeviceSimulator::Options{.folder = deviceFolder.path(), .chunkSeed = 3, .maxChunk = 3, .baud = 4800});
        QObject::connect(simulator.get(), &DeviceSimulator::commandReceived, [this](const QByteArray &command) {
            if (command.startsWith("*KORAX@RD"))
                ++reads;
        });
        TComPort::ApplyWindowDesignValues(port);
        QObject::connect(&port, &TCustomComPort::OnBeforeOpen, [this] { session.BeforeOpen(); });
        QObject::connect(&port, &TCustomComPort::OnAfterClose, [this] { session.AfterClose(); });
        QObject::connect(&port, &TCustomComPort::OnRxChar, [this](QObject *, int count) { session.RxChar(count); });
        QObject::connect(&port, &TCustomComPort::OnError,
                         [this](QObject *, TComErrors errors) { session.LineError(errors); });
        QObject::connect(&session.timer(), &QTimer::timeout, [this] { session.TimerTick(); });
        QObject::connect(&backup, &DeviceBackup::fileEnded, [this](const QString &line) { lines << line; });
    }

    void start()
    {
        ASSERT_EQ(simulator->start(), "");
        port.SetPort(simulator->portPath());
    }
    // Once the program has asked for the file of this read, in this order.
    void atRead(int read, const std::function<void()> &action)
    {
        QObject::connect(simulator.get(), &DeviceSimulator::commandReceived, [this, read, action] {
            if (reads == read)
                action();
        });
    }
    QByteArray device(const QString &name) { return TestFiles::read(deviceFolder.filePath(name)); }
    QByteArray stored(const QString &name) { return TestFiles::read(QDir(backupFolder).filePath(name)); }
    QStringList folderFiles() { return QDir(backupFolder).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    // Every command on the wire is one that enters, browses, reads or leaves On Line mode.
    void expectOnlyReadingCommands()
    {
        static const QRegularExpression allowed(
            QStringLiteral("^(\\*KORAX@(DSTRANS|DIR|RD001%\\d{3}|EW|BREAK)\\$!)*$"));
        EXPECT_TRUE(allowed.match(QString::fromLatin1(simulator->received())).hasMatch())
            << simulator->received().toStdString();
    }
};

} // namespace

TEST_F(DeviceBackupAgainstTheSimulator, TwentyFilesAreStoredAsTheyCameWithTheDirectory)
{
    SampleDeviceFiles::fill(deviceFolder.path(), 20, 2);
    ASSERT_NO_FATAL_FAILURE(start());
    const DeviceBackup::Outcome outcome = backup.run();

    EXPECT_TRUE(outcome.complete());
    ASSERT_EQ(outcome.stored.size(), 20);
    QByteArray files;
    for (int number = 1; number <= 20; ++number) {
        const QString name = QStringLiteral("f%1.txt").arg(number, 2, 10, QLatin1Char('0'));
        const QString backupName = QStringLiteral("%1 %2").arg(number, 3, 10, QLatin1Char('0')).arg(name);
        EXPECT_EQ(stored(backupName), device(name)) << backupName.toStdString();
        EXPECT_EQ(outcome.stored.at(number - 1).name, backupName);
        files += device(name);
    }
    EXPECT_EQ(folderFiles().size(), 21);
    // The directory is what the device sent for it, and reads as the directory of the twenty files.
    const QByteArray directory = stored("directory.txt");
    EXPECT_EQ(simulator->sent(), "STRANS$!" + directory + files);
    const DeviceFileReadResult rows = ReadDeviceText(directory, true, QDateTime::currentDateTime());
    EXPECT_EQ(
        std::count_if(rows.entries.begin(), rows.entries.end(), [](const Entry &e) { return e.isRecordHeader(); }), 20);
    EXPECT_EQ(outcome.totalSize(), files.size());
    EXPECT_EQ(lines.size(), 20);
    EXPECT_EQ(lines.first(), QStringLiteral("001 f01.txt stored, %1 bytes").arg(device("f01.txt").size()));
    EXPECT_TRUE(view.status.startsWith("20 of 20 files stored in ")) << view.status.toStdString();
    EXPECT_TRUE(view.percentTexts.contains(QStringLiteral("File 20 of 20: 020 f20.txt, 0 bytes")));
    EXPECT_TRUE(view.errors.isEmpty() && view.lineErrors.isEmpty());
    // The directory stays on the list, and the window is given back.
    EXPECT_TRUE(session.directoryShown());
    EXPECT_TRUE(view.ready);
    expectOnlyReadingCommands();
}

TEST_F(DeviceBackupAgainstTheSimulator, CancelKeepsTheFilesStoredAndNothingOfTheFileCut)
{
    SampleDeviceFiles::fill(deviceFolder.path(), 8, 20);
    ASSERT_NO_FATAL_FAILURE(start());
    atRead(4, [this] { QTimer::singleShot(30, &session, &TransferSession::Cancel); });
    const DeviceBackup::Outcome outcome = backup.run();

    EXPECT_TRUE(outcome.cancelled);
    EXPECT_FALSE(outcome.complete());
    EXPECT_EQ(outcome.stored.size(), 3);
    EXPECT_EQ(folderFiles(), QStringList({"001 f01.txt", "002 f02.txt", "003 f03.txt", "directory.txt"}));
    EXPECT_EQ(stored("003 f03.txt"), device("f03.txt"));
    EXPECT_FALSE(QFile::exists(session.transferFile() + ".part"));
    EXPECT_TRUE(view.status.startsWith("3 of 8 files stored")) << view.status.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return simulator->received().endsWith("*KORAX@EW$!*KORAX@BREAK$!"); }, 2000));
    EXPECT_TRUE(simulator->received().endsWith("*KORAX@RD001%004$!*KORAX@EW$!*KORAX@BREAK$!"));
    expectOnlyReadingCommands();
}

TEST_F(DeviceBackupAgainstTheSimulator, AHangUpAfterFiveFilesGivesOneMessageNamingTheFiveStored)
{
    SampleDeviceFiles::fill(deviceFolder.path(), 8, 2);
    ASSERT_NO_FATAL_FAILURE(start());
    atRead(6, [this] { simulator->hangUp(); });
    const DeviceBackup::Outcome outcome = backup.run();

    EXPECT_TRUE(outcome.cut);
    EXPECT_EQ(outcome.stored.size(), 5);
    EXPECT_EQ(folderFiles().size(), 6);
    ASSERT_EQ(view.lineErrors.size(), 1) << view.lineErrors.join('\n').toStdString();
    for (int number = 1; number <= 5; ++number)
        EXPECT_TRUE(view.lineErrors.first().contains(QStringLiteral("00%1 f0%1.txt").arg(number)));
    EXPECT_FALSE(view.lineErrors.first().contains("006"));
    EXPECT_TRUE(view.status.startsWith("5 of 8 files stored")) << view.status.toStdString();
}

TEST_F(DeviceBackupAgainstTheSimulator, ANameAFileCannotHoldIsStoredUnderASafeOne)
{
    TestFiles::write(deviceFolder.filePath("pump:a.txt"), SampleDeviceFiles::file(3, "pump", 1));
    ASSERT_NO_FATAL_FAILURE(start());
    const DeviceBackup::Outcome outcome = backup.run();

    EXPECT_TRUE(outcome.complete());
    EXPECT_EQ(folderFiles(), QStringList({"003 pump_a.txt", "directory.txt"}));
    EXPECT_EQ(stored("003 pump_a.txt"), device("pump:a.txt"));
}

// A file kept as it came when the reader does not take it; the run goes on and tells it.
TEST_F(DeviceBackupAgainstTheSimulator, AFileThatDoesNotReadBackIsKeptAndReported)
{
    SampleDeviceFiles::fill(deviceFolder.path(), 2, 1);
    const QByteArray odd = "SDK   1   9 \\odd\\     1     0 0\r\nSDW     0  1 C4G\r\nSFE\r\n";
    TestFiles::write(deviceFolder.filePath("odd.txt"), odd);
    ASSERT_NO_FATAL_FAILURE(start());
    const DeviceBackup::Outcome outcome = backup.run();

    EXPECT_FALSE(outcome.complete());
    EXPECT_EQ(outcome.stored.size(), 3);
    ASSERT_EQ(outcome.failures.size(), 1);
    const QStringList kept = QDir(backupFolder).entryList({"* odd.txt"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(outcome.failures.first().startsWith(kept.first() + " does not read back: "));
    EXPECT_EQ(stored(kept.first()), odd);
    EXPECT_TRUE(view.status.contains("Failed: " + kept.first())) << view.status.toStdString();
}
