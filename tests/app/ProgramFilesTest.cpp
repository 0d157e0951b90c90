#include "app/ProgramFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramFiles, BesideAnExecutableInAWritableFolder)
{
    QTemporaryDir dir;
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
