#include "link/transfers/LinkReceiver.h"

#include <QList>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <functional>

namespace
{

// What a receiver made of the device's bytes: the messages in order ("DIR",
// "DOWN", and "FILE" where a file ended) and the files, each taken where its
// "SFE" line start arrived.
struct Reading {
    QList<QByteArray> events;
    QList<QByteArray> files;
    QByteArray leftInBuffer;
};

Reading read(const QList<QByteArray> &chunks)
{
    LinkReceiver receiver;
    Reading reading;
    for (const QByteArray &chunk : chunks) {
        receiver.feed(chunk);
        while (const std::optional<LinkReceiver::Item> item = receiver.next()) {
            switch (item->kind) {
            case LinkReceiver::Kind::DirectoryReady:
                reading.events << "DIR";
                break;
            case LinkReceiver::Kind::ReadyForFile:
                reading.events << "DOWN";
                break;
            case LinkReceiver::Kind::FileText:
                if (receiver.buffer().holdsFileEnd()) {
                    reading.events << "FILE";
                    reading.files << receiver.takeFile();
                }
                break;
            }
        }
    }
    reading.leftInBuffer = receiver.buffer().text() + receiver.held().toByteArray();
    return reading;
}

QList<QByteArray> cutAt(const QByteArray &bytes, const QList<qsizetype> &points)
{
    QList<QByteArray> chunks;
    qsizetype from = 0;
    for (const qsizetype at : points) {
        chunks << bytes.sliced(from, at - from);
        from = at;
    }
    chunks << bytes.sliced(from);
    return chunks;
}

QList<QByteArray> cutRandomly(const QByteArray &bytes, quint32 seed, int maxChunk)
{
    QRandomGenerator random(seed);
    QList<QByteArray> chunks;
    for (qsizetype from = 0; from < bytes.size();) {
        const qsizetype size = qMin<qsizetype>(random.bounded(1, maxChunk + 1), bytes.size() - from);
        chunks << bytes.sliced(from, size);
        from += size;
    }
    return chunks;
}

// A file taken at the piece that completed its "SFE" lacks at most the line end after it.
void expectSameFiles(const QList<QByteArray> &expected, const Reading &reading, const std::string &division)
{
    ASSERT_EQ(reading.files.size(), expected.size()) << division;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const QByteArray &file = reading.files[i];
        ASSERT_TRUE(expected[i].startsWith(file) && QByteArrayView("\r\n").endsWith(expected[i].sliced(file.size())))
            << division << ": " << file.toStdString();
        EXPECT_TRUE(file.contains("\r\nSFE")) << division;
    }
    EXPECT_EQ(reading.leftInBuffer, "") << division;
}

// The directory and a device file whose names hold the letters of messages.
const QByteArray Directory = "SFA $07.12.26 15:12:03$\r\n"
                             "SDK   1   1 \\HELENA\\     1     0 0\r\n"
                             "SDW     0  1 C00\r\n"
                             "SDE\r\n"
                             "SDK   1   5 \\STRANS$!\\     1     0 0\r\n"
                             "SDW     0  1 C00\r\n"
                             "SDE\r\n"
                             "SFE\r\n";
const QByteArray DeviceFile = "SFA $07.12.26 15:12:03$\r\n"
                              "SDK   1   5 \\ELSDOWN$!SOK$!\\     1     0 0\r\n"
                              "SDW     0  1 C41\r\n"
                              "SDE\r\n"
                              "SFE\r\n";

// One On Line session as the device sends it: the ready message, the
// directory, a repeated command, the device file, the request for the write
// back and its acknowledgement.
const QByteArray Session =
    "STRANS$!" + Directory + "*KORAX@DSTRANS$!" + DeviceFile + "EL001%005$!" + "SDOWN$!" + "SOK$!\r\n" + "STRANS$!";
const QList<QByteArray> SessionEvents = {"DIR", "FILE", "FILE", "DOWN", "DIR"};

} // namespace

TEST(LinkReceiver, ReadsASessionSentWhole)
{
    const Reading reading = read({Session});
    EXPECT_EQ(reading.events, SessionEvents);
    expectSameFiles({Directory, DeviceFile}, reading, "whole");
    EXPECT_EQ(reading.files, QList<QByteArray>({Directory, DeviceFile}));
}

