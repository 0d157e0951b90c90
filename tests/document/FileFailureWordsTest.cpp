#include "document/DocumentErrors.h"
#include "document/FileAccess.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>

namespace
{

// Words of another language, each telling which slot it came from.
FileFailureWords markedWords()
{
    return {"R[%1|%2|%3]", "W[%1|%2|%3]", "missing", "forbidden", "folder", "full", "read-only", "other"};
}

} // namespace

TEST(FileFailureWords, TheSystemsNumberGivesTheReason)
{
    EXPECT_EQ(FileFailureReasonOf(ENOENT), FileFailureReason::NotFound);
    EXPECT_EQ(FileFailureReasonOf(ENOTDIR), FileFailureReason::NotFound);
    EXPECT_EQ(FileFailureReasonOf(EACCES), FileFailureReason::NoPermission);
    EXPECT_EQ(FileFailureReasonOf(EPERM), FileFailureReason::NoPermission);
    EXPECT_EQ(FileFailureReasonOf(EISDIR), FileFailureReason::IsAFolder);
    EXPECT_EQ(FileFailureReasonOf(ENOSPC), FileFailureReason::DiskFull);
    EXPECT_EQ(FileFailureReasonOf(EDQUOT), FileFailureReason::DiskFull);
    EXPECT_EQ(FileFailureReasonOf(EROFS), FileFailureReason::ReadOnlyDisk);
    EXPECT_EQ(FileFailureReasonOf(EIO), FileFailureReason::Other);
}

TEST(FileFailureWords, TheMessageNamesTheWholePathTheReasonAndTheNumber)
{
    const FileFailureWords words = markedWords();
    EXPECT_EQ(DescribeFileFailure(words, false, "/data/a.txt", EACCES), "R[/data/a.txt|forbidden|13]");
    EXPECT_EQ(DescribeFileFailure(words, true, "/data/a.txt", ENOSPC), "W[/data/a.txt|full|28]");
    EXPECT_EQ(DescribeFileFailure(words, true, "/data", EROFS), "W[/data|read-only|30]");
    EXPECT_EQ(DescribeFileFailure(words, false, "/data", EIO), "R[/data|other|5]");
    EXPECT_EQ(DescribeFileFailure(words, false, "/data", EISDIR), "R[/data|folder|21]");
    EXPECT_EQ(DescribeFileFailure(words, false, "/x/y", ENOENT), "R[/x/y|missing|2]");
    // A relative name is told as the full path the operator can find.
    EXPECT_TRUE(DescribeFileFailure(words, false, "rel.txt", ENOENT).startsWith("R[/"));
}

TEST(FileFailureWords, TheReaderAndWriterSpeakTheWordsSetLastAndMissingWordsStayEnglish)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.txt");
    FileFailureWords words = markedWords();
    words.notFound.clear();
    SetFileFailureWords(words);
    try {
        ReadWholeFile(missing);
        ADD_FAILURE() << "read a missing file";
    } catch (const std::runtime_error &failure) {
        EXPECT_EQ(QString::fromUtf8(failure.what()), "R[" + missing + "|the file or its folder does not exist|2]");
    }
    try {
        WriteFileSafely(dir.path(), "x");
        ADD_FAILURE() << "wrote over a folder";
    } catch (const std::runtime_error &failure) {
        EXPECT_EQ(QString::fromUtf8(failure.what()), "W[" + dir.path() + "|folder|21]");
    }
    SetFileFailureWords({});
}
