#include "app/HeadlessBackup.h"

#include "devsim/DeviceSimulator.h"
#include "support/NoDisplay.h"
#include "support/SampleDeviceFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// The backup from the command line against the device simulator in this
// process, on a paced line whose answers arrive one to three bytes at a time.
class HeadlessBackup : public testing::Test
{
protected:
    void SetUp() override
    {
        SampleDeviceFiles::fill(deviceFolder.path(), 20, 2);
        simulator = std::make_unique<DeviceSimulator>(
            DeviceSimulator::Options{.folder = deviceFolder.path(), .chunkSeed = 5, .maxChunk = 3, .baud = 4800});
        ASSERT_EQ(simulator->start(), "");
    }
    // The simulator hangs up when the program asks for the sixth file.
    void hangUpAtTheSixthRead()
    {
        QObject::connect(simulator.get(), &DeviceSimulator::commandReceived, [this](const QByteArray &command) {
            if (command.startsWith("*KORAX@RD") && ++reads == 6)
                simulator->hangUp();
        });
    }
    int run(const QString &port)
    {
        QTextStream out(&output);
        QTextStream err(&errors);
        return RunHeadlessBackup({backupFolder, port}, work.filePath("WinOrba.lng"), out, err);
    }
    QStringList outputLines() const { return output.split('\n', Qt::SkipEmptyParts); }
    qsizetype storedFiles() const { return QDir(backupFolder).entryList(QDir::Files).size(); }

    QTemporaryDir deviceFolder;
    QTemporaryDir work;
    QString backupFolder = work.filePath("backup");
    std::unique_ptr<DeviceSimulator> simulator;
    QString output;
    QString errors;
    int reads = 0;
};

// The built program, copied to a folder of its own (so that its settings file
// is the test's), run with no display at all.
class BackupProgram : public HeadlessBackup
{
protected:
    int runProgram(QString &standardOutput, QString &standardError)
    {
        const QString program = work.filePath("WinOrba");
        EXPECT_TRUE(QFile::copy(QStringLiteral(WINORBA_BINARY), program));
        QProcess process;
        process.setProcessEnvironment(NoDisplay::environment());
        process.start(program, {"--backup", backupFolder, "--port", simulator->portPath()});
        // The simulator answers from this process's event loop.
        EXPECT_TRUE(QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 60000));
        standardOutput = QString::fromUtf8(process.readAllStandardOutput());
        standardError = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
};

} // namespace

TEST_F(HeadlessBackup, EveryFileStoredAndReadBackExitsZeroWithALinePerFileAndTheSummary)
{
    EXPECT_EQ(run(simulator->portPath()), 0) << errors.toStdString();
    const QStringList lines = outputLines();
    ASSERT_EQ(lines.size(), 21) << output.toStdString();
    EXPECT_TRUE(lines.first().startsWith("001 f01.txt stored, ")) << lines.first().toStdString();
    EXPECT_TRUE(lines.last().startsWith("20 of 20 files stored in ")) << lines.last().toStdString();
    EXPECT_EQ(storedFiles(), 21);
    EXPECT_EQ(errors, "");
    // On Line mode is left at the end, as unticking it does.
    EXPECT_TRUE(QTest::qWaitFor([&] { return simulator->received().endsWith("*KORAX@EW$!*KORAX@BREAK$!"); }, 2000));
}

TEST_F(HeadlessBackup, TheChosenLanguagesTextsAreUsedWhereTheSettingsFileHasThem)
{
    TestFiles::write(work.filePath("WinOrba.lng"), "[Jazyk]\r\nPoradi=EN\r\nactive=0\r\n[EN]\r\n103=kept %1 (%2)\r\n"
                                                   "105=%1/%2 files, %3 bytes, %4\r\n");
    EXPECT_EQ(run(simulator->portPath()), 0) << errors.toStdString();
    EXPECT_TRUE(output.startsWith("kept 001 f01.txt (")) << output.toStdString();
    EXPECT_TRUE(outputLines().last().startsWith("20/20 files, ")) << output.toStdString();
}

TEST_F(HeadlessBackup, AHangUpExitsOneAndNamesWhatWasStored)
{
    hangUpAtTheSixthRead();
    EXPECT_EQ(run(simulator->portPath()), 1);
    EXPECT_EQ(outputLines().size(), 6) << output.toStdString();
    EXPECT_TRUE(outputLines().last().startsWith("5 of 20 files stored in ")) << output.toStdString();
    EXPECT_EQ(errors.count('\n'), 2) << errors.toStdString();
    EXPECT_TRUE(errors.contains("stored before: 001 f01.txt, 002 f02.txt, 003 f03.txt, 004 f04.txt, 005 f05.txt"))
        << errors.toStdString();
    EXPECT_EQ(storedFiles(), 6);
}

TEST_F(HeadlessBackup, APortThatCannotBeOpenedIsNamed)
{
    EXPECT_EQ(run(work.filePath("no-such-port")), 1);
    EXPECT_TRUE(errors.startsWith("WinOrba: the port " + work.filePath("no-such-port") + " cannot be opened: "))
        << errors.toStdString();
    EXPECT_EQ(output, "0 of 0 files stored in " + QDir::toNativeSeparators(backupFolder) + ", 0 bytes in total.\n");
}

TEST_F(BackupProgram, RunsWithoutADisplayAndExitsZero)
{
    QString standardOutput;
    QString standardError;
    EXPECT_EQ(runProgram(standardOutput, standardError), 0) << standardError.toStdString();
    const QStringList lines = standardOutput.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 21) << standardOutput.toStdString();
    EXPECT_TRUE(lines.last().startsWith("20 of 20 files stored in ")) << lines.last().toStdString();
    EXPECT_EQ(storedFiles(), 21);
}

TEST_F(BackupProgram, ExitsOneWhenTheDeviceHangsUp)
{
    hangUpAtTheSixthRead();
    QString standardOutput;
    QString standardError;
    EXPECT_EQ(runProgram(standardOutput, standardError), 1) << standardError.toStdString();
    EXPECT_TRUE(standardError.contains("005 f05.txt")) << standardError.toStdString();
    EXPECT_EQ(storedFiles(), 6);
}
