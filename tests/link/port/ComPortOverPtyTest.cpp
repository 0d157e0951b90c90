#include "NotificationLog.h"
#include "support/PseudoTerminal.h"

#include "link/port/EComPort.h"
#include "link/port/PosixSerialDevice.h"
#include "link/port/PosixSerialSystem.h"
#include "link/port/TComPort.h"

#include <QTest>
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>

namespace
{

// A tty whose wait for line events fails, as a broken epoll set would. Only
// the first wait fails: a retry is counted and then waits for real, so a
// retrying thread shows as a failed check rather than a flood of events.
struct BrokenWaitDevice : PosixSerialDevice {
    using PosixSerialDevice::PosixSerialDevice;
    std::atomic<int> waits{0};
    int waitOnce(epoll_event *ready, int maxEvents, int timeoutMs) override
    {
        if (++waits > 1)
            return PosixSerialDevice::waitOnce(ready, maxEvents, timeoutMs);
        errno = EBADF;
        return -1;
    }
};

// The platform binding, keeping hold of the device it opened last.
struct WatchedSystem : PosixSerialSystem {
    PosixSerialDevice *last = nullptr;
    bool breakWaits = false;
    std::unique_ptr<SerialDevice> open(const QString &name) override
    {
        std::unique_ptr<PosixSerialDevice> device = breakWaits ? std::make_unique<BrokenWaitDevice>(devicePath(name))
                                                               : std::make_unique<PosixSerialDevice>(devicePath(name));
        last = device.get();
        return device;
    }
};

struct ComPortOverPty : ::testing::Test {
    PseudoTerminal pty;
    std::shared_ptr<WatchedSystem> system = std::make_shared<WatchedSystem>();
    TComPort port{nullptr, system};
    NotificationLog log{port};

    ComPortOverPty()
    {
        TComPort::ApplyWindowDesignValues(port);
        port.SetPort(pty.slavePath());
    }
    bool slaveFlag(tcflag_t termios::*field, tcflag_t flag) const { return (pty.slaveSettings().*field & flag) != 0; }
    // After the line is lost: one I/O error reaches the handler and the event thread then stays asleep.
    void expectOneIOErrorAndASleepingThread()
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !log.lineEvents().isEmpty(); }, 2000));
        const quint64 wakeUps = system->last->wakeUps();
        QTest::qWait(300);
        EXPECT_EQ(system->last->wakeUps(), wakeUps);
        EXPECT_EQ(log.lineEvents(), QStringList({"Error 16"}));
    }
};

TEST_F(ComPortOverPty, OpensAndClosesWithNotificationsInOrder)
{
    port.OpenPort();
    port.OpenPort();
    EXPECT_TRUE(port.Connected());
    port.ClosePort();
    port.ClosePort();
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(log.entries, QStringList({"BeforeOpen", "AfterOpen", "BeforeClose", "AfterClose"}));
}

TEST_F(ComPortOverPty, CarriesBytesBothWaysAndCountsWhatArrived)
{
    QByteArray received;
    log.onRxChar = [&](int count) {
        QByteArray chunk;
        EXPECT_EQ(port.ReceiveText(chunk, count), count);
        received += chunk;
    };
    port.OpenPort();
    EXPECT_EQ(port.SendText("*KORAX@DIR$!"), 12);
    EXPECT_EQ(port.SendText(""), 0);
    EXPECT_EQ(pty.receive(12), "*KORAX@DIR$!");

    const QByteArray file = "SFA\r\n" + QByteArray(6000, 'a') + QByteArray("\xFF\x00SFE\r\n", 7);
    pty.send(file);
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() >= file.size(); }, 5000));
    EXPECT_EQ(received, file);
    EXPECT_FALSE(log.lineEvents().filter("RxChar 0").size());
}

TEST_F(ComPortOverPty, AppliesTheSettingsOnOpen)
{
    port.OpenPort();
    EXPECT_EQ(pty.slaveBaudRate(), 4800);
    // Parity is checked, yet the kernel must not turn a character with a parity error into NUL.
    EXPECT_FALSE(slaveFlag(&termios::c_iflag, INPCK));
    EXPECT_TRUE(slaveFlag(&termios::c_cflag, CRTSCTS));
    EXPECT_FALSE(slaveFlag(&termios::c_cflag, PARODD | CMSPAR | CSTOPB));
    EXPECT_FALSE(slaveFlag(&termios::c_iflag, IXON | IXOFF | ICRNL));
    EXPECT_FALSE(slaveFlag(&termios::c_lflag, ICANON | ECHO));
}

