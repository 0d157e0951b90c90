#include "link/FakeSerialSystem.h"

#include "document/Document.h"
#include "i18n/KeptTexts.h"
#include "link/port/EComPort.h"
#include "link/port/TComPort.h"
#include "link/transfers/TransferSession.h"
#include "link/transfers/TransferView.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace
{

// A window that only remembers what it was told.
struct RecordingView : TransferView {
    bool onLine = false;
    bool ready = true;
    bool panelShown = false;
    bool onLineTicked() const override { return onLine; }
    void setOnLineTicked(bool ticked) override { onLine = ticked; }
    bool openReceivedTicked() const override { return false; }
    void updateControls(bool isReady) override { ready = isReady; }
    void setDoubleClickAttached(bool) override {}
    int selectedRow() const override { return -1; }
    void showProgressPanel(bool shown) override { panelShown = shown; }
    void setProgress(qint64, qint64) override {}
    void setPercentText(QByteArrayView) override {}
    void setLogText(QByteArrayView) override {}
    void addLogLine(QByteArrayView) override {}
    void showWaiting(const QString &) override {}
    std::optional<QString> chooseReceiveFile(const QString &) override { return std::nullopt; }
    bool askYesNo(const QString &) override { return true; }
    void showError(const QString &) override {}
    void showLineError(const QString &, const QString &) override {}
    void showStatus(const QString &) override {}
};

struct TransferSessionOverAFakeLine : ::testing::Test {
    std::shared_ptr<FakeSerialSystem> system = std::make_shared<FakeSerialSystem>();
    TComPort port{nullptr, system};
    Document document;
    RecordingView view;
    KeptTexts texts;
    TransferSession session{port, document, view, texts, QStringLiteral("unused.tmp")};

    TransferSessionOverAFakeLine()
    {
        QObject::connect(&port, &TCustomComPort::OnBeforeOpen, [this] { session.BeforeOpen(); });
        QObject::connect(&port, &TCustomComPort::OnAfterClose, [this] { session.AfterClose(); });
    }
};

TEST_F(TransferSessionOverAFakeLine, ACommandTheDeviceDoesNotTakeWhollyClosesThePortAndIsReported)
{
    system->line.writeLimit = 5;
    view.onLine = true;
    try {
        session.OnLineSwitched();
        FAIL() << "a cut command passed as sent";
    } catch (const EComPort &failure) {
        EXPECT_EQ(failure.code(), EComPort::WriteFailed);
        EXPECT_EQ(failure.systemError(), ETIMEDOUT);
    }
    EXPECT_EQ(system->line.written, "*KORA");
    EXPECT_FALSE(port.Connected());
    EXPECT_TRUE(view.ready);
    EXPECT_FALSE(view.panelShown);
}

} // namespace
