#include "document/FileAccess.h"

#include "document/DocumentErrors.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// Closes the descriptor on every path out of a read or write.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    // Closes now, so that a failure of the close itself can be reported; returns its errno or 0.
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// Returns the errno of the first failed write, or 0.
int writeAll(int fd, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t written = ::write(fd, bytes.data(), static_cast<size_t>(bytes.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        bytes = bytes.sliced(written);
    }
    return 0;
}

// The file a save replaces: a link's target, so that the link itself survives.
QString replacedFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : fileName;
}

// A fresh hidden file beside the target, readable and writable as a new file
// would be (the umask applies).
int createBeside(const QString &target, QByteArray &tempName)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString suffix = QString::number(QRandomGenerator::global()->generate(), 36);
        tempName = QFile::encodeName(info.path() + "/." + info.fileName() + ".saving-" + suffix);
        const int fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Checks that the target may be replaced; returns an errno or 0. A read-only
// file stays protected although its folder would allow a rename over it.
int replaceableTarget(const QByteArray &target, struct stat &existing, bool &exists)
{
    exists = ::stat(target.constData(), &existing) == 0;
    if (!exists)
        return errno == ENOENT ? 0 : errno;
    if (S_ISDIR(existing.st_mode))
        return EISDIR;
    if (!S_ISREG(existing.st_mode))
        return EINVAL;
    return ::access(target.constData(), W_OK) == 0 ? 0 : errno;
}

// Writes the new file completely; returns an errno or 0. The copy takes the
// old file's owner where the system lets it, then its mode (a change of owner
// may clear mode bits).
int fillNewFile(Descriptor &file, QByteArrayView bytes, const struct stat *existing)
{
    if (const int error = writeAll(file.get(), bytes))
        return error;
    if (existing) {
        if (::fchown(file.get(), existing->st_uid, existing->st_gid) != 0)
            static_cast<void>(::fchown(file.get(), static_cast<uid_t>(-1), existing->st_gid));
        if (::fchmod(file.get(), existing->st_mode & 07777) != 0)
            return errno;
    }
    if (::fsync(file.get()) != 0)
        return errno;
    return file.close();
}

// A new file beside the target, renamed over it once complete; returns an errno or 0.
int replaceFile(const QString &targetName, QByteArrayView bytes, const struct stat *existing)
{
    QByteArray tempName;
    Descriptor file(createBeside(targetName, tempName));
    if (file.get() < 0)
        return errno;
    int error = fillNewFile(file, bytes, existing);
    if (!error && ::rename(tempName.constData(), QFile::encodeName(targetName).constData()) != 0)
        error = errno;
    if (error)
        ::unlink(tempName.constData());
    return error;
}

// The bytes over the existing file's content, which is cut to their length; returns an errno or 0.
int writeInPlace(const QString &targetName, QByteArrayView bytes)
{
    Descriptor file(::open(QFile::encodeName(targetName).constData(), O_WRONLY | O_CLOEXEC));
    if (file.get() < 0)
        return errno;
    if (const int error = writeAll(file.get(), bytes))
        return error;
    if (::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0 || ::fsync(file.get()) != 0)
        return errno;
    return file.close();
}

bool folderWritable(const QString &targetName)
{
    return ::access(QFile::encodeName(QFileInfo(targetName).absolutePath()).constData(), W_OK | X_OK) == 0;
}

} // namespace

QByteArray ReadWholeFile(const QString &fileName)
{
    Descriptor file(::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC));
    struct stat info;
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0)
        throw FileError(false, fileName, errno);
    if (S_ISDIR(info.st_mode))
        throw FileError(false, fileName, EISDIR);
    QByteArray bytes;
    if (S_ISREG(info.st_mode))
        bytes.reserve(static_cast<qsizetype>(info.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw FileError(false, fileName, errno);
        if (got == 0)
            return bytes;
        bytes.append(chunk, got);
    }
}

SaveMethod ChooseSaveMethod(const SaveTarget &target)
{
    if (!target.exists)
        return SaveMethod::Replace;
    return target.links > 1 || !target.folderWritable ? SaveMethod::InPlace : SaveMethod::Replace;
}

void WriteFileSafely(const QString &fileName, QByteArrayView bytes, SaveMethod (*choose)(const SaveTarget &))
{
    const QString targetName = replacedFile(fileName);
    struct stat existing;
    bool exists = false;
    if (const int error = replaceableTarget(QFile::encodeName(targetName), existing, exists))
        throw FileError(true, fileName, error);
    const SaveTarget target{exists, folderWritable(targetName), exists ? qint64(existing.st_nlink) : 0};
    const int error = choose(target) == SaveMethod::InPlace
                          ? writeInPlace(targetName, bytes)
                          : replaceFile(targetName, bytes, exists ? &existing : nullptr);
    if (error)
        throw FileError(true, fileName, error);
}