TEST_F(ComPortOverPty, AWriteCutOffAtItsDeadlineCountsOnlyWhatTheDeviceCanRead)
{
    TComTimeouts timeouts = port.Timeouts();
    timeouts.WriteTotalConstant = 50;
    timeouts.WriteTotalMultiplier = 0;
    port.SetTimeouts(timeouts);
    port.OpenPort();
    QByteArray text(64 * 1024, '\0');
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = char('A' + i % 26);

    const int sent = port.SendText(text); // the device does not read meanwhile
    EXPECT_GT(sent, 0);
    EXPECT_LT(sent, text.size());
    const QByteArray received = pty.receive(text.size(), 500);
    EXPECT_EQ(received.size(), sent);
    EXPECT_TRUE(text.startsWith(received));
}

// Without waiting: what the line takes now, the rest for later; a pseudo-terminal reports nothing queued,
// so a close keeps what it took for the device.
TEST_F(ComPortOverPty, OfferedTextIsTakenAsFarAsTheLineHoldsItWithoutWaiting)
{
    port.OpenPort();
    QByteArray text(64 * 1024, '\0');
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = char('A' + i % 26);

    const qint64 taken = port.OfferText(text); // the device does not read meanwhile
    EXPECT_GT(taken, 0);
    EXPECT_LT(taken, text.size());
    EXPECT_EQ(port.OfferText(QByteArrayView(text).sliced(taken)), 0);
    EXPECT_EQ(port.OutputQueueLength(), 0);
    port.ClosePort();
    const QByteArray received = pty.receive(text.size(), 200);
    EXPECT_EQ(received.size(), taken);
    EXPECT_TRUE(text.startsWith(received));
}

TEST_F(ComPortOverPty, AppliesASingleChangeAtOnceIncludingRatesWithoutATermiosConstant)
{
    port.OpenPort();
    port.SetBaudRate(br256000);
    EXPECT_EQ(pty.slaveBaudRate(), 256000);
    port.SetCustomBaudRate(31250);
    port.SetBaudRate(brCustom);
    EXPECT_EQ(pty.slaveBaudRate(), 31250);
    port.SetParityBits(prMark);
    EXPECT_TRUE(slaveFlag(&termios::c_cflag, PARODD) && slaveFlag(&termios::c_cflag, CMSPAR));
    port.SetStopBits(sbOne5StopBits);
    EXPECT_TRUE(slaveFlag(&termios::c_cflag, CSTOPB));
    port.SetFlowControlPreset(fcSoftware);
    EXPECT_TRUE(slaveFlag(&termios::c_iflag, IXON) && slaveFlag(&termios::c_iflag, IXOFF));
    EXPECT_FALSE(slaveFlag(&termios::c_cflag, CRTSCTS));
}

TEST_F(ComPortOverPty, AppliesChangesMadeDuringAnUpdateWhenTheOutermostEnds)
{
    port.OpenPort();
    port.BeginSettingsUpdate();
    port.BeginSettingsUpdate();
    port.SetBaudRate(br14400);
    port.SetFlowControlPreset(fcNone);
    port.EndSettingsUpdate();
    EXPECT_EQ(pty.slaveBaudRate(), 4800);
    port.EndSettingsUpdate();
    EXPECT_EQ(pty.slaveBaudRate(), 14400);
    EXPECT_FALSE(slaveFlag(&termios::c_cflag, CRTSCTS));
    port.EndSettingsUpdate(); // at 0: nothing, and no underflow
    port.SetBaudRate(br56000);
    EXPECT_EQ(pty.slaveBaudRate(), 56000);
}

TEST_F(ComPortOverPty, ANewPortNameOnAnOpenPortReopensOnTheNewLine)
{
    PseudoTerminal other;
    port.OpenPort();
    log.entries.clear();
    port.SetPort(other.slavePath());
    EXPECT_EQ(log.entries, QStringList({"BeforeClose", "AfterClose", "BeforeOpen", "AfterOpen"}));
    port.SendText("EW");
    EXPECT_EQ(other.receive(2), "EW");
}

