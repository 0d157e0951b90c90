#include "ProgramFixture.h"
#include "link/port/TComPort.h"
#include "support/PseudoTerminal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

const QByteArray DeviceFile = "SFA $07.12.26 15:12:03$\r\n"
                              "SDK   1   5 \\DRUHY\\     1     0 0\r\n"
                              "SDW     0  1 C41\r\n"
                              "SDE\r\n"
                              "SFE\r\n";

// The second record's field has no offset: a save of it would not read back and is refused.
const QByteArray UnsavableFile = "SFA $07.12.26 15:12:03$\r\n"
                                 "SDK   1   1 \\one\\     1     0 0\r\nSDW     0  1 C01\r\nSDE\r\n"
                                 "SDK   1   2 \\two\\     1     0 0\r\nSDW   BCDEF0\r\nSDE\r\nSFE\r\n";

// The status line of the main window as the operator's commands leave it, in
// two languages whose outcome texts are told apart by their first word.
class StatusLine : public ProgramFixture
{
protected:
    void SetUp() override
    {
        writeLanguageFile("[Jazyk]\r\nPoradi=EN,CZ\r\nactive=0\r\n"
                          "[EN]\r\n51=Parity error.\r\n68=%1 holds no device data\r\n80=%1 loaded, %2 entries\r\n"
                          "81=Saved as %1\r\n82=%1 sent, %2 lines\r\n83=%1 received, %2 bytes\r\n84=New list\r\n"
                          "86=Cancelled\r\n87=Stopped: %1\r\n"
                          "[CZ]\r\n80=Nacten %1, polozek %2\r\n84=Novy seznam\r\n"
                          "[ComPort1]\r\nPort=" +
                          device.slavePath().toUtf8() + "\r\n");
        start();
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    QString status() { return child<QLabel>("StatusText")->text(); }
    void click(const char *button) { QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton); }
    QString writeFile(const char *name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        TestFiles::write(path, bytes);
        return path;
    }
    void load(const QString &path)
    {
        prompts.openAnswer = path;
        click("btnNacti");
    }
    bool waitFor(const std::function<bool()> &condition) { return QTest::qWaitFor(condition, 2000); }
    // The contact address ends within the status line's margin of its right end, right of the status text.
    bool contactAtTheRight()
    {
        const QRect contact = child<QLabel>("Label2")->geometry();
        return form->statusBar()->width() - contact.right() < 16 &&
               child<QLabel>("StatusText")->geometry().right() < contact.left();
    }

    PseudoTerminal device;
};

} // namespace

TEST_F(StatusLine, StartsEmptyWithTheContactAddressAtTheRight)
{
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(contactAtTheRight());
}

TEST_F(StatusLine, ALoadTellsTheFileAndItsEntries)
{
    load(writeFile("device.txt", DeviceFile));
    EXPECT_EQ(status(), "device.txt loaded, 2 entries");

    const QString plain = writeFile("plain.txt", "just words\r\n");
    load(plain);
    EXPECT_EQ(status(), "Stopped: " + plain + " holds no device data");
}

TEST_F(StatusLine, ASaveTellsTheFileOrWhyItWasRefused)
{
    load(writeFile("device.txt", DeviceFile));
    prompts.saveAnswer = dir.filePath("copy.txt");
    click("btnUloz");
    EXPECT_EQ(status(), "Saved as copy.txt");

    load(writeFile("unsavable.txt", UnsavableFile));
    click("btnUloz");
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].startsWith("Cannot save")) << prompts.errors[0].toStdString();
    EXPECT_EQ(status(), "Stopped: " + prompts.errors[0].split(u'\n').join(u' '));
}

TEST_F(StatusLine, NewTellsOfTheNewList)
{
    click("btnNovy");
    EXPECT_EQ(status(), "New list");
}

TEST_F(StatusLine, ASendTellsTheFileAndItsLines)
{
    load(writeFile("device.txt", DeviceFile));
    click("btnPosli");
    EXPECT_EQ(device.receive(DeviceFile.size()), DeviceFile);
    ASSERT_TRUE(waitFor([&] { return !form->port().Connected(); }));
    EXPECT_EQ(status(), "device.txt sent, 5 lines");
}

TEST_F(StatusLine, AReceiveTellsTheFileAndItsBytesOrThatItWasCancelled)
{
    prompts.saveAnswer = dir.filePath("received.txt");
    click("btnPrijmi");
    device.send(DeviceFile);
    ASSERT_TRUE(waitFor([&] { return !form->port().Connected(); }));
    EXPECT_EQ(status(), QString("received.txt received, %1 bytes").arg(DeviceFile.size()));

    click("btnPrijmi");
    ASSERT_TRUE(waitFor([&] { return form->port().Connected(); }));
    QTest::keyClick(form->windowHandle(), Qt::Key_Escape);
    ASSERT_TRUE(waitFor([&] { return !form->port().Connected(); }));
    EXPECT_EQ(status(), "Cancelled");
}

TEST_F(StatusLine, ALineErrorTellsWhyTheReceiveStopped)
{
    prompts.saveAnswer = dir.filePath("received.txt");
    click("btnPrijmi");
    form->ComPort1Error(ceRxParity);
    EXPECT_EQ(status(), "Stopped: Parity error.");
}

// A long reason is cut at the contact address; it neither widens the window (also when a change of
// language fits the window to its captions anew) nor pushes the address aside.
TEST_F(StatusLine, ALongReasonLeavesTheContactAddressAtTheRight)
{
    const int width = form->width();
    load(writeFile(QByteArray(150, 'x').append(".txt").constData(), "no device data here\r\n"));
    QCoreApplication::processEvents();
    ASSERT_TRUE(status().startsWith("Stopped: "));
    EXPECT_EQ(form->width(), width);
    EXPECT_TRUE(contactAtTheRight());
    child<QComboBox>("cbJazyk")->setCurrentIndex(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->width(), width);
    EXPECT_TRUE(contactAtTheRight());
}

// The outcome shown stays in the language it was told in; the next one is in the language chosen since.
TEST_F(StatusLine, NewOutcomesAreToldInTheLanguageChosen)
{
    load(writeFile("device.txt", DeviceFile));
    child<QComboBox>("cbJazyk")->setCurrentIndex(1);
    EXPECT_EQ(status(), "device.txt loaded, 2 entries");
    load(dir.filePath("device.txt"));
    EXPECT_EQ(status(), "Nacten device.txt, polozek 2");
}
