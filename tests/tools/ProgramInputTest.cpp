#include "devsim/ProgramInput.h"

#include <gtest/gtest.h>

using Item = ProgramInput::Item;

namespace
{

Item command(const char *text)
{
    return Item{Item::Command, text};
}

Item file(const QByteArray &text)
{
    return Item{Item::File, text};
}

Item dropped(const QByteArray &text)
{
    return Item{Item::Dropped, text};
}

// Feeds text one byte at a time and collects everything it completed.
QList<Item> byteByByte(ProgramInput &input, const QByteArray &text)
{
    QList<Item> items;
    for (const char c : text)
        items += input.take(QByteArray(1, c));
    return items;
}

const QByteArray DeviceFile = "SFA $07.12.26 15:12:03$\r\nSDK   1   1 \\jmeno\\     1     0 0\r\n"
                              "SDW     0  1 C00\r\nSDE\r\nSFE\r\n";

} // namespace

TEST(ProgramInput, CommandsAreTakenWhateverTheirDivision)
{
    ProgramInput input;
    EXPECT_TRUE(input.take("*KORAX@D").isEmpty());
    EXPECT_EQ(input.take("STRANS$!*KORAX@EW$!*KORAX@BR"),
              (QList<Item>{command("*KORAX@DSTRANS$!"), command("*KORAX@EW$!")}));
    EXPECT_EQ(input.take("EAK$!"), QList<Item>{command("*KORAX@BREAK$!")});
    EXPECT_EQ(byteByByte(input, "*KORAX@RD001%012$!"), QList<Item>{command("*KORAX@RD001%012$!")});
}

TEST(ProgramInput, FileEndsWithItsSfeLineWhateverTheDivision)
{
    ProgramInput whole;
    EXPECT_EQ(whole.take(DeviceFile + "*KORAX@EW$!"), (QList<Item>{file(DeviceFile), command("*KORAX@EW$!")}));
    ProgramInput bytes;
    EXPECT_EQ(byteByByte(bytes, DeviceFile), QList<Item>{file(DeviceFile)});
}

TEST(ProgramInput, SfeInsideALineDoesNotEndTheFile)
{
    const QByteArray text = "SFA $07.12.26 15:12:03$\r\nSDK   1   1 \\SFE\\     1     0 0\r\nSDW     0  1 C00\r\n";
    ProgramInput input;
    EXPECT_TRUE(input.take(text).isEmpty());
    EXPECT_EQ(input.take("SDE\r\nSFE\r\n"), QList<Item>{file(text + "SDE\r\nSFE\r\n")});
}

TEST(ProgramInput, LineEndsOfEveryKindAreLineStarts)
{
    ProgramInput lf;
    EXPECT_EQ(lf.take("SFA\nSFE\n"), QList<Item>{file("SFA\nSFE\n")});
    ProgramInput cr;
    // A CR may be the first half of CR LF: the file waits for the next byte.
    EXPECT_TRUE(cr.take("SFA\rSFE\r").isEmpty());
    EXPECT_EQ(cr.take("*KORAX@EW$!"), (QList<Item>{file("SFA\rSFE\r"), command("*KORAX@EW$!")}));
}

TEST(ProgramInput, ClosingThePortEndsALastLineWithoutLineEnd)
{
    ProgramInput input;
    EXPECT_TRUE(input.take("SFA\r\nSDE\r\nSF").isEmpty());
    EXPECT_TRUE(input.take("E").isEmpty());
    EXPECT_EQ(input.finish(), QList<Item>{file("SFA\r\nSDE\r\nSFE")});
    EXPECT_TRUE(input.finish().isEmpty());
}

TEST(ProgramInput, AFileGivenUpIsDropped)
{
    ProgramInput cancelled;
    EXPECT_EQ(cancelled.take("SFA\r\nSDK\r\n*KORAX@EW$!*KORAX@BREAK$!"),
              (QList<Item>{dropped("SFA\r\nSDK\r\n"), command("*KORAX@EW$!"), command("*KORAX@BREAK$!")}));
    ProgramInput closed;
    EXPECT_TRUE(closed.take("SFA\r\nSDW").isEmpty());
    EXPECT_EQ(closed.finish(), QList<Item>{dropped("SFA\r\nSDW")});
    // After it, the next file is taken afresh.
    EXPECT_EQ(closed.take(DeviceFile), QList<Item>{file(DeviceFile)});
}

TEST(ProgramInput, ACommandThatNeverEndsIsDropped)
{
    ProgramInput input;
    const QByteArray garbage = "*KORAX@" + QByteArray(80, 'x');
    EXPECT_EQ(input.take(garbage), QList<Item>{dropped(garbage)});
    EXPECT_EQ(input.take("*KORAX@DIR$!"), QList<Item>{command("*KORAX@DIR$!")});
}