TEST_F(ComPortOverPty, AnUnknownPortNameFailsWithTheSystemsNumberAfterBeforeOpen)
{
    port.SetPort("/dev/winorba-no-such-port");
    try {
        port.OpenPort();
        FAIL() << "opened a port that does not exist";
    } catch (const EComPort &failure) {
        EXPECT_EQ(failure.code(), 1);
        EXPECT_STREQ(failure.what(), "Unable to open com port (win error code: 2)");
    }
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(log.entries, QStringList({"BeforeOpen"}));
}

TEST_F(ComPortOverPty, APortOpenElsewhereIsRefusedAsBusy)
{
    port.OpenPort();
    TComPort second;
    second.SetPort(pty.slavePath());
    try {
        second.OpenPort();
        FAIL() << "opened a port twice";
    } catch (const EComPort &failure) {
        EXPECT_EQ(failure.systemError(), EBUSY);
    }
    port.ClosePort();
    EXPECT_NO_THROW(second.OpenPort());
}

TEST_F(ComPortOverPty, AHangUpIsOneIOErrorAndTheHandlerCanClose)
{
    log.onError = [&](TComErrors) { port.ClosePort(); };
    port.OpenPort();
    pty.closeMaster();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !port.Connected(); }, 2000));
    QTest::qWait(50);
    EXPECT_EQ(log.entries, QStringList({"BeforeOpen", "AfterOpen", "Error 16", "BeforeClose", "AfterClose"}));
}

TEST_F(ComPortOverPty, AfterAHangUpTheEventThreadSleeps)
{
    port.OpenPort();
    pty.closeMaster();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log.lineEvents().isEmpty(); }, 2000));
    EXPECT_EQ(port.PendingInputCount(), 0);
    EXPECT_THROW(port.SendText("x"), EComPort);
    expectOneIOErrorAndASleepingThread();
    EXPECT_NO_THROW(port.ClosePort());
}

TEST_F(ComPortOverPty, AFailedEventWaitIsReportedOnceAndTheThreadSleeps)
{
    system->breakWaits = true;
    port.OpenPort();
    const auto *device = dynamic_cast<BrokenWaitDevice *>(system->last);
    ASSERT_NE(device, nullptr);
    expectOneIOErrorAndASleepingThread();
    EXPECT_EQ(device->waits, 1);
    EXPECT_NO_THROW(port.ClosePort());
}

TEST(PosixSerialDevice, TakesARateTheDriverMadeOnlyWithinThreePercent)
{
    EXPECT_TRUE(PosixSerialDevice::rateAchieved(256000, 256000));
    EXPECT_TRUE(PosixSerialDevice::rateAchieved(56000, 57600)); // 2.9% off
    EXPECT_TRUE(PosixSerialDevice::rateAchieved(100000, 97000));
    EXPECT_TRUE(PosixSerialDevice::rateAchieved(100000, 103000));
    EXPECT_FALSE(PosixSerialDevice::rateAchieved(100000, 103001));
    EXPECT_FALSE(PosixSerialDevice::rateAchieved(100000, 96999));
    EXPECT_FALSE(PosixSerialDevice::rateAchieved(256000, 230400)); // a 16550 kept its nearest rate
    EXPECT_FALSE(PosixSerialDevice::rateAchieved(256000, 9600));
    EXPECT_FALSE(PosixSerialDevice::rateAchieved(2000000000, 0));
}

TEST(PosixSerialSystem, MapsPortNamesToDevicePaths)
{
    EXPECT_EQ(PosixSerialSystem::devicePath("COM1"), "/dev/ttyS0");
    EXPECT_EQ(PosixSerialSystem::devicePath("com12"), "/dev/ttyS11");
    EXPECT_EQ(PosixSerialSystem::devicePath("ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(PosixSerialSystem::devicePath("/tmp/ttyA"), "/tmp/ttyA");
    EXPECT_EQ(PosixSerialSystem::devicePath("COM0"), "/dev/COM0");
    for (const QString name : {"ttyS0", "ttyS11", "ttyUSB0", "ttyACM3"})
        EXPECT_EQ(PosixSerialSystem::devicePath(PosixSerialSystem::listedName(name)), "/dev/" + name);
    EXPECT_EQ(PosixSerialSystem::listedName("ttyS0"), "COM1");
}

} // namespace
