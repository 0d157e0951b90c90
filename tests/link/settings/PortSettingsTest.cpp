#include "link/FakeSerialSystem.h"
#include "link/ShownFailures.h"
#include "support/PseudoTerminal.h"

#include "link/port/EComPort.h"
#include "link/port/PosixSerialSystem.h"
#include "link/port/TComPort.h"
#include "link/settings/ComPortSettingsFile.h"
#include "link/settings/ComValueText.h"
#include "link/settings/boxes/TComComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <cerrno>

namespace
{

TEST(FlowControlPresets, SetOnlyTheirFieldsAndReadBack)
{
    TComFlowControl flow;
    flow.ControlDTR = dtrHandshake;
    flow.OutDSRFlow = true;
    for (const TFlowControl preset : {fcHardware, fcSoftware, fcNone}) {
        flow.SetFlowControl(preset);
        EXPECT_EQ(flow.FlowControl(), preset);
        EXPECT_EQ(flow.ControlDTR, dtrHandshake);
        EXPECT_TRUE(flow.OutDSRFlow);
    }
    const TComFlowControl before = flow;
    flow.SetFlowControl(fcCustom);
    EXPECT_EQ(flow, before);
    flow.XonXoffIn = true; // software on input only matches no preset
    EXPECT_EQ(flow.FlowControl(), fcCustom);
}

TEST(ComValueText, ReadsTextsWithoutRegardToCaseAndFallsBack)
{
    EXPECT_EQ(ComValueText::toBaudRate(u"custom"), brCustom);
    EXPECT_EQ(ComValueText::toBaudRate(u"256000"), br256000);
    EXPECT_EQ(ComValueText::toBaudRate(u"9601"), br9600);
    EXPECT_EQ(ComValueText::toStopBits(u"1.5"), sbOne5StopBits);
    EXPECT_EQ(ComValueText::toStopBits(u"3"), sbOneStopBit);
    EXPECT_EQ(ComValueText::toDataBits(u"9"), dbEight);
    EXPECT_EQ(ComValueText::toParity(u"sPACE"), prSpace);
    EXPECT_EQ(ComValueText::toParity(u""), prNone);
    EXPECT_EQ(ComValueText::toFlowControl(u"HARDWARE"), fcHardware);
    EXPECT_EQ(ComValueText::toFlowControl(u"RTS"), fcCustom);
    EXPECT_EQ(ComValueText::text(br14400), "14400");
}

TEST(EComPort, CarriesItsTextAndTheSystemsNumber)
{
    EXPECT_STREQ(EComPort(23).what(), "Registry error");
    EXPECT_STREQ(EComPort(9, 22).what(), "SetupComm function failed (win error code: 22)");
    EXPECT_STREQ(EComPort(5, 0).what(), "PurgeComm function failed (win error code: 0)");
}

TEST(ListPortNames, ListsPortsWithADeviceSortedWithoutRegardToCase)
{
    QTemporaryDir sysfs;
    auto addTty = [&](const QString &name, bool device, const QByteArray &type) {
        QDir(sysfs.path()).mkpath(name);
        const QString entry = sysfs.path() + '/' + name;
        if (device)
            QFile::link(sysfs.path(), entry + "/device");
        QFile typeFile(entry + "/type");
        if (!type.isEmpty() && typeFile.open(QIODevice::WriteOnly))
            typeFile.write(type + '\n');
    };
    addTty("ttyS2", true, "4");
    addTty("ttyS1", true, "0");
    addTty("ttyS10", true, "4");
    addTty("ttyUSB0", true, {});
    addTty("tty0", false, {});
    addTty("TTYACM0", true, {});
    PosixSerialSystem system(sysfs.path());
    QStringList names;
    ListPortNames(names, system);
    // ttySn is listed as COM(n+1); COM11 sorts before COM3, as text does.
    EXPECT_EQ(names, QStringList({"COM11", "COM3", "TTYACM0", "ttyUSB0"}));

    PosixSerialSystem missing(sysfs.path() + "/none");
    try {
        ListPortNames(names, missing);
        FAIL() << "listed a missing folder";
    } catch (const EComPort &failure) {
        EXPECT_EQ(failure.code(), 23);
        EXPECT_EQ(failure.systemError(), ENOENT);
    }
}

struct PortBoxes : ::testing::Test {
    std::shared_ptr<FakeSerialSystem> system = std::make_shared<FakeSerialSystem>();
    TComPort port{nullptr, system};
    TComComboBox box;

