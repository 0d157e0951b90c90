#include "NotificationLog.h"
#include "link/FakeSerialSystem.h"
#include "link/ShownFailures.h"

#include "link/port/EComPort.h"
#include "link/port/TComPort.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

struct ComPortEvents : ::testing::Test {
    std::shared_ptr<FakeSerialSystem> system = std::make_shared<FakeSerialSystem>();
    FakeLine &line = system->line;
    TComPort port{nullptr, system};
    NotificationLog log{port};

    ComPortEvents()
    {
        TComPort::ApplyWindowDesignValues(port);
        port.OpenPort();
        log.entries.clear();
    }
    // One wake-up of the event thread, delivered on this thread.
    void wakeUp(TComEvents events)
    {
        line.wakeUp(events);
        line.waitUntilHandedOver();
        QCoreApplication::processEvents();
    }
};

TEST_F(ComPortEvents, ALineErrorIsDeliveredBeforeTheCharactersOfTheSameWakeUp)
{
    line.errors.frame = true;
    line.queued = 5;
    wakeUp(evRxChar | evError);
    EXPECT_EQ(log.entries, QStringList({"Error 1", "RxChar 5"}));
}

TEST_F(ComPortEvents, MapsEveryErrorOfTheDeviceToItsBit)
{
    line.errors = {true, true, true, true, true, true, true, true};
    EXPECT_EQ(port.ReadLineErrors().toInt(), 255);
    EXPECT_EQ(port.ReadLineErrors().toInt(), 0);
    line.errors.inputOverflow = true;
    line.errors.breakSeen = true;
    EXPECT_EQ(port.ReadLineErrors(), ceRxOver | ceBreak);
}

TEST_F(ComPortEvents, AParityErrorIsNoLineErrorWhileParityIsNotChecked)
{
    TComParity parity = port.Parity();
    parity.Check = false;
    port.SetParity(parity);
    line.errors.parity = true;
    wakeUp(evError);
    EXPECT_TRUE(log.entries.isEmpty());

    line.errors.parity = true;
    line.errors.overrun = true;
    wakeUp(evError);
    EXPECT_EQ(log.entries, QStringList({"Error 4"}));
}

TEST_F(ComPortEvents, NothingIsDeliveredWhenNothingIsWaiting)
{
    wakeUp(evRxChar | evError);
    EXPECT_TRUE(log.entries.isEmpty());
}

TEST_F(ComPortEvents, EventsHandedOverBeforeACloseAreDropped)
{
    line.queued = 3;
    line.wakeUp(evRxChar);
    line.waitUntilHandedOver();
    port.ClosePort();
    port.OpenPort();
    QCoreApplication::processEvents();
    EXPECT_EQ(log.lineEvents(), QStringList());
}

TEST_F(ComPortEvents, AHandlerThatClosesThePortDropsTheRestOfTheWakeUp)
{
    log.onError = [&](TComErrors) { port.ClosePort(); };
    line.errors.frame = true;
    line.queued = 3;
    wakeUp(evRxChar | evError);
    EXPECT_EQ(log.lineEvents(), QStringList({"Error 1"}));
    EXPECT_FALSE(port.Connected());
}

TEST_F(ComPortEvents, AFailingHandlerIsShownAndThePortGoesOn)
{
    ShownFailures shown{port};
    log.onRxChar = [](int) { throw EComPort(EComPort::ReadFailed, 5); };
    line.queued = 1;
    wakeUp(evRxChar);
    EXPECT_EQ(shown.messages, QStringList({"ReadFile function failed (win error code: 5)"}));
    EXPECT_TRUE(port.Connected());
}

TEST_F(ComPortEvents, AFailureWhileApplyingSettingsLeavesThePortClosed)
{
    port.ClosePort();
    log.entries.clear();
    line.failLineSettings = true;
    EXPECT_THROW(port.OpenPort(), EComPort);
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(log.entries, QStringList({"BeforeOpen"}));
}

TEST_F(ComPortEvents, ClosingEndsClosedAlsoWhenDiscardingTheInputFails)
{
    line.failPurge = true;
    EXPECT_THROW(port.ClosePort(), EComPort);
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(log.entries, QStringList({"BeforeClose", "AfterClose"}));
    EXPECT_NO_THROW(port.OpenPort());
}

TEST_F(ComPortEvents, ANewPortOpensAlsoWhenTheOldOneFailedToCloseCleanly)
{
    line.failPurge = true;
    EXPECT_THROW(port.SetPort("COM2"), EComPort);
    line.failPurge = false;
    EXPECT_TRUE(port.Connected());
    EXPECT_EQ(port.Port(), "COM2");
    EXPECT_EQ(line.openedName, "COM2");
}

TEST_F(ComPortEvents, AFailingEventThreadIsOneIOErrorAndThenWaitsToBeStopped)
{
    line.failWait = true;
    line.wakeUp(evRxChar);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log.entries.isEmpty(); }, 2000));
    QTest::qWait(20);
    EXPECT_EQ(log.entries, QStringList({"Error 16"}));
    EXPECT_EQ(line.waits, 1);
    EXPECT_TRUE(port.Connected());
    EXPECT_NO_THROW(port.ClosePort());
    EXPECT_EQ(line.waits, 1);
}

TEST_F(ComPortEvents, FailuresReachTheOwnerOfTheirPortWhateverBecameOfOtherPorts)
{
    auto other = std::make_unique<TComPort>(nullptr, system);
    auto otherShown = std::make_unique<ShownFailures>(*other);
    ShownFailures shown{port};
    otherShown.reset();
    other.reset();
    log.onRxChar = [](int) { throw EComPort(EComPort::ReadFailed, 5); };
    line.queued = 1;
    wakeUp(evRxChar);
    EXPECT_EQ(shown.messages, QStringList({"ReadFile function failed (win error code: 5)"}));
}

TEST_F(ComPortEvents, PassesTheLineSettingsOfTheWindowValues)
{
    const SerialLineSettings &applied = line.lastLine;
    EXPECT_EQ(applied.baudRate, 4800);
    EXPECT_EQ(applied.parity.Bits, prEven);
    EXPECT_TRUE(applied.parity.Check);
    EXPECT_EQ(applied.flowControl.ControlDTR, dtrHandshake);
    EXPECT_EQ(applied.flowControl.FlowControl(), fcHardware);
    EXPECT_EQ(applied.xonLimit, 1024);
    EXPECT_THROW(port.SetEvents(evRxChar), EComPort);
}

} // namespace
