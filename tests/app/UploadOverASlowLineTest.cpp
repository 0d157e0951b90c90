#include "ProgramFixture.h"
#include "link/port/TComPort.h"
#include "support/DrainingSerialSystem.h"

#include <QAbstractButton>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

namespace
{

// 9600 baud, 8 data bits, even parity, 1 stop bit.
constexpr qint64 CharacterNs = 1145834;
constexpr qint64 FiftyMs = 50000000;

// An upload through the window to a device whose line carries 9600 baud: the
// port's output queue empties at the wire's rate on the line's own clock,
// which moves only while the program waits for the line.
class UploadOverASlowLine : public ProgramFixture
{
protected:
    void SetUp() override
    {
        system->line.characterNs = CharacterNs;
        writeLanguageFile("[ComPort1]\r\nPort=ttyS0\r\n");
        form = CreateProgramWindows(prompts, languagePath, system);
        form->show();
        // 60 lines of 100 bytes: more than the queue holds, each line 115 ms on the wire.
        // The first is an SFA line, so the file holds device data and Send is offered.
        file = "SFA" + QByteArray(95, 'A') + "\r\n";
        for (int line = 1; line < 60; ++line)
            file += QByteArray(98, char('A' + line % 26)) + "\r\n";
        const QString path = dir.filePath("sent.txt");
        TestFiles::write(path, file);
        prompts.openAnswer = path;
        click("btnNacti");
        // A tick at every pass of the window's event loop, timed on the line's clock.
        QObject::connect(&ticker, &QTimer::timeout, [this] { tick(); });
        QObject::connect(&form->port(), &TCustomComPort::OnAfterOpen, [this] { ticker.start(0); });
        QObject::connect(&form->port(), &TCustomComPort::OnBeforeClose, [this] {
            ticker.stop();
            tick();
            queuedAtClose = line().queued();
            percentAtClose = child<QLabel>("Procenta")->text();
        });
    }

    DrainingLine &line() { return system->line; }
    void click(const char *button) { QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton); }
    void tick()
    {
        if (lastTick >= 0)
            longestGap = qMax(longestGap, line().now() - lastTick);
        lastTick = line().now();
        if (onTick)
            onTick();
    }

    std::shared_ptr<DrainingSerialSystem> system = std::make_shared<DrainingSerialSystem>();
    QByteArray file;
    QTimer ticker;
    qint64 lastTick = -1;
    qint64 longestGap = 0;
    qint64 queuedAtClose = -1;
    QString percentAtClose;
    std::function<void()> onTick;
};

} // namespace

// Each line took 115 ms of the wire inside one write, without an event handled.
TEST_F(UploadOverASlowLine, TheWindowHandlesItsEventsWhileTheLineCarriesTheFile)
{
    click("btnPosli");
    EXPECT_EQ(line().written(), file);
    EXPECT_EQ(line().delivered(), file.size());
    EXPECT_LE(longestGap, FiftyMs) << "longest gap " << longestGap / 1000000 << " ms";
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

// The bar never runs ahead of the device, and the port closes once the queue is empty.
TEST_F(UploadOverASlowLine, ProgressFollowsWhatHasLeftThePortAndThePortClosesOnceItAllHas)
{
    qint64 ahead = 0;
    QObject::connect(child<QProgressBar>("ProgressBar1"), &QProgressBar::valueChanged,
                     [&](int value) { ahead = qMax(ahead, value - line().delivered()); });
    click("btnPosli");
    EXPECT_EQ(ahead, 0);
    EXPECT_EQ(queuedAtClose, 0);
    EXPECT_EQ(percentAtClose, "100 %");
    EXPECT_FALSE(form->port().Connected());
}

// What the queue holds is thrown away: the line falls silent with the cancel.
TEST_F(UploadOverASlowLine, CancelStopsTheLineAtOnce)
{
    qint64 deliveredAtCancel = -1;
    onTick = [&] {
        if (deliveredAtCancel < 0 && line().delivered() > 1000) {
            deliveredAtCancel = line().delivered();
            click("btnZrus");
        }
    };
    click("btnPosli");
    ASSERT_GT(deliveredAtCancel, 0);
    EXPECT_FALSE(form->port().Connected());
    EXPECT_EQ(line().queued(), 0);
    EXPECT_EQ(line().delivered(), deliveredAtCancel);
    EXPECT_TRUE(file.startsWith(line().written()));
    EXPECT_LT(line().written().size(), file.size());
    EXPECT_TRUE(child<QWidget>("Progress")->isHidden());
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}
