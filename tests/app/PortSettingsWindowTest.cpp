#include "ProgramFixture.h"
#include "link/port/TComPort.h"
#include "link/settings/boxes/TComComboBox.h"
#include "support/PseudoTerminal.h"

#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

class PortSettingsWindow : public ProgramFixture
{
protected:
    TComComboBox *box(const char *name) { return child<TComComboBox>(name); }
};

} // namespace

TEST_F(PortSettingsWindow, WithoutSettingsTheBoxesShowTheWindowValues)
{
    start();
    EXPECT_EQ(box("ComComboBox2")->count(), 16);
    EXPECT_EQ(box("ComComboBox2")->itemText(0), "Custom");
    EXPECT_EQ(box("ComComboBox2")->currentIndex(), 6);
    EXPECT_EQ(box("ComComboBox2")->currentText(), "4800");
    EXPECT_EQ(box("ComComboBox3")->currentText(), "8");
    EXPECT_EQ(box("ComComboBox4")->currentText(), "Even");
    EXPECT_EQ(box("ComComboBox6")->currentText(), "Hardware");
    EXPECT_EQ(box("ComComboBox5")->currentText(), "1");
    EXPECT_EQ(form->port().Port(), "COM1");
}

TEST_F(PortSettingsWindow, SettingsAreLoadedAtStartAndSurviveARestart)
{
    writeLanguageFile("[ComPort1]\r\nBaudRate=9600\r\nParity=odd\r\nFlowControl=None\r\n");
    start();
    EXPECT_EQ(box("ComComboBox2")->currentText(), "9600");
    EXPECT_EQ(box("ComComboBox4")->currentText(), "Odd");
    EXPECT_EQ(box("ComComboBox6")->currentText(), "None");
    EXPECT_EQ(box("ComComboBox3")->currentText(), "8"); // missing key keeps the window value

    // The operator picks 19200 baud; it is applied at once and stored at close.
    box("ComComboBox2")->setCurrentIndex(box("ComComboBox2")->findText("19200"));
    emit box("ComComboBox2")->activated(box("ComComboBox2")->currentIndex());
    EXPECT_EQ(form->port().BaudRate(), br19200);
    form->close();
    start();
    EXPECT_EQ(box("ComComboBox2")->currentText(), "19200");
    EXPECT_EQ(box("ComComboBox4")->currentText(), "Odd");
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

TEST_F(PortSettingsWindow, ClosingOnLineSendsTheEndCommandFirst)
{
    PseudoTerminal line;
    writeLanguageFile("[ComPort1]\r\nPort=" + line.slavePath().toUtf8() + "\r\n");
    start();
    form->findChild<QCheckBox *>("cbOnLine")->setChecked(true);
    EXPECT_EQ(line.receive(16), "*KORAX@DSTRANS$!");
    form->close();
    EXPECT_EQ(line.receive(11), "*KORAX@EW$!");
    EXPECT_FALSE(form->port().Connected());
    EXPECT_EQ(ProfileFile(languagePath).readString("ComPort1", "Port", ""), line.slavePath().toUtf8());
}

TEST_F(PortSettingsWindow, ClosingOfflineSendsNothing)
{
    PseudoTerminal line;
    writeLanguageFile("[ComPort1]\r\nPort=" + line.slavePath().toUtf8() + "\r\n");
    start();
    form->close();
    EXPECT_EQ(line.receive(1), "");
}

TEST_F(PortSettingsWindow, OpeningThePortDisablesTheWindowAndClosingRestoresIt)
{
    PseudoTerminal line;
    writeLanguageFile("[ComPort1]\r\nPort=" + line.slavePath().toUtf8() + "\r\n");
    start();
    form->port().OpenPort();
    EXPECT_FALSE(form->findChild<QWidget *>("Panel_Tlacitka")->isEnabled());
    EXPECT_FALSE(form->findChild<QWidget *>("Progress")->isHidden());
    form->port().ClosePort();
    EXPECT_TRUE(form->findChild<QWidget *>("Panel_Tlacitka")->isEnabled());
    EXPECT_TRUE(form->findChild<QWidget *>("Progress")->isHidden());
}

TEST_F(PortSettingsWindow, PortFailuresReachTheirWindowAfterAnotherWindowHasGone)
{
    PseudoTerminal line;
    writeLanguageFile("[ComPort1]\r\nPort=" + line.slavePath().toUtf8() + "\r\n");
    start();
    FakePrompts secondPrompts;
    std::unique_ptr<TForm1> second = CreateProgramWindows(secondPrompts, languagePath);
    form.reset();

    // A port chosen in the box while the port is open is opened at once; this one does not exist.
    second->port().OpenPort();
    auto *portBox = second->findChild<TComComboBox *>("ComComboBox1");
    portBox->addItem("/nonexistent/ttyWinOrba");
    emit portBox->activated(portBox->count() - 1);
    ASSERT_EQ(secondPrompts.errors.size(), 1);
    EXPECT_TRUE(secondPrompts.errors[0].startsWith("Unable to open com port")) << secondPrompts.errors[0].toStdString();
}
