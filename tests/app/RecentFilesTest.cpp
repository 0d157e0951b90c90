#include "app/RecentFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

class RecentFilesTest : public ::testing::Test
{
protected:
    QTemporaryDir folder;
    ProfileFile settings{folder.filePath("WinOrba.lng")};
    RecentFiles recent{settings};
};

} // namespace

TEST_F(RecentFilesTest, NewestFirstOnceEachAtMostEight)
{
    for (int i = 1; i <= 10; ++i)
        ASSERT_TRUE(recent.remember(folder.filePath(QString("f%1.txt").arg(i))));
    ASSERT_TRUE(recent.remember(folder.filePath("f7.txt")));

    const QStringList paths = recent.paths();
    ASSERT_EQ(paths.size(), RecentFiles::MaxFiles);
    EXPECT_EQ(paths.front(), folder.filePath("f7.txt"));
    EXPECT_EQ(paths[1], folder.filePath("f10.txt"));
    EXPECT_EQ(paths.back(), folder.filePath("f3.txt"));
    EXPECT_EQ(paths.count(folder.filePath("f7.txt")), 1);
}

TEST_F(RecentFilesTest, OneFileReachedTwoWaysIsKeptOnceAsAnAbsolutePath)
{
    ASSERT_TRUE(recent.remember(folder.filePath("sub/../a.txt")));
    ASSERT_TRUE(recent.remember(folder.filePath("a.txt")));
    EXPECT_EQ(recent.paths(), QStringList{folder.filePath("a.txt")});
}

TEST_F(RecentFilesTest, NamesKeepTheirBlanksQuotesAndLettersAndOtherSettingsStay)
{
    TestFiles::write(settings.path(), "[Jazyk]\r\nactive=1\r\n");
    const QStringList names = {folder.filePath(" lead and trail "), folder.filePath("\"quoted\""),
                               folder.filePath(QString::fromUtf8("příliš žluťoučký.txt"))};
    for (const QString &name : names)
        ASSERT_TRUE(recent.remember(name));
    EXPECT_EQ(recent.paths(), (QStringList{names[2], names[1], names[0]}));
    EXPECT_EQ(settings.readInt("Jazyk", "active", 0), 1);
}

TEST_F(RecentFilesTest, ANameNoSettingsLineCanHoldIsNotKept)
{
    ASSERT_TRUE(recent.remember(folder.filePath("kept.txt")));
    ASSERT_TRUE(recent.remember(folder.filePath("two\nlines.txt")));
    ASSERT_TRUE(recent.remember(folder.filePath(QString(3000, 'x'))));
    EXPECT_EQ(recent.paths(), QStringList{folder.filePath("kept.txt")});
}

TEST_F(RecentFilesTest, HandEditedGapsAndRepeatsArePassedOver)
{
    TestFiles::write(settings.path(), "[Recent]\nFile1=/a.txt\nFile3=/b.txt\nFile4=/a.txt\n");
    EXPECT_EQ(recent.paths(), (QStringList{"/a.txt", "/b.txt"}));
}
