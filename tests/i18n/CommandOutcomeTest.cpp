#include "i18n/CommandOutcome.h"

#include <gtest/gtest.h>

namespace
{

KeptTexts englishTexts()
{
    KeptTexts texts;
    texts.loaded = "%1 loaded, %2 entries.";
    texts.saved = "Saved as %1.";
    texts.sent = "%1 sent, %2 lines.";
    texts.received = "%1 received, %2 bytes.";
    texts.writtenBack = "File %1 written back, %2 lines.";
    texts.newList = "New list.";
    texts.deletedOnDevice = "File %1 (%2) deleted on the device.";
    texts.cancelled = "Cancelled.";
    texts.stopped = "Stopped: %1";
    texts.undone = "Undone: %1";
    texts.redone = "Redone: %1";
    return texts;
}

} // namespace

TEST(CommandOutcome, NamesTheFileWithoutItsFolderAndItsFigures)
{
    const KeptTexts texts = englishTexts();
    const CommandOutcome outcome(texts);
    EXPECT_EQ(outcome.loaded("/home/op/data/a.txt", 12), "a.txt loaded, 12 entries.");
    EXPECT_EQ(outcome.saved("/home/op/b.txt"), "Saved as b.txt.");
    EXPECT_EQ(outcome.sent("c.txt", 0), "c.txt sent, 0 lines.");
    EXPECT_EQ(outcome.received("/tmp/in.txt", 4096), "in.txt received, 4096 bytes.");
    EXPECT_EQ(outcome.writtenBack("007", 8), "File 007 written back, 8 lines.");
    EXPECT_EQ(outcome.newList(), "New list.");
    EXPECT_EQ(outcome.cancelled(), "Cancelled.");
    EXPECT_EQ(outcome.undone("delete field 4"), "Undone: delete field 4");
    EXPECT_EQ(outcome.redone("renumber"), "Redone: renumber");
}

// Names from the device are Windows-1250 bytes.
TEST(CommandOutcome, ADeviceFilesNameIsDecodedFromItsCodePage)
{
    const KeptTexts texts = englishTexts();
    EXPECT_EQ(CommandOutcome(texts).deletedOnDevice("012", "\x9A"
                                                           "ek"),
              QString::fromUtf8("File 012 (šek) deleted on the device."));
}

// The status line has one line: a message of several lines is joined.
TEST(CommandOutcome, AReasonOfSeveralLinesIsPutOnOne)
{
    const KeptTexts texts = englishTexts();
    EXPECT_EQ(CommandOutcome(texts).stopped("Cannot save row 3:\n  the offset holds letters.\r\n"),
              "Stopped: Cannot save row 3: the offset holds letters.");
}

TEST(CommandOutcome, AValueHoldingAPlaceholderStaysAsItIs)
{
    const KeptTexts texts = englishTexts();
    EXPECT_EQ(CommandOutcome(texts).loaded("/data/100%2 sure.txt", 3), "100%2 sure.txt loaded, 3 entries.");
}

// A translation may leave a value out or lack the text; it never shows a placeholder or another text.
TEST(CommandOutcome, ATranslationWithoutAPlaceholderOrTextTellsWhatItHas)
{
    KeptTexts texts = englishTexts();
    texts.loaded = "Loaded %1.";
    texts.saved.clear();
    const CommandOutcome outcome(texts);
    EXPECT_EQ(outcome.loaded("a.txt", 5), "Loaded a.txt.");
    EXPECT_EQ(outcome.saved("a.txt"), "");
}

// The texts are read when an outcome is composed: a language changed since holds for the next one.
TEST(CommandOutcome, FollowsAChangeOfLanguage)
{
    KeptTexts texts = englishTexts();
    const CommandOutcome outcome(texts);
    texts.newList = "Nov\xFD seznam.";
    EXPECT_EQ(outcome.newList(), QString::fromUtf8("Nový seznam."));
}
