#include "document/TextHelpers.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace
{

std::string failureOf(QByteArrayView text)
{
    try {
        ReadWholeNumber(text);
    } catch (const std::runtime_error &failure) {
        return failure.what();
    }
    return "no failure";
}

std::string charNumberFailure(QByteArrayView hex)
{
    try {
        FieldCharNumber(hex);
    } catch (const std::runtime_error &failure) {
        return failure.what();
    }
    return "no failure";
}

} // namespace

TEST(PadLeft, RightAlignsAndDropsOnlyTheTrailingBlankOfALoadedNumber)
{
    EXPECT_EQ(PadLeft("7", 4), "   7");
    EXPECT_EQ(PadLeft("1234", 4), "1234");
    EXPECT_EQ(PadLeft("", 2), "  ");
    EXPECT_EQ(PadLeft("   1 ", 4), "   1");
    EXPECT_EQ(PadLeft("  xx ", 4), "  xx");
    // Two or more characters over: the last width + 1 characters.
    EXPECT_EQ(PadLeft("123456", 4), "23456");
    EXPECT_EQ(PadLeft("1234567", 4), "34567");
}

TEST(PadRight, LeftAlignsOrCuts)
{
    EXPECT_EQ(PadRight("jmeno", 8), "jmeno   ");
    EXPECT_EQ(PadRight("abcdefgh", 5), "abcde");
    EXPECT_EQ(PadRight("abc", 3), "abc");
    EXPECT_EQ(PadRight("abc", 0), "");
}

TEST(SwapHexBytes, ReversesUpToFourBytePairs)
{
    EXPECT_EQ(SwapHexBytes("$ABCD"), "$CDAB");
    EXPECT_EQ(SwapHexBytes("$12345678"), "$78563412");
    EXPECT_EQ(SwapHexBytes("$ABCDEF"), "$EFCDAB");
    EXPECT_EQ(SwapHexBytes("$ABC"), "$CAB");
    EXPECT_EQ(SwapHexBytes("$0102030405"), "$04030201");
    EXPECT_EQ(SwapHexBytes("$"), "$");
    EXPECT_EQ(SwapHexBytes("AB12"), "$12AB");
}

TEST(ReadWholeNumber, ReadsDecimalAndHexForms)
{
    EXPECT_EQ(ReadWholeNumber("0"), 0);
    EXPECT_EQ(ReadWholeNumber("   42"), 42);
    EXPECT_EQ(ReadWholeNumber("+7"), 7);
    EXPECT_EQ(ReadWholeNumber("-12"), -12);
    EXPECT_EQ(ReadWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(ReadWholeNumber("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ReadWholeNumber("$FFFFFFFF"), -1);
    EXPECT_EQ(ReadWholeNumber("$7fffffff"), 2147483647);
    EXPECT_EQ(ReadWholeNumber("  $10"), 16);
    // More than eight digits are fine while the value fits in 32 bits.
    EXPECT_EQ(ReadWholeNumber("$0000000001"), 1);
}

TEST(ReadWholeNumber, RejectsEverythingElseWithTheTextInTheMessage)
{
    for (const char *bad : {"", " ", "1 ", "-", "+", "$", "$G1", "$ 1", "$1 ", "2147483648", "-2147483649",
                            "$100000000", "-$1", "1.5", "0x10", "12a", "--1"}) {
        EXPECT_FALSE(TryReadWholeNumber(bad).has_value()) << bad;
        EXPECT_EQ(failureOf(bad), std::string("'") + bad + "' is not a valid integer value");
    }
}

TEST(FieldCharNumber, OneByteIsItsCharacterOfAnyCode)
{
    EXPECT_EQ(FieldCharNumber("$41"), "A");
    EXPECT_EQ(FieldCharNumber("$5C"), "\\");
    EXPECT_EQ(FieldCharNumber("$00"), QByteArray(1, '\0'));
    EXPECT_EQ(FieldCharNumber("$ff"), "\xFF");
}

TEST(FieldCharNumber, LongerValuesAreTheNumberOfTheirFirstFourBytesLowFirst)
{
    EXPECT_EQ(FieldCharNumber("$ABCD"), "52651");
    EXPECT_EQ(FieldCharNumber("$FFFFFFFF"), "-1");
    EXPECT_EQ(FieldCharNumber("$000000FF"), "-16777216");
    EXPECT_EQ(FieldCharNumber("$ABCDEF"), "15715755");
    EXPECT_EQ(FieldCharNumber("$0100000099"), "1");
    EXPECT_EQ(FieldCharNumber("$ABC"), "3243");
}

TEST(FieldCharNumber, ValueThatDoesNotReadNamesTheTextThatFailed)
{
    EXPECT_EQ(charNumberFailure("$"), "'$' is not a valid integer value");
    EXPECT_EQ(charNumberFailure("$4 "), "'$4 ' is not a valid integer value");
    EXPECT_EQ(charNumberFailure("$ABCG"), "'$CGAB' is not a valid integer value");
    // A blank among the first eight digits fails; behind them it is ignored.
    EXPECT_EQ(charNumberFailure("$0000 000"), "'$00 00000' is not a valid integer value");
    EXPECT_EQ(FieldCharNumber("$01000000 "), "1");
}

TEST(FieldsPerRecord, CountsTheFieldsOfTheFirstRecord)
{
    const Entry header{"   1 ", "name", "tail"};
    const Entry field{"", "0", "$00", ""};
    const Entry blankNumber{"    ", "other", "tail"};
    EXPECT_EQ(FieldsPerRecord({}), 0);
    EXPECT_EQ(FieldsPerRecord({header}), 0);
    EXPECT_EQ(FieldsPerRecord({header, field}), 1);
    EXPECT_EQ(FieldsPerRecord({header, header, header}), 0);
    EXPECT_EQ(FieldsPerRecord({header, field, field, field, field, field}), 5);
    EXPECT_EQ(FieldsPerRecord({header, field, field, header, field, field}), 2);
    // A Number of blanks alone still makes a record header.
    EXPECT_EQ(FieldsPerRecord({header, field, blankNumber, field}), 1);
}
