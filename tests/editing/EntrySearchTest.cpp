#include "editing/EntrySearch.h"

#include <gtest/gtest.h>

namespace
{

Entry header(QByteArrayView number, QByteArrayView name)
{
    return Entry{number, name, "000010000001 0 ", ""};
}

Entry field(QByteArrayView offset, QByteArrayView hex, QByteArrayView charNumber)
{
    return Entry{"", offset, hex, charNumber};
}

bool found(const Entry &entry, QByteArrayView text, bool wholeWord = false)
{
    return EntrySearch::matches(entry, text, wholeWord);
}

// Entries 0..count-1, each a field entry whose cells hold nothing the tests look for.
std::vector<Entry> plainList(int count)
{
    std::vector<Entry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(field("7", "$00", "0"));
    return entries;
}

} // namespace

TEST(EntrySearch, FoldsOnlyTheLettersAToZ)
{
    EXPECT_TRUE(found(header("   1 ", "xABCx"), "abc"));
    EXPECT_TRUE(found(header("   1 ", "xabcx"), "ABC"));
    EXPECT_TRUE(found(field("4", "$0A", "10"), "0a"));
    // Windows-1250: é is E9, É is C9; they are different characters to Find.
    EXPECT_FALSE(found(header("   1 ", "\xC9l"), "\xE9l"));
    EXPECT_TRUE(found(header("   1 ", "\xC9l"), "\xC9L"));
}

TEST(EntrySearch, LooksInEveryCellButNeverAcrossTwo)
{
    EXPECT_TRUE(found(header("  12 ", "Name"), "12"));
    EXPECT_TRUE(found(field("4", "$41", "A"), "$41"));
    EXPECT_TRUE(found(field("4", "$0A00", "10"), "10")); // only in CharNumber
    // Cells are joined with line breaks: the end of one and the start of the next are no text.
    EXPECT_FALSE(found(field("AB", "$CD", "x"), "AB$C"));
    EXPECT_FALSE(found(header("   1 ", "AB"), "1 AB"));
    EXPECT_FALSE(found(field("4", "$41", "A"), ""));
}

TEST(EntrySearch, WholeWordInTheNumberWantsExactlyOneCharacterAfterTheText)
{
    EXPECT_TRUE(found(header("   5 ", "X"), "5", true));  // as loaded
    EXPECT_TRUE(found(header("  15 ", "X"), "5", true));  // followed by one character
    EXPECT_FALSE(found(header("   5", "X"), "5", true));  // as renumbered
    EXPECT_FALSE(found(header(" 5 5 ", "X"), "5", true)); // its first occurrence is too early
    EXPECT_FALSE(found(header("5", "X"), "5", true));
}

TEST(EntrySearch, WholeWordInTheCellsWantsTheTextAtTheEndOfTheName)
{
    EXPECT_TRUE(found(header("xx", "AB "), "AB", true));
    EXPECT_TRUE(found(header("xx", "xab "), "AB", true));
    EXPECT_FALSE(found(header("xx", "AB"), "AB", true));
    EXPECT_FALSE(found(header("xx", "CD"), "AB", true));     // same length, no occurrence
    EXPECT_FALSE(found(header("xx", "AB AB "), "AB", true)); // first occurrence not at the end
    EXPECT_FALSE(found(field("4", "$0A00", "10"), "10", true));
    EXPECT_FALSE(found(field("1234", "$AB ", "x"), "AB", true)); // in Hex, not in the name
}

TEST(EntrySearch, FindNextStartsAfterTheSelectedEntryAndDoesNotWrap)
{
    std::vector<Entry> entries = plainList(50);
    entries[5] = header("   2 ", "xabc");
    entries[20] = header("   3 ", "ABCy");
    EXPECT_EQ(EntrySearch::findNext(entries, 10, "abc", false), 20);
    EXPECT_EQ(EntrySearch::findNext(entries, 20, "abc", false), -1);
    EXPECT_EQ(EntrySearch::findNext(entries, 4, "abc", false), 5);
    entries[0] = header("   1 ", "first");
    EXPECT_EQ(EntrySearch::findNext(entries, 0, "first", false), -1);
    EXPECT_EQ(EntrySearch::findNext(entries, -1, "first", false), 0);
    EXPECT_EQ(EntrySearch::findNext({}, 0, "first", false), -1);
}

TEST(EntrySearch, GoToTakesTheFirstRecordWhoseNameContainsTheText)
{
    const std::vector<Entry> entries = {header("   1 ", "Alphabet"), field("0", "$01", "\x01"),
                                        header("   2 ", "Alpha"), field("0", "$02", "\x02")};
    EXPECT_EQ(EntrySearch::findRecord(entries, "Alpha"), 0);
    EXPECT_EQ(EntrySearch::findRecord(entries, "bet"), 0);
    EXPECT_EQ(EntrySearch::findRecord(entries, "alpha"), 0);
    EXPECT_EQ(EntrySearch::findRecord(entries, ""), -1);
    EXPECT_EQ(EntrySearch::findRecord(entries, "Beta"), -1);
    // Field entries are no records, whatever their offset says.
    EXPECT_EQ(EntrySearch::findRecord(entries, "0"), -1);
    // A record whose Number is only blanks is a record.
    EXPECT_EQ(EntrySearch::findRecord({field("0", "$00", "0"), header("  ", "Gamma")}, "mm"), 1);
}

TEST(EntrySearch, RecordNamesKeepTheirBlanks)
{
    const std::vector<Entry> entries = {header("   1 ", "Alpha   "), field("0", "$01", "\x01"), header("  ", " B")};
    EXPECT_EQ(EntrySearch::recordNames(entries), (QList<QByteArray>{"Alpha   ", " B"}));
    EXPECT_TRUE(EntrySearch::recordNames({}).isEmpty());
}

TEST(EntrySearch, TypedTextIsSearchedAsCodePageBytes)
{
    EXPECT_EQ(EntrySearch::searchBytes(u"\u00E9l"), QByteArray("\xE9l"));
    EXPECT_EQ(EntrySearch::searchBytes(u"a?"), QByteArray("a?"));
    // A character the code page lacks is in no cell; it must not find the "?" standing in for it.
    EXPECT_EQ(EntrySearch::searchBytes(u"a\u2603"), std::nullopt);
}