TEST(LinkReceiver, ReadsTheSameAtEverySplitPointAndOneByteAtATime)
{
    for (qsizetype at = 1; at < Session.size(); ++at) {
        const Reading reading = read(cutAt(Session, {at}));
        const std::string division = "split at " + std::to_string(at);
        ASSERT_EQ(reading.events, SessionEvents) << division;
        expectSameFiles({Directory, DeviceFile}, reading, division);
    }
    QList<qsizetype> everyByte;
    for (qsizetype at = 1; at < Session.size(); ++at)
        everyByte << at;
    const Reading reading = read(cutAt(Session, everyByte));
    EXPECT_EQ(reading.events, SessionEvents);
    expectSameFiles({Directory, DeviceFile}, reading, "one byte at a time");
}

TEST(LinkReceiver, ReadsTheSameInRandomPiecesOfOneToFourBytes)
{
    for (quint32 seed = 1; seed <= 200; ++seed) {
        const Reading reading = read(cutRandomly(Session, seed, 4));
        const std::string division = "seed " + std::to_string(seed);
        ASSERT_EQ(reading.events, SessionEvents) << division;
        expectSameFiles({Directory, DeviceFile}, reading, division);
    }
}

TEST(LinkReceiver, StoresFileTextByteForByteAndLooksForMessagesOnlyAtLineStarts)
{
    LinkReceiver receiver;
    // A line cut before "ELENA" and before "SDOWN$!": both are file text.
    for (const QByteArray &chunk : {QByteArray("SDK 1 \\H"), QByteArray("ELENA\\ "), QByteArray("SDOWN$!\r\n")}) {
        receiver.feed(chunk);
        while (const auto item = receiver.next())
            EXPECT_EQ(item->kind, LinkReceiver::Kind::FileText);
    }
    EXPECT_EQ(receiver.buffer().text(), "SDK 1 \\HELENA\\ SDOWN$!\r\n");

    // At a line start a possible message is held until it proves to be file text.
    receiver.feed("SD");
    EXPECT_EQ(receiver.next(), std::nullopt);
    EXPECT_EQ(receiver.held(), "SD");
    receiver.feed("W 0\r\n");
    EXPECT_EQ(receiver.next(), LinkReceiver::Item({LinkReceiver::Kind::FileText, "SDW 0\r\n"}));
    EXPECT_EQ(receiver.held(), "");

    // A repeated command that meets a line feed before its end is file text.
    receiver.feed("*KORAX@D 1\r\n");
    EXPECT_EQ(receiver.next(), LinkReceiver::Item({LinkReceiver::Kind::FileText, "*KORAX@D 1\r\n"}));
}

TEST(LinkReceiver, ANewExchangeStartsEmptyWithNoEndPending)
{
    LinkReceiver receiver;
    receiver.feed("SFA\r\nSFE\r\nSF");
    while (receiver.next()) {
    }
    ASSERT_TRUE(receiver.buffer().holdsFileEnd());
    receiver.clear();
    EXPECT_TRUE(receiver.buffer().isEmpty());
    EXPECT_FALSE(receiver.buffer().holdsFileEnd());
    receiver.feed("SFA 1\r\n");
    EXPECT_EQ(receiver.next(), LinkReceiver::Item({LinkReceiver::Kind::FileText, "SFA 1\r\n"}));
    EXPECT_FALSE(receiver.buffer().holdsFileEnd());
}

TEST(LinkReceiver, TheEndLinesLineEndArrivingLaterBeginsNoFile)
{
    LinkReceiver receiver;
    receiver.feed("SFA\r\nSFE");
    while (receiver.next()) {
    }
    EXPECT_EQ(receiver.takeFile(), "SFA\r\nSFE");
    receiver.clear(); // the operator opens a row before the line end came
    receiver.feed("\r");
    EXPECT_EQ(receiver.next(), std::nullopt);
    receiver.feed("\nSTRANS$!SFA\r\n");
    EXPECT_EQ(receiver.next(), LinkReceiver::Item({LinkReceiver::Kind::DirectoryReady, {}}));
    EXPECT_EQ(receiver.next(), LinkReceiver::Item({LinkReceiver::Kind::FileText, "SFA\r\n"}));
    EXPECT_EQ(receiver.buffer().text(), "SFA\r\n");
}
