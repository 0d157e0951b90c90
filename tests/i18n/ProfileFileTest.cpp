#include "i18n/ProfileFile.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

class ProfileFileTest : public testing::Test
{
protected:
    void writeRaw(const QByteArray &bytes) { TestFiles::write(path, bytes); }
    QByteArray readRaw() { return TestFiles::read(path); }

    QTemporaryDir dir;
    QString path = dir.filePath("test.lng");
    ProfileFile file{path};
};

} // namespace

TEST_F(ProfileFileTest, ReadsCaseBlindAndTrimmed)
{
    writeRaw("; comment=ignored\r\n[Jazyk]\r\n  Poradi =  a,b  \r\nactive=1\r\n[other]\r\nactive=9\r\n");
    EXPECT_EQ(file.readString("JAZYK", "poradi", "d"), "a,b");
    EXPECT_EQ(file.readInt("jazyk", "ACTIVE", 0), 1);
    EXPECT_EQ(file.readString("jazyk", "missing", "def"), "def");
    EXPECT_EQ(file.readString("nosection", "active", "def"), "def");
    EXPECT_EQ(file.readInt("Jazyk", "Poradi", 42), 42);
}

TEST_F(ProfileFileTest, EnclosingQuotesAreDropped)
{
    writeRaw("[s]\na=\"x, y\"\nb='1'\nc=\"half\nd=\"\n");
    EXPECT_EQ(file.readString("s", "a", ""), "x, y");
    EXPECT_EQ(file.readInt("s", "b", 0), 1);
    EXPECT_EQ(file.readString("s", "c", ""), "\"half");
    EXPECT_EQ(file.readString("s", "d", ""), "\"");
}

TEST_F(ProfileFileTest, EightBitSectionNamesCompareWithoutCase)
{
    writeRaw("[\xC8"
             "e\x9Atina]\n1=Na\xE8"
             "ti\n"); // "Čeština" / "Načti"
    EXPECT_EQ(file.readString("\xE8"
                              "e\x9Atina",
                              "1", ""),
              "Na\xE8"
              "ti");
}

TEST_F(ProfileFileTest, ValuesAreCutAt2047Characters)
{
    writeRaw("[s]\nk=" + QByteArray(3000, 'x') + "\n");
    EXPECT_EQ(file.readString("s", "k", "").size(), 2047);
}

TEST_F(ProfileFileTest, NothingIsCachedBetweenReads)
{
    writeRaw("[s]\nk=1\n");
    EXPECT_EQ(file.readString("s", "k", ""), "1");
    writeRaw("[s]\nk=2\n");
    EXPECT_EQ(file.readString("s", "k", ""), "2");
}

TEST_F(ProfileFileTest, WritingKeepsEveryOtherLineAndItsOrder)
{
    writeRaw("; header\n[A]\nx=1\n\n[Jazyk]\nPoradi=a,b\nactive=0\n\n[B]\ny=2");
    ASSERT_TRUE(file.writeString("jazyk", "ACTIVE", "3"));
    ASSERT_TRUE(file.writeString("Jazyk", "autoopen", "1"));
    ASSERT_TRUE(file.writeString("B", "z", "4"));
    ASSERT_TRUE(file.writeString("New", "k", "v"));
    EXPECT_EQ(
        readRaw(),
        "; header\n[A]\nx=1\n\n[Jazyk]\nPoradi=a,b\nACTIVE=3\nautoopen=1\r\n\n[B]\ny=2\r\nz=4\r\n[New]\r\nk=v\r\n");
}

TEST_F(ProfileFileTest, WritingCreatesAMissingFile)
{
    ASSERT_TRUE(file.writeInt("Jazyk", "active", -1));
    EXPECT_EQ(readRaw(), "[Jazyk]\r\nactive=-1\r\n");
}

TEST_F(ProfileFileTest, AReadOnlyFileIsNotWrittenAndStaysAsItWas)
{
    writeRaw("[s]\nk=1\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    if (QFileInfo(path).isWritable())
        GTEST_SKIP() << "running with rights that ignore file permissions";
    EXPECT_FALSE(file.writeString("s", "k", "2"));
    EXPECT_EQ(file.readString("s", "k", ""), "1");
}
