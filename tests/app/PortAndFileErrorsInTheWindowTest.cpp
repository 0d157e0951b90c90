#include "ProgramFixture.h"
#include "devsim/DeviceSimulator.h"
#include "i18n/LanguageTestWindows.h"
#include "link/port/TComPort.h"
#include "link/settings/boxes/TComComboBox.h"
#include "link/transfers/TransferSession.h"
#include "support/PseudoTerminal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// The main window over the delivered language file, Czech (active=0) or English (active=1).
class PortAndFileErrorsInTheWindow : public ProgramFixture
{
protected:
    void startIn(const QByteArray &active, const QByteArray &port = "COM1")
    {
        QByteArray file = TestFiles::read(LanguageTest::deliveredLanguageFile());
        file.replace("active=0", "active=" + active);
        file.replace("Port=COM1", "Port=" + port);
        writeLanguageFile(file);
        start();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    TComComboBox *portBox() { return child<TComComboBox>("ComComboBox1"); }
    // Types a port name into the port box as the operator does and ends with Enter.
    void typePort(const QString &name)
    {
        portBox()->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return portBox()->hasFocus(); }, 2000));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    // The one error the operator is shown when going On Line.
    QString onLineError()
    {
        child<QAbstractButton>("cbOnLine")->click();
        return prompts.errors.size() == 1 ? prompts.errors[0] : prompts.errors.join(" | ");
    }
};

} // namespace

TEST_F(PortAndFileErrorsInTheWindow, ATypedPseudoTerminalGoesOnLineWithTheSimulatorAndIsKept)
{
    QTemporaryDir deviceFolder;
    TestFiles::write(deviceFolder.filePath("alpha.txt"),
                     "SFA $07.12.26 15:12:03$\r\nSDK   1   7 \\alpha\\     1     0 0\r\nSDW     0  1 C41\r\n"
                     "SDE\r\nSFE\r\n");
    DeviceSimulator simulator(DeviceSimulator::Options{.folder = deviceFolder.path()});
    ASSERT_EQ(simulator.start(), "");
    startIn("1");
    typePort(simulator.portPath());
    EXPECT_EQ(form->port().Port(), simulator.portPath());
    EXPECT_EQ(portBox()->currentText(), simulator.portPath());
    EXPECT_TRUE(portBox()->toolTip().endsWith("\n" + simulator.portPath()));

    child<QAbstractButton>("cbOnLine")->click();
    auto *session = form->findChild<TransferSession *>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return session->directoryShown(); }, 5000));
    EXPECT_EQ(form->document().entries().count(), 2);
    child<QAbstractButton>("cbOnLine")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->port().Connected(); }, 5000));
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();

    form->close();
    form.reset();
    EXPECT_TRUE(TestFiles::read(languagePath).contains("\r\nPort=" + simulator.portPath().toUtf8() + "\r\n"));
}

TEST_F(PortAndFileErrorsInTheWindow, APortThatDoesNotOpenIsToldInEnglish)
{
    startIn("1", "/dev/winorba-no-such-port");
    EXPECT_EQ(onLineError(), "Port /dev/winorba-no-such-port cannot be opened: there is no such port (error 2)");
    prompts.errors.clear();

    typePort("/dev/null");
    EXPECT_EQ(onLineError(), "Port /dev/null cannot be opened: it is not a serial port (error 25)");
    prompts.errors.clear();

    PseudoTerminal line;
    TComPort otherProgram;
    otherProgram.SetPort(line.slavePath());
    otherProgram.OpenPort();
    typePort(line.slavePath());
    EXPECT_EQ(onLineError(),
              "Port " + line.slavePath() + " cannot be opened: another program is using the port (error 16)");
    EXPECT_FALSE(form->port().Connected());
}

TEST_F(PortAndFileErrorsInTheWindow, APortInUseIsToldInCzech)
{
    PseudoTerminal line;
    TComPort otherProgram;
    otherProgram.SetPort(line.slavePath());
    otherProgram.OpenPort();
    startIn("0", line.slavePath().toUtf8());
    EXPECT_EQ(onLineError(),
              QString::fromUtf8("Port %1 nelze otevřít: port používá jiný program (chyba 16)").arg(line.slavePath()));
}

TEST_F(PortAndFileErrorsInTheWindow, AFileThatCannotBeLoadedIsToldWithThePathAndReason)
{
    startIn("0");
    prompts.openAnswer = dir.path();
    child<QAbstractButton>("btnNacti")->click();
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(prompts.errors[0],
              QString::fromUtf8("Soubor \"%1\" nelze přečíst: je to složka (chyba 21)").arg(dir.path()));
}

TEST_F(PortAndFileErrorsInTheWindow, EachPortBoxIsDescribedInTheChosenLanguage)
{
    startIn("1");
    const QStringList expected{
        "Port: choose from the list", "Data bits", "Baud rate", "Parity", "Flow control", "Stop bits"};
    const QStringList names{"ComComboBox1", "ComComboBox3", "ComComboBox2",
                            "ComComboBox4", "ComComboBox6", "ComComboBox5"};
    for (qsizetype i = 0; i < names.size(); ++i)
        EXPECT_TRUE(child<QWidget>(names[i].toLatin1())->toolTip().startsWith(expected[i]))
            << names[i].toStdString() << ": " << child<QWidget>(names[i].toLatin1())->toolTip().toStdString();
    EXPECT_TRUE(portBox()->toolTip().endsWith("\nCOM1"));
    EXPECT_TRUE(portBox()->isEnabled());
}
