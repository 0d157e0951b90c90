#include "document/FileAccess.h"
#include "DeviceFileSamples.h"
#include "document/DeviceFileReader.h"
#include "document/DeviceFileWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <stdexcept>
#include <string>
#include <sys/resource.h>

namespace
{

void putFile(const QString &name, QByteArrayView bytes)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), bytes.size());
}

QByteArray contentOf(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

std::string writeFailure(const QString &name, QByteArrayView bytes)
{
    try {
        WriteFileSafely(name, bytes);
    } catch (const std::runtime_error &failure) {
        return failure.what();
    }
    return "no failure";
}

// Limits the size of files this process writes, so that a write fails half-way.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};

} // namespace

TEST(WriteFileSafely, ReplacesTheContentKeepsPermissionsAndLeavesNothingBehind)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("data.txt");
    putFile(name, "old content that is longer");
    QFile::setPermissions(name, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    WriteFileSafely(name, "new");
    EXPECT_EQ(contentOf(name), "new");
    EXPECT_EQ(QFile::permissions(name), QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::WriteOwner |
                                            QFileDevice::WriteUser | QFileDevice::ReadGroup);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"data.txt"});
}

TEST(WriteFileSafely, FollowsALinkAndKeepsIt)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("target.txt");
    const QString link = dir.filePath("link.txt");
    putFile(target, "old");
    ASSERT_TRUE(QFile::link(target, link));
    WriteFileSafely(link, "new");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contentOf(target), "new");
}

TEST(WriteFileSafely, FailureHalfWayLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("data.txt");
    putFile(name, "old");
    std::string failure;
    {
        FileSizeLimit limit(1000);
        failure = writeFailure(name, QByteArray(5000, 'x'));
    }
    EXPECT_EQ(failure, "Cannot create file \"" + name.toStdString() + "\". File too large");
    EXPECT_EQ(contentOf(name), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"data.txt"});
}

TEST(WriteFileSafely, NamesTheFileAndTheSystemReason)
{
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath("nowhere/a.txt");
    EXPECT_EQ(writeFailure(missingFolder, "x"),
              "Cannot create file \"" + missingFolder.toStdString() + "\". No such file or directory");
    EXPECT_EQ(writeFailure(dir.path(), "x"), "Cannot create file \"" + dir.path().toStdString() + "\". Is a directory");
}

TEST(WritePlainDeviceFile, RefusedSaveLeavesTheFileUntouched)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("data.txt");
    putFile(name, "old");
    const std::vector<Entry> bad{Entry{"1", "a", ""}, Entry{"", "x", "$00"}};
    EXPECT_THROW(WritePlainDeviceFile(name, bad, SampleDay, SampleClock, "0"), std::runtime_error);
    EXPECT_EQ(contentOf(name), "old");
    WritePlainDeviceFile(name, {Entry{"xx", "jmeno", ""}, Entry{"", "0", "$00"}}, SampleDay, SampleClock, "0");
    EXPECT_EQ(contentOf(name), NewDocumentFile);
    EXPECT_EQ(ReadDeviceFile(name, false, QDateTime::currentDateTime()).entries.size(), 2u);
}
