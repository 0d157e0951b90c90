#include "ProgramFixture.h"
#include "link/TComPort.h"
#include "link/TransferSession.h"
#include "support/PseudoTerminal.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// The device's directory: a device data file whose records are its files; the
// first record's name holds the letters "SFE", which must not end the file.
const QByteArray Directory = "SFA $07.12.26 15:12:03$\r\n"
                             "SDK   1   1 \\USFEK\\     1     0 0\r\n"
                             "SDW     0  1 C00\r\n"
                             "SDE\r\n"
                             "SDK   1   5 \\DRUHY\\     1     0 0\r\n"
                             "SDW     0  1 C00\r\n"
                             "SDE\r\n"
                             "SFE\r\n";

// One device file as the device sends it.
const QByteArray DeviceFile = "SFA $07.12.26 15:12:03$\r\n"
                              "SDK   1   5 \\DRUHY\\     1     0 0\r\n"
                              "SDW     0  1 C41\r\n"
                              "SDE\r\n"
                              "SFE\r\n";

class Transfers : public ProgramFixture
{
protected:
    void SetUp() override
    {
        writeLanguageFile("[Jazyk]\r\nPoradi=CZ\r\nactive=0\r\n"
                          "[CZ]\r\n11=Zapisuji\r\n50=Chyba linky\r\n51=Parita\r\n52=Preruseni\r\n53=Ramec\r\n"
                          "[ComPort1]\r\nPort=" +
                          device.slavePath().toUtf8() + "\r\n");
        start();
        form->show();
        QApplication::setActiveWindow(form.get());
        child<QWidget>("Seznam")->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    TransferSession &session() { return *form->findChild<TransferSession *>(); }
    TComPort &port() { return form->port(); }
    bool panelShown() { return !child<QWidget>("Progress")->isHidden(); }
    bool windowUsable() { return enabled("Panel_Tlacitka") && !panelShown(); }
    void click(const char *button) { QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton); }
    void clickOnLine() { QTest::mouseClick(child<QCheckBox>("cbOnLine"), Qt::LeftButton, {}, QPoint(5, 5)); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    void pressEscape() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }
    void selectRow(int row) { child<QTableView>("Seznam")->selectRow(row); }

    // The bytes the program wrote, exactly these and nothing more.
    void expectWire(const QByteArray &bytes) { EXPECT_EQ(device.receive(bytes.size()), bytes); }
    void expectQuietWire() { EXPECT_EQ(device.receive(1, 50), QByteArray()); }
    // The device sends, and the receiver has taken all of it.
    void deviceSends(const QByteArray &bytes)
    {
        device.send(bytes);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !port().Connected() || (port().PendingInputCount() == 0 && !hasPendingEvents()); }, 2000));
    }
    static bool hasPendingEvents()
    {
        QCoreApplication::processEvents();
        return false;
    }
    bool waitFor(const std::function<bool()> &condition) { return QTest::qWaitFor(condition, 2000); }
    QByteArray cell(int row, int column) { return form->document().entries().at(row).cell(column); }

    // On Line with the directory on screen.
    void enterOnLine()
    {
        clickOnLine();
        expectWire("*KORAX@DSTRANS$!");
        deviceSends("STRANS$!");
        expectWire("*KORAX@DIR$!");
        deviceSends(Directory);
        ASSERT_TRUE(waitFor([&] { return session().directoryShown(); }));
    }
    // With a device file open from the directory's second row.
    void openDeviceFile()
    {
        enterOnLine();
        selectRow(4);
        trigger("Upravit1");
        expectWire("*KORAX@RD001%005$!");
        deviceSends(DeviceFile);
        ASSERT_TRUE(waitFor([&] { return form->document().deviceFileOpen && !panelShown(); }));
    }
    // The memo and percentage as they stand when the port starts closing
    // (the after-close handler clears the memo).
    void watchTheEndOfTheUpload()
    {
        QObject::connect(&port(), &TCustomComPort::OnBeforeClose, form.get(), [this] {
            memoAtClose = child<QPlainTextEdit>("Memo1")->toPlainText();
            percentAtClose = child<QLabel>("Procenta")->text();
        });
    }
    QString writeFile(const QByteArray &bytes)
    {
        const QString path = dir.filePath("sent.txt");
        TestFiles::write(path, bytes);
        return path;
    }
    void loadFile(const QString &path)
    {
        prompts.openAnswer = path;
        click("btnNacti");
        ASSERT_TRUE(enabled("btnPosli"));
    }

    PseudoTerminal device;
    QString memoAtClose;
    QString percentAtClose;
};

} // namespace

TEST_F(Transfers, TheWholeOnLineRoadWithTheExactBytesOnTheWire)
{
    clickOnLine();
    expectWire("*KORAX@DSTRANS$!");
    EXPECT_TRUE(panelShown());
    EXPECT_FALSE(enabled("Panel_Tlacitka"));
    deviceSends("STRANS$!");
    expectWire("*KORAX@DIR$!");
    deviceSends(Directory);
    ASSERT_TRUE(waitFor([&] { return session().directoryShown(); }));
    EXPECT_EQ(TestFiles::read(session().transferFile()), Directory);
    EXPECT_EQ(form->document().entries().count(), 4);
    EXPECT_TRUE(windowUsable());
    EXPECT_TRUE(port().Connected());

    selectRow(2);
    trigger("Upravit1");
    expectWire("*KORAX@RD001%005$!");
    EXPECT_TRUE(panelShown());
    deviceSends(DeviceFile);
    ASSERT_TRUE(waitFor([&] { return !panelShown(); }));
    EXPECT_TRUE(form->document().deviceFileOpen);
    EXPECT_EQ(form->document().entries().count(), 2);
    EXPECT_EQ(cell(1, 2), "$41");

    click("btnZpet");
    expectWire("*KORAX@EW$!*KORAX@DSTRANS$!");
    EXPECT_FALSE(form->document().deviceFileOpen);
    deviceSends("STRANS$!");
    expectWire("*KORAX@DIR$!");
    deviceSends(Directory);
    ASSERT_TRUE(waitFor([&] { return session().directoryShown(); }));
    EXPECT_EQ(form->document().entries().count(), 4);

    selectRow(0);
    trigger("Smazat1");
    expectWire("*KORAX@DEL001%001$!");
    EXPECT_EQ(form->document().entries().count(), 3);
    EXPECT_EQ(cell(0, 0), "");

    clickOnLine();
    expectWire("*KORAX@EW$!*KORAX@BREAK$!");
    EXPECT_FALSE(port().Connected());
    EXPECT_TRUE(windowUsable());
    EXPECT_TRUE(form->document().entries().isEmpty());
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}
