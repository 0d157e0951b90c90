#include "devsim/DeviceSimulator.h"
#include "link/port/PosixSerialSystem.h"
#include "link/port/TComPort.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// The program's own port layer against the simulator, by the link path, with
// the settings On Line mode uses: what the program will see, on a line as fast
// as the pseudo-terminal and on one paced at a baud rate (the parameter).
struct SimulatorWithPortLayer : ::testing::TestWithParam<qint64> {
    QTemporaryDir folder;
    DeviceSimulator simulator{
        {.folder = folder.path(), .linkPath = folder.filePath("port"), .chunkSeed = 3, .baud = GetParam()}};
    TComPort port{nullptr, std::make_shared<PosixSerialSystem>()};
    QByteArray received;
    QList<TComErrors> errors;

    SimulatorWithPortLayer()
    {
        TestFiles::write(folder.filePath("one.txt"), "SFA $07.12.26 15:12:03$\r\nSDK   1   1 \\one\\     1     0 0\r\n"
                                                     "SDW     0  1 C41\r\nSDE\r\nSFE\r\n");
        EXPECT_EQ(simulator.start(), QString());
        TComPort::ApplyWindowDesignValues(port);
        port.SetPort(folder.filePath("port"));
        port.SetFlowControlPreset(fcHardware);
        QObject::connect(&port, &TComPort::OnRxChar, [this](QObject *, int count) {
            QByteArray chunk;
            port.ReceiveText(chunk, count);
            received += chunk;
        });
        QObject::connect(&port, &TComPort::OnError, [this](QObject *, TComErrors e) { errors.append(e); });
    }

    QByteArray ask(const QByteArray &command, const QByteArray &answerEnd)
    {
        received.clear();
        EXPECT_EQ(port.SendText(command), command.size());
        EXPECT_TRUE(QTest::qWaitFor([&] { return received.endsWith(answerEnd); }));
        return received;
    }
};

TEST_P(SimulatorWithPortLayer, GoesThroughTheOnLineRoadAndTakesAnUpload)
{
    QSignalSpy stored(&simulator, &DeviceSimulator::fileStored);
    port.OpenPort();
    EXPECT_EQ(ask("*KORAX@DSTRANS$!", "$!"), "STRANS$!");
    EXPECT_TRUE(ask("*KORAX@DIR$!", "SFE\r\n").contains("\\one.txt\\"));
    EXPECT_EQ(ask("*KORAX@RD001%001$!", "SFE\r\n"), TestFiles::read(folder.filePath("one.txt")));
    EXPECT_EQ(port.SendText("*KORAX@DEL001%001$!"), 19);
    EXPECT_EQ(ask("*KORAX@DSDOWN$!", "$!"), "SDOWN$!");
    // The upload as the program sends it: a line per write, the last one without line end, then the close.
    const QByteArray upload = "SFA $08.12.26 10:00:00$\r\nSDK   1   1 \\one\\     1     0 0\r\nSDE\r\nSFE";
    qsizetype from = 0;
    for (qsizetype end; (end = upload.indexOf("\r\n", from)) >= 0; from = end + 2)
        EXPECT_EQ(port.SendText(upload.sliced(from, end + 2 - from)), end + 2 - from);
    for (const char c : upload.sliced(from))
        EXPECT_EQ(port.SendText(QByteArray(1, c)), 1);
    port.ClosePort();
    ASSERT_TRUE(QTest::qWaitFor([&] { return stored.size() == 1; }));
    EXPECT_EQ(stored.at(0).at(0).toString(), folder.filePath("one.txt"));
    EXPECT_EQ(TestFiles::read(folder.filePath("one.txt")), upload);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_P(SimulatorWithPortLayer, AHangUpReachesThePortAsALineError)
{
    port.OpenPort();
    ask("*KORAX@DSTRANS$!", "$!");
    simulator.hangUp();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !errors.isEmpty(); }));
    EXPECT_TRUE(errors.front() & ceIO);
}

INSTANTIATE_TEST_SUITE_P(Lines, SimulatorWithPortLayer, ::testing::Values(0, 38400),
                         [](const ::testing::TestParamInfo<qint64> &info) {
                             return info.param == 0 ? std::string("Unpaced") : "Paced" + std::to_string(info.param);
                         });
