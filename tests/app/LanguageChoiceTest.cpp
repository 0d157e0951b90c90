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

TEST(NamedLanguage, OnlyAnExactListedNameNamesALanguage)
{
    const QStringList languages = {"čeština", "English", "", "English"};
    EXPECT_EQ(NamedLanguage(languages, 0, "English"), 1);
    EXPECT_EQ(NamedLanguage(languages, 3, "English"), 3);
    EXPECT_EQ(NamedLanguage(languages, 1, "čeština"), 0);
    EXPECT_EQ(NamedLanguage(languages, 0, "english"), -1);
    EXPECT_EQ(NamedLanguage(languages, 0, "Engl"), -1);
    EXPECT_EQ(NamedLanguage(languages, 0, "English "), -1);
    EXPECT_EQ(NamedLanguage(languages, -1, ""), 2);
    EXPECT_EQ(NamedLanguage({"a"}, 0, ""), -1);
    EXPECT_EQ(NamedLanguage({"a"}, 5, "a"), 0);
}