    PortBoxes() { TComPort::ApplyWindowDesignValues(port); }
    void bind(TComProperty property, bool autoApply = true)
    {
        box.SetComPort(&port);
        box.SetComProperty(property);
        box.SetAutoApply(autoApply);
    }
    void choose(const QString &text) { emit box.activated(box.findText(text)); }
};

TEST_F(PortBoxes, TheBaudBoxListsSixteenRatesAndShowsTheSeventhFor4800)
{
    bind(cpBaudRate);
    ASSERT_EQ(box.count(), 16);
    EXPECT_EQ(box.itemText(0), "Custom");
    EXPECT_EQ(box.currentIndex(), 6);
    EXPECT_EQ(box.currentText(), "4800");
}

TEST_F(PortBoxes, AChoiceIsAppliedToTheOpenPortOnlyWithAutoApply)
{
    port.OpenPort();
    bind(cpParity, false);
    choose("Odd");
    EXPECT_EQ(port.Parity().Bits, prEven);
    box.ApplySelection();
    EXPECT_EQ(port.Parity().Bits, prOdd);
    EXPECT_EQ(system->line.lastLine.parity.Bits, prOdd);
    box.SetAutoApply(true);
    choose("Space");
    EXPECT_EQ(system->line.lastLine.parity.Bits, prSpace);
}

TEST_F(PortBoxes, TheFlowBoxShowsThePresetAndNothingForCustomFields)
{
    bind(cpFlowControl);
    EXPECT_EQ(box.currentText(), "Hardware");
    TComFlowControl flow = port.FlowControl();
    flow.XonXoffOut = true;
    port.SetFlowControl(flow);
    box.ShowCurrentSetting();
    EXPECT_EQ(box.currentIndex(), 3);
    choose("None");
    EXPECT_EQ(port.FlowControl().FlowControl(), fcNone);
    EXPECT_EQ(port.FlowControl().ControlDTR, dtrHandshake);
}

TEST_F(PortBoxes, APortNotInTheListSelectsNothingButIsShownWhole)
{
    PseudoTerminal pty;
    port.SetPort(pty.slavePath());
    bind(cpPort);
    box.SetDescription("Port");
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.currentText(), pty.slavePath());
    EXPECT_EQ(box.toolTip(), "Port\n" + pty.slavePath());
    box.ApplySelection();
    EXPECT_EQ(port.Port(), pty.slavePath());
}

TEST_F(PortBoxes, EveryBoxDescribesItselfAndOnlyThePortBoxTakesTypedText)
{
    bind(cpBaudRate);
    box.SetDescription("Baud rate");
    EXPECT_EQ(box.toolTip(), "Baud rate");
    EXPECT_EQ(box.accessibleName(), "Baud rate");
    EXPECT_FALSE(box.isEditable());
    box.SetComProperty(cpPort);
    EXPECT_TRUE(box.isEditable());
    EXPECT_EQ(box.toolTip(), "Baud rate\nCOM1");
}

// Typing alone changes nothing: an open port is reopened on the typed name
// only when the operator ends the typing (Enter, or the focus leaving).
TEST_F(PortBoxes, ATypedPortIsAppliedWhenTheTypingEnds)
{
    system->ports = {"COM1", "COM2"};
    bind(cpPort);
    port.OpenPort();
    box.show();
    box.activateWindow();
    box.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "/dev/serial/by-id/usb-1");
    EXPECT_EQ(port.Port(), "COM1");
    EXPECT_EQ(system->line.openedName, "COM1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(port.Port(), "/dev/serial/by-id/usb-1");
    EXPECT_TRUE(port.Connected());
    EXPECT_EQ(system->line.openedName, "/dev/serial/by-id/usb-1");
    EXPECT_EQ(box.count(), 2); // a typed name is not added to the system's list
    EXPECT_TRUE(box.toolTip().endsWith("/dev/serial/by-id/usb-1"));

    // An emptied box shows the port in use again and applies nothing.
    box.lineEdit()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(box.currentText(), "/dev/serial/by-id/usb-1");
    EXPECT_EQ(port.Port(), "/dev/serial/by-id/usb-1");
}

TEST_F(PortBoxes, ATypedPortIsAppliedWhenTheFocusLeaves)
{
    QWidget window;
    auto *portBox = new TComComboBox(&window);
    auto *other = new QLineEdit(&window);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(portBox);
    layout->addWidget(other);
    portBox->SetComPort(&port);
    portBox->SetComProperty(cpPort);
    portBox->SetAutoApply(true);
    window.show();
    window.activateWindow();
    portBox->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    portBox->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "/dev/pts/77");
    EXPECT_EQ(port.Port(), "COM1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), other);
    EXPECT_EQ(port.Port(), "/dev/pts/77");
}

