#include "editing/HexConversions.h"

#include <gtest/gtest.h>

namespace
{

QByteArray shown(QByteArrayView hex)
{
    const HexReading reading = ReadHexText(hex);
    EXPECT_EQ(reading.outcome, HexReading::hrShown) << hex.toByteArray().constData();
    return reading.charNumber;
}

HexReading::Outcome outcome(QByteArrayView hex)
{
    return ReadHexText(hex).outcome;
}

} // namespace

TEST(HexConversions, HexTextShowsTheCharacterOfAPrintableByteAndTheNumberOfAnyOtherValue)
{
    EXPECT_EQ(shown("$41"), "A");
    EXPECT_EQ(shown("41"), "A"); // read as if "$" stood in front
    EXPECT_EQ(shown("$20"), " ");
    EXPECT_EQ(shown("$7F"), "\x7F");
    EXPECT_EQ(shown("$0A"), "10");
    EXPECT_EQ(shown("$1F"), "31");
    EXPECT_EQ(shown("$80"), "128");
    EXPECT_EQ(shown("$3412"), "4660");
    EXPECT_EQ(shown("$1234"), "13330");
    EXPECT_EQ(shown("$ABCDEF"), "15715755");
    EXPECT_EQ(shown("$00000080"), "-2147483648");
    EXPECT_EQ(shown("$FFFFFFFF"), "-1");
    // Digits after the eighth do not count, as long as the whole text reads.
    EXPECT_EQ(shown("$0000000001"), "0");
}

TEST(HexConversions, AnIncompleteHexTextShowsNothingYet)
{
    EXPECT_EQ(outcome(""), HexReading::hrIncomplete);
    EXPECT_EQ(outcome("4"), HexReading::hrIncomplete); // a lone digit reads as a decimal number
    EXPECT_EQ(outcome("$4"), HexReading::hrIncomplete);
    EXPECT_EQ(outcome("$123"), HexReading::hrIncomplete);
    EXPECT_EQ(outcome("12345"), HexReading::hrIncomplete);
    EXPECT_TRUE(ReadHexText("$123").charNumber.isEmpty());
}

TEST(HexConversions, AHexTextThatDoesNotReadGivesTheWholeNumberMessageWithItsDollar)
{
    const HexReading lone = ReadHexText("A");
    EXPECT_EQ(lone.outcome, HexReading::hrInvalid);
    EXPECT_EQ(lone.error, "'A' is not a valid integer value");
    EXPECT_EQ(ReadHexText("$").error, "'$' is not a valid integer value");
    EXPECT_EQ(ReadHexText("4G").error, "'$4G' is not a valid integer value");
    EXPECT_EQ(ReadHexText("-1").error, "'$-1' is not a valid integer value");
    EXPECT_EQ(ReadHexText("$123456789").outcome, HexReading::hrInvalid); // more than 32 bits
}

TEST(HexConversions, ACharacterGivesItsCodeInOneByteWhateverTheWidth)
{
    for (int digits : {2, 4, 8}) {
        EXPECT_EQ(CharNumberToHex("A", digits), "$41");
        EXPECT_EQ(CharNumberToHex("5", digits), "$35");
        EXPECT_EQ(CharNumberToHex("", digits), "$00");
    }
    EXPECT_EQ(CharNumberToHex("\xE8", 4), "$E8"); // an 8-bit letter keeps its code
}

TEST(HexConversions, ANumberIsWrittenInTheWidthLowestByteFirstAndCutToIt)
{
    EXPECT_EQ(CharNumberToHex("05", 2), "$05");
    EXPECT_EQ(CharNumberToHex("65", 2), "$41");
    EXPECT_EQ(CharNumberToHex("300", 2), "$2C");
    EXPECT_EQ(CharNumberToHex("-1", 2), "$FF");
    EXPECT_EQ(CharNumberToHex("4660", 4), "$3412");
    EXPECT_EQ(CharNumberToHex("-1", 8), "$FFFFFFFF");
    EXPECT_EQ(CharNumberToHex("-2147483648", 8), "$00000080");
    EXPECT_EQ(CharNumberToHex("$1234", 4), "$3412");
    EXPECT_EQ(CharNumberToHex("XY", 4), "$0000"); // not a number: zero
    EXPECT_EQ(CharNumberToHex("99999999999", 8), "$00000000");
}

TEST(HexConversions, WidthRuleCutsToTheFirstDigitsOrFillsWithZeros)
{
    EXPECT_EQ(ApplyHexWidth("$41", 8), "$41000000");
    EXPECT_EQ(ApplyHexWidth("$41000000", 2), "$41");
    EXPECT_EQ(ApplyHexWidth("$3412", 2), "$34");
    EXPECT_EQ(ApplyHexWidth("41", 4), "$4100");
    EXPECT_EQ(ApplyHexWidth("", 2), "$00");
}

TEST(HexConversions, FormatPresetFollowsTheDigitsOfTheHexCell)
{
    const std::pair<const char *, std::optional<HexFormat>> cases[] = {
        {"", std::nullopt},
        {"$", std::nullopt},
        {"$1", std::nullopt},
        {"$12", hfByte},
        {"$123", hfByte},
        {"$1234", hfWord},
        {"$12345", hfWord},
        {"$123456", hfDWord},
        {"$12345678", hfDWord},
        {"$123456789", hfDWord},
        {"$1234567890", std::nullopt},
        {"    40     3 0 ", std::nullopt},
    };
    for (const auto &[cell, format] : cases)
        EXPECT_EQ(HexFormatOfCell(cell), format) << cell;
}

TEST(HexConversions, WithoutAFormatTheWidthIsTheHexTextsOwnInWholeBytes)
{
    EXPECT_EQ(HexTextDigits("$1"), 2);
    EXPECT_EQ(HexTextDigits("$"), 2);
    EXPECT_EQ(HexTextDigits("4"), 2);
    EXPECT_EQ(HexTextDigits("$123"), 4);
    EXPECT_EQ(HexTextDigits("$123456"), 6);
    EXPECT_EQ(HexTextDigits("$0102030405"), 8);
}

TEST(HexConversions, AWholeByteHexTextIsADollarAndTwoHexDigitsPerByte)
{
    for (const QByteArrayView text : {"$00", "$0A", "$0102030405", "$ffEE"})
        EXPECT_TRUE(IsWholeByteHexText(text)) << text.data();
    for (const QByteArrayView text : {"", "$", "$1", "$123", "41", "$4G", "    10     3 0 "})
        EXPECT_FALSE(IsWholeByteHexText(text)) << text.data();
}

TEST(HexConversions, ConfirmedHexTextHasItsDollar)
{
    EXPECT_EQ(ConfirmedHex("41"), "$41");
    EXPECT_EQ(ConfirmedHex("$41"), "$41");
    EXPECT_EQ(ConfirmedHex(""), "$");
}
