#include "link/FakeSerialSystem.h"

#include "link/port/EComPort.h"
#include "link/port/TComPort.h"
#include "link/transfers/UploadWriter.h"

#include <gtest/gtest.h>

namespace
{

using namespace std::chrono_literals;

struct UploadWriterOverAFakeLine : ::testing::Test {
    std::shared_ptr<FakeSerialSystem> system = std::make_shared<FakeSerialSystem>();
    TComPort port{nullptr, system};
    const UploadWriter::Clock::time_point start{};
    const QByteArray text = "SFA\r\nSDE 12\r\nSFE";

    void SetUp() override
    {
        port.SetEvents({});
        port.OpenPort();
    }
    UploadWriter writer(const TComTimeouts &timeouts = {}) { return UploadWriter(text, timeouts, start); }
    static QList<QByteArray> bytesOf(const QList<QByteArrayView> &segments)
    {
        QList<QByteArray> bytes;
        for (const QByteArrayView segment : segments)
            bytes.append(segment.toByteArray());
        return bytes;
    }
};

} // namespace

TEST_F(UploadWriterOverAFakeLine, HandsOverEverySegmentTheQueueTakesWithoutWaitingForTheLine)
{
    UploadWriter upload = writer();
    upload.handOver(port);
    EXPECT_EQ(system->line.written, text);
    EXPECT_EQ(upload.left(), 0);
    EXPECT_FALSE(upload.finished());
}

TEST_F(UploadWriterOverAFakeLine, GoesOnWhereAFullQueueStoppedItWithTheSameBytes)
{
    system->line.writeLimit = 3;
    UploadWriter upload = writer();
    upload.handOver(port);
    EXPECT_EQ(system->line.written, "SFA");
    for (int i = 0; i < 10; ++i)
        upload.handOver(port);
    EXPECT_EQ(system->line.written, text);
}

// The bar and the log follow the bytes that have left the port, not those handed to it.
TEST_F(UploadWriterOverAFakeLine, CountsOnlyWhatHasLeftThePort)
{
    UploadWriter upload = writer();
    upload.handOver(port);
    EXPECT_EQ(bytesOf(upload.account(text.size() - 6, start)), QList<QByteArray>({"SFA\r\n"}));
    EXPECT_EQ(upload.left(), 6);
    EXPECT_EQ(upload.percent(), 37);
    EXPECT_EQ(bytesOf(upload.account(0, start)), QList<QByteArray>({"SDE 12\r\n", "S", "F", "E"}));
    EXPECT_TRUE(upload.finished());
    EXPECT_EQ(upload.percent(), 100);
}

// Limit of the second segment (8 bytes): 1000 + 100 x 8 ms from the moment the first had left.
TEST_F(UploadWriterOverAFakeLine, ASegmentsTimeLimitRunsFromWhenTheBytesBeforeItHadLeft)
{
    UploadWriter upload = writer({.WriteTotalConstant = 1000, .WriteTotalMultiplier = 100});
    upload.handOver(port);
    upload.account(text.size() - 5, start + 1s);
    EXPECT_NO_THROW(upload.account(text.size() - 5, start + 2800ms));
    try {
        upload.account(text.size() - 5, start + 2801ms);
        FAIL() << "a segment over its time limit went on";
    } catch (const EComPort &failure) {
        EXPECT_STREQ(failure.what(), "WriteFile function failed (win error code: 110)");
    }
}

TEST_F(UploadWriterOverAFakeLine, NoTimeLimitWhenBothWriteTimeoutsAreZero)
{
    UploadWriter upload = writer({.WriteTotalConstant = 0, .WriteTotalMultiplier = 0});
    upload.handOver(port);
    EXPECT_NO_THROW(upload.account(text.size(), start + 1000h));
}

TEST_F(UploadWriterOverAFakeLine, AnEmptyFileHasNothingToWaitFor)
{
    UploadWriter upload(QByteArray(), {}, start);
    upload.handOver(port);
    EXPECT_TRUE(system->line.written.isEmpty());
    EXPECT_TRUE(upload.finished());
    EXPECT_EQ(upload.percent(), 100);
}