TEST_F(PortBoxes, APortListThatCannotBeReadIsShownAndLeavesTheBoxEmpty)
{
    system->ports = {"COM1", "COM2"};
    bind(cpPort);
    ASSERT_EQ(box.count(), 2);

    ShownFailures shown{port};
    system->listError = EACCES;
    box.showPopup();
    EXPECT_EQ(box.count(), 0);
    EXPECT_FALSE(box.view()->isVisible());
    EXPECT_EQ(shown.messages, QStringList({"Registry error (win error code: 13)"}));
}

TEST_F(PortBoxes, AChoiceNoLongerShownIsNotAppliedLater)
{
    system->ports = {"COM1", "COM2"};
    bind(cpPort, false);
    choose("COM2");
    port.SetPort("/tmp/ttyWinOrba");
    box.ShowCurrentSetting();
    EXPECT_EQ(box.currentIndex(), -1);
    box.ApplySelection();
    EXPECT_EQ(port.Port(), "/tmp/ttyWinOrba");
}

TEST_F(PortBoxes, ABoxForgetsADestroyedPort)
{
    auto temporary = std::make_unique<TComPort>(nullptr, system);
    box.SetComPort(temporary.get());
    box.SetComProperty(cpStopBits);
    temporary.reset();
    EXPECT_EQ(box.ComPort(), nullptr);
    choose("2");
    EXPECT_EQ(box.currentIndex(), 0);
}

struct SettingsFile : ::testing::Test {
    QTemporaryDir folder;
    QString path = folder.filePath("WinOrba.lng");
    std::shared_ptr<FakeSerialSystem> system = std::make_shared<FakeSerialSystem>();
    TComPort port{nullptr, system};

    SettingsFile() { TComPort::ApplyWindowDesignValues(port); }
    void write(const QByteArray &content)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Jazyk]\r\nactive=1\r\n[ComPort1]\r\n" + content);
    }
};

TEST_F(SettingsFile, UnknownTextsFallBackAndMissingKeysKeepTheCurrentValues)
{
    write("BaudRate=banana\r\nFlowControl=Custom\r\nStopBits=1.5\r\n");
    ComPortSettingsFile::LoadLineSettings(port, path);
    EXPECT_EQ(port.BaudRate(), br9600);
    EXPECT_EQ(port.Parity().Bits, prEven);
    EXPECT_EQ(port.StopBits(), sbOne5StopBits);
    EXPECT_EQ(port.FlowControl().FlowControl(), fcHardware);
    EXPECT_EQ(port.Port(), "COM1");
}

TEST_F(SettingsFile, SavesAndLoadsBackIncludingACustomRate)
{
    port.SetPort("/tmp/ttyA");
    port.SetCustomBaudRate(31250);
    port.SetBaudRate(brCustom);
    port.SetFlowControlPreset(fcSoftware);
    port.SetDataBits(dbSeven);
    ComPortSettingsFile::SaveLineSettings(port, path);

    TComPort loaded(nullptr, system);
    ComPortSettingsFile::LoadLineSettings(loaded, path);
    EXPECT_EQ(loaded.Port(), "/tmp/ttyA");
    EXPECT_EQ(loaded.BaudRate(), brCustom);
    EXPECT_EQ(loaded.CustomBaudRate(), 31250);
    EXPECT_EQ(loaded.FlowControl().FlowControl(), fcSoftware);
    EXPECT_EQ(loaded.DataBits(), dbSeven);
    EXPECT_EQ(loaded.Parity().Bits, prEven);
}

TEST_F(SettingsFile, ACustomRateIsWrittenOnlyForCustom)
{
    ComPortSettingsFile::SaveLineSettings(port, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("BaudRate=4800\r\n"));
    EXPECT_FALSE(content.contains("CustomBaudRate"));
    EXPECT_TRUE(content.contains("FlowControl=Hardware\r\n"));
}

TEST_F(SettingsFile, AFailedLoadIsError17AndEndsTheUpdate)
{
    port.OpenPort();
    system->line.failLineSettings = true;
    write("BaudRate=19200\r\n");
    try {
        ComPortSettingsFile::LoadLineSettings(port, path);
        FAIL() << "a failed load went unnoticed";
    } catch (const EComPort &failure) {
        EXPECT_EQ(failure.code(), 17);
    }
    system->line.failLineSettings = false;
    port.SetBaudRate(br38400); // applied at once: no update left open
    EXPECT_EQ(system->line.lastLine.baudRate, 38400);
}

TEST_F(SettingsFile, AFailedSaveIsError16)
{
    try {
        ComPortSettingsFile::SaveLineSettings(port, folder.filePath("missing/WinOrba.lng"));
        FAIL() << "a failed save went unnoticed";
    } catch (const EComPort &failure) {
        EXPECT_EQ(failure.code(), 16);
    }
}

} // namespace
