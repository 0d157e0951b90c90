#include "link/FakeSerialSystem.h"

#include "document/Document.h"
#include "i18n/KeptTexts.h"
#include "link/port/EComPort.h"
#include "link/port/TComPort.h"
#include "link/transfers/RecordingTransferView.h"
#include "link/transfers/TransferSession.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace
{

struct TransferSessionOverAFakeLine : ::testing::Test {
    std::shared_ptr<FakeSerialSystem> system = std::make_shared<FakeSerialSystem>();
    TComPort port{nullptr, system};
    Document document;
    RecordingTransferView view;
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
