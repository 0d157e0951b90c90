#include "app/LanguageChoice.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(LanguageList, SplitsAtCommas)
{
    using L = QList<QByteArray>;
    EXPECT_EQ(SplitLanguageList("a,b,"), (L{"a", "b"}));
    EXPECT_EQ(SplitLanguageList("a,b"), (L{"a", "b"}));
    EXPECT_EQ(SplitLanguageList("a,,b"), (L{"a", "", "b"}));
    EXPECT_EQ(SplitLanguageList(",,"), (L{"", ""}));
    EXPECT_EQ(SplitLanguageList(""), (L{""}));
    EXPECT_EQ(SplitLanguageList(" a , b"), (L{" a ", " b"}));
}

class LanguageChoiceFile : public testing::Test
{
protected:
    QTemporaryDir dir;
    ProfileFile file{dir.filePath("WinOrba.lng")};
};

TEST_F(LanguageChoiceFile, MissingFileGivesDefaults)
{
    const LanguageChoice choice = LanguageChoice::read(file);
    EXPECT_EQ(choice.languages, QList<QByteArray>{QByteArray("\xE8"
                                                             "e\x9Atina")});
    EXPECT_EQ(choice.active, 0);
    EXPECT_TRUE(choice.autoOpen);
}

TEST_F(LanguageChoiceFile, ValuesThatAreNoNumbersReadAsDefaults)
{
    file.writeString("Jazyk", "active", "x1");
    file.writeString("Jazyk", "autoopen", "yes");
    const LanguageChoice choice = LanguageChoice::read(file);
    EXPECT_EQ(choice.active, 0);
    EXPECT_TRUE(choice.autoOpen);
}

TEST_F(LanguageChoiceFile, AnyNonzeroAutoOpenIsTrueAndWriteRoundTrips)
{
    file.writeString("Jazyk", "autoopen", "7");
    EXPECT_TRUE(LanguageChoice::read(file).autoOpen);
    ASSERT_TRUE(LanguageChoice::write(file, -1, false));
    EXPECT_EQ(file.readString("JAZYK", "active", ""), "-1");
    EXPECT_EQ(file.readString("jazyk", "autoopen", ""), "0");
    EXPECT_FALSE(LanguageChoice::read(file).autoOpen);
}
