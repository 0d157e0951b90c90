#include "link/transfers/LinkCommands.h"
#include "link/transfers/ReceiveBuffer.h"
#include "link/transfers/UploadText.h"

#include <QList>
#include <gtest/gtest.h>

namespace
{

QList<QByteArray> segments(const QByteArray &text)
{
    UploadText upload(text);
    QList<QByteArray> cut;
    while (!upload.atEnd())
        cut << upload.next().toByteArray();
    return cut;
}

} // namespace

TEST(LinkCommands, FileNumbersAndTheCommandsThatCarryThem)
{
    EXPECT_EQ(DeviceFileNumber(3, "7"), "007");
    EXPECT_EQ(DeviceFileNumber(3, " 12"), "012");
    EXPECT_EQ(DeviceFileNumber(3, "1 0"), "010");
    EXPECT_EQ(DeviceFileNumber(3, "1234"), "1234");
    EXPECT_EQ(DeviceFileNumber(3, "   "), "000");
    EXPECT_EQ(LinkCommands::read("005"), "*KORAX@RD001%005$!");
    EXPECT_EQ(LinkCommands::remove("005"), "*KORAX@DEL001%005$!");
}

TEST(UploadText, SendsWholeLinesThenTheRestCharacterByCharacter)
{
    EXPECT_EQ(segments("SFA\r\nSDK\r\nSFE\r\n"), QList<QByteArray>({"SFA\r\n", "SDK\r\n", "SFE\r\n"}));
    EXPECT_EQ(segments("SFA\r\nSFE"), QList<QByteArray>({"SFA\r\n", "S", "F", "E"}));
    EXPECT_EQ(segments("a\rb\nc\r\n"), QList<QByteArray>({"a\rb\nc\r\n"}));
    EXPECT_TRUE(segments("").isEmpty());
    EXPECT_EQ(UploadText::logLine("SDK 1\r\n"), "SDK 1");
    EXPECT_EQ(UploadText::logLine("E"), "E");
}

TEST(UploadText, ShowsWholePercentagesAndEndsAtOneHundred)
{
    UploadText upload(QByteArray(997, 'x') + "\r\n" + "y");
    ASSERT_EQ(upload.size(), 1000);
    upload.next();
    EXPECT_EQ(upload.taken(), 999);
    EXPECT_EQ(upload.percent(), 99);
    upload.next();
    EXPECT_TRUE(upload.atEnd());
    EXPECT_EQ(upload.percent(), 100);
}

// The lines the status line tells for a file sent: a text after the last line end is one more.
TEST(UploadText, CountsTheLinesOfAFileWithOrWithoutAFinalLineEnd)
{
    EXPECT_EQ(UploadText::lineCount("SFA\r\nSDK 1\r\nSFE\r\n"), 3);
    EXPECT_EQ(UploadText::lineCount("SFA\r\nSFE"), 2);
    EXPECT_EQ(UploadText::lineCount("one\nline\r\n"), 1);
    EXPECT_EQ(UploadText::lineCount(""), 0);
}

TEST(ReceiveBuffer, AFileEndsAtAnSfeThatBeginsALine)
{
    ReceiveBuffer buffer;
    buffer.append("SFA 1\r\nSDK 1 SFEDER\r\nSDW SFE\r\n");
    EXPECT_FALSE(buffer.holdsFileEnd());
    buffer.append("SFE\r\n");
    EXPECT_TRUE(buffer.holdsFileEnd());
    buffer.clear();
    EXPECT_FALSE(buffer.holdsFileEnd());
    buffer.append("SFE");
    EXPECT_TRUE(buffer.holdsFileEnd());
}

TEST(ReceiveBuffer, FindsAnEndSplitOverChunksDownToSingleBytes)
{
    const QByteArray file = "SFA 01.01.08 10:00\r\nSDK 1 SFE\r\nSFE\r\n";
    ReceiveBuffer buffer;
    qsizetype endAt = -1;
    for (qsizetype i = 0; i < file.size(); ++i) {
        buffer.append(file.sliced(i, 1));
        if (buffer.holdsFileEnd() && endAt < 0)
            endAt = i;
    }
    EXPECT_EQ(endAt, file.indexOf("\nSFE") + 3);
    EXPECT_EQ(buffer.text(), file);

    ReceiveBuffer split;
    split.append("SDK 1\r\nS");
    split.append("F");
    EXPECT_FALSE(split.holdsFileEnd());
    split.append("E");
    EXPECT_TRUE(split.holdsFileEnd());
}

TEST(ReceiveBuffer, ProgressRunsZeroToNinetyNinePerThousandCharacters)
{
    ReceiveBuffer buffer;
    for (int i = 0; i < 25; ++i)
        buffer.append(QByteArray(100, 'x'));
    EXPECT_EQ(buffer.progress(), 50);
    buffer.append(QByteArray(500, 'x'));
    EXPECT_EQ(buffer.progress(), 0);
    buffer.append(QByteArray(9, 'x'));
    EXPECT_EQ(buffer.progress(), 0);
}

TEST(ReceiveBuffer, LogsTheTailOfTheLineAChunkEnds)
{
    ReceiveBuffer buffer;
    buffer.append("SDW 0001 $41 A\r\n");
    const QByteArray first = QByteArray(60, 'b');
    buffer.append(first);
    EXPECT_EQ(buffer.logLine(first), std::nullopt); // no CR LF in this chunk
    const QByteArray second = "cd\r\nSDW 2\r\n";
    buffer.append(second);
    // The 48 characters that begin 50 before the end, less everything up to their first CR LF.
    const QByteArray tail = buffer.text().sliced(buffer.text().size() - 50, 48);
    ASSERT_EQ(tail.size(), 48);
    EXPECT_EQ(buffer.logLine(second), tail.sliced(tail.indexOf("\r\n") + 2));
    EXPECT_EQ(buffer.logLine("\r\nx"), std::nullopt); // a chunk that begins with CR LF logs nothing

    ReceiveBuffer shortText;
    shortText.append("SFA\r\n");
    EXPECT_EQ(shortText.logLine("SFA\r\n"), "");
    ReceiveBuffer noLineEnd;
    noLineEnd.append(QByteArray(70, 'z'));
    noLineEnd.append("y\r\n");
    EXPECT_EQ(noLineEnd.logLine("y\r\n"), QByteArray(46, 'z') + "y");
}
