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
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

struct stat statOf(const QString &name)
{
    struct stat info {
    };
    ::stat(QFile::encodeName(name).constData(), &info);
    return info;
}

// The user the writes of a test run as when the tests run as the superuser,
// whom the system lets write anywhere.
constexpr uid_t Nobody = 65534;

// Runs write as a user who may write the file but not its folder: as that
// user in a child process when the tests run as the superuser, else with the
// folder made read-only. Returns whether the write succeeded.
bool writeWithReadOnlyFolder(const QString &folder, const QString &file, void (*write)(const QString &))
{
    const QByteArray folderName = QFile::encodeName(folder);
    if (::geteuid() != 0) {
        ::chmod(folderName.constData(), 0555);
        bool written = true;
        try {
            write(file);
        } catch (const std::runtime_error &) {
            written = false;
        }
        ::chmod(folderName.constData(), 0755);
        return written;
    }
    ::chmod(folderName.constData(), 0755);
    ::chown(QFile::encodeName(file).constData(), Nobody, Nobody);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
            ::_exit(2);
        try {
            write(file);
        } catch (const std::runtime_error &) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

TEST(SaveMethod, ReplacesWhereItCanAndWritesInPlaceWhereAReplaceWouldFailOrPartNames)
{
    EXPECT_EQ(ChooseSaveMethod({false, true, 0}), SaveMethod::Replace);
    EXPECT_EQ(ChooseSaveMethod({false, false, 0}), SaveMethod::Replace); // a new file needs the folder anyway
    EXPECT_EQ(ChooseSaveMethod({true, true, 1}), SaveMethod::Replace);
    EXPECT_EQ(ChooseSaveMethod({true, false, 1}), SaveMethod::InPlace);
    EXPECT_EQ(ChooseSaveMethod({true, true, 2}), SaveMethod::InPlace);
}

TEST(WriteFileSafely, AFileWithSeveralNamesKeepsThemAll)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("data.txt");
    const QString other = dir.filePath("other name.txt");
    putFile(name, "old content that is longer");
    ASSERT_EQ(::link(QFile::encodeName(name).constData(), QFile::encodeName(other).constData()), 0);
    const ino_t inode = statOf(name).st_ino;
    WriteFileSafely(name, "new");
    EXPECT_EQ(contentOf(other), "new");
    EXPECT_EQ(statOf(name).st_ino, inode);
    EXPECT_EQ(statOf(name).st_nlink, 2u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"data.txt", "other name.txt"}));
}

TEST(WriteFileSafely, AWritableFileInAFolderThatIsNotIsWrittenInPlace)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("data.txt");
    putFile(name, "old content that is longer");
    ::chmod(QFile::encodeName(name).constData(), 0640);
    EXPECT_TRUE(writeWithReadOnlyFolder(dir.path(), name, [](const QString &file) { WriteFileSafely(file, "new"); }));
    EXPECT_EQ(contentOf(name), "new");
    EXPECT_EQ(statOf(name).st_mode & 07777, 0640u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"data.txt"});
}

TEST(WriteFileSafely, InPlaceKeepsTheFileItselfAndCutsItToTheNewLength)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("data.txt");
    putFile(name, "old content that is longer");
    ::chmod(QFile::encodeName(name).constData(), 0604);
    const ino_t inode = statOf(name).st_ino;
    WriteFileSafely(name, "short", [](const SaveTarget &target) {
        EXPECT_TRUE(target.exists);
        EXPECT_EQ(target.links, 1);
        return SaveMethod::InPlace;
    });
    EXPECT_EQ(contentOf(name), "short");
    EXPECT_EQ(statOf(name).st_ino, inode);
    EXPECT_EQ(statOf(name).st_mode & 07777, 0604u);
}

TEST(WriteFileSafely, AReplacedFileKeepsItsOwnerWhereTheSystemAllows)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser may give a file to another user";
    QTemporaryDir dir;
    const QString name = dir.filePath("data.txt");
    putFile(name, "old");
    ::chown(QFile::encodeName(name).constData(), Nobody, Nobody);
    WriteFileSafely(name, "new");
    EXPECT_EQ(statOf(name).st_uid, Nobody);
    EXPECT_EQ(statOf(name).st_gid, Nobody);
}

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
    EXPECT_EQ(failure,
              "File \"" + name.toStdString() + "\" cannot be written: the system refused the operation (error 27)");
    EXPECT_EQ(contentOf(name), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"data.txt"});
}

TEST(WriteFileSafely, NamesTheFileAndTheSystemReason)
{
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath("nowhere/a.txt");
    EXPECT_EQ(writeFailure(missingFolder, "x"),
              "File \"" + missingFolder.toStdString() +
                  "\" cannot be written: the file or its folder does not exist (error 2)");
    EXPECT_EQ(writeFailure(dir.path(), "x"),
              "File \"" + dir.path().toStdString() + "\" cannot be written: it is a folder (error 21)");
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
