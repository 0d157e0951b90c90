#include "app/ProgramFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramFiles, BesideAnExecutableInAWritableFolder)
{
    QTemporaryDir dir;
    TestFiles::write(dir.filePath("WinOrba.lng"), "[Jazyk]\r\n");
    EXPECT_EQ(ProgramFiles::resolve(dir.filePath("WinOrba"), dir.filePath("config"), ".lng"),
              dir.filePath("WinOrba.lng"));
    EXPECT_EQ(ProgramFiles::resolve(dir.filePath("WinOrba"), dir.filePath("config"), ".tmp"),
              dir.filePath("WinOrba.tmp"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("config")));
}

TEST(ProgramFiles, UnderTheUserConfigurationWhereTheFolderCannotBeWritten)
{
    QTemporaryDir dir;
    const QString resolved = ProgramFiles::resolve(dir.filePath("missing/bin/WinOrba"), dir.filePath("config"), ".lng");
    EXPECT_EQ(resolved, dir.filePath("config/WinOrba/WinOrba.lng"));
    EXPECT_TRUE(QFileInfo(dir.filePath("config/WinOrba")).isDir());
    EXPECT_FALSE(QFileInfo::exists(resolved)); // nothing delivered to copy
}

// The install layout: bin/WinOrba with the delivered files in share/winorba. The user's files go to the
// configuration folder even though the test's bin folder can be written.
class InstalledProgramFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(root.path()).mkpath("usr/bin"));
        ASSERT_TRUE(QDir(root.path()).mkpath("usr/share/winorba"));
        TestFiles::write(delivered(), "[Jazyk]\r\nactive=0\r\n");
    }

    QString delivered() const { return root.filePath("usr/share/winorba/WinOrba.lng"); }
    QString resolve(const QString &extension) const
    {
        return ProgramFiles::resolve(root.filePath("usr/bin/WinOrba"), root.filePath("config"), extension);
    }

    QTemporaryDir root;
};

TEST_F(InstalledProgramFiles, FindsTheDeliveredFilesRelativeToTheExecutable)
{
    EXPECT_EQ(ProgramFiles::installedDataFolder(root.filePath("usr/bin/WinOrba")), root.filePath("usr/share/winorba"));
}

TEST_F(InstalledProgramFiles, SeedsTheUsersLanguageFileFromTheDeliveredOneOnFirstUse)
{
    EXPECT_EQ(resolve(".lng"), root.filePath("config/WinOrba/WinOrba.lng"));
    EXPECT_EQ(TestFiles::read(root.filePath("config/WinOrba/WinOrba.lng")), "[Jazyk]\r\nactive=0\r\n");
    EXPECT_EQ(resolve(".tmp"), root.filePath("config/WinOrba/WinOrba.tmp"));
    EXPECT_FALSE(QFileInfo::exists(root.filePath("config/WinOrba/WinOrba.tmp")));
    EXPECT_FALSE(QFileInfo::exists(root.filePath("usr/bin/WinOrba.lng")));
}

TEST_F(InstalledProgramFiles, KeepsTheUsersOwnFileOnLaterStarts)
{
    resolve(".lng");
    TestFiles::write(root.filePath("config/WinOrba/WinOrba.lng"), "[Jazyk]\r\nactive=1\r\n");
    TestFiles::write(delivered(), "[Jazyk]\r\nactive=0\r\nnew=1\r\n");
    resolve(".lng");
    EXPECT_EQ(TestFiles::read(root.filePath("config/WinOrba/WinOrba.lng")), "[Jazyk]\r\nactive=1\r\n");
}

TEST_F(InstalledProgramFiles, TheUsersCopyOfAReadOnlyDeliveredFileCanBeWritten)
{
    QFile::setPermissions(delivered(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    EXPECT_TRUE(QFileInfo(resolve(".lng")).permission(QFileDevice::WriteOwner));
}

TEST_F(InstalledProgramFiles, UsesTheDeliveredFileWhenNoCopyCanBeMade)
{
    TestFiles::write(root.filePath("config"), "a file where the configuration folder should be");
    EXPECT_EQ(resolve(".lng"), delivered());
    EXPECT_EQ(resolve(".tmp"), root.filePath("config/WinOrba/WinOrba.tmp"));
}

TEST(ProgramFiles, TheTransferFileGoesWithTheLanguageFileInUse)
{
    EXPECT_EQ(ProgramFiles::transferFileFor("/home/u/.config/WinOrba/WinOrba.lng"),
              "/home/u/.config/WinOrba/WinOrba.tmp");
    EXPECT_EQ(ProgramFiles::transferFileFor("/opt/w/prog.lng"), "/opt/w/prog.tmp");
}
