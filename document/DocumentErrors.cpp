#include "document/DocumentErrors.h"

#include "i18n/CodePage.h"

#include <QFileInfo>

#include <cerrno>

namespace
{

FileFailureWords &currentWords()
{
    static FileFailureWords words = FileFailureWords::builtIn();
    return words;
}

const QByteArray &reasonWords(const FileFailureWords &words, FileFailureReason reason)
{
    switch (reason) {
    case FileFailureReason::NotFound:
        return words.notFound;
    case FileFailureReason::NoPermission:
        return words.noPermission;
    case FileFailureReason::IsAFolder:
        return words.isAFolder;
    case FileFailureReason::DiskFull:
        return words.diskFull;
    case FileFailureReason::ReadOnlyDisk:
        return words.readOnlyDisk;
    case FileFailureReason::Other:
        break;
    }
    return words.refused;
}

void keepUnlessEmpty(QByteArray &kept, const QByteArray &given)
{
    if (!given.isEmpty())
        kept = given;
}

} // namespace

std::runtime_error DocumentError(const QString &message)
{
    return std::runtime_error(message.toUtf8().toStdString());
}

std::runtime_error NotAnIntegerError(QByteArrayView text)
{
    return DocumentError(QStringLiteral("'%1' is not a valid integer value").arg(CodePage::toUnicode(text)));
}

std::runtime_error ListIndexError(qsizetype index)
{
    return DocumentError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

QByteArrayView RequiredCell(const Entry &entry, Entry::Cell cell)
{
    if (!entry.hasCell(cell))
        throw ListIndexError(cell - 1);
    return entry.cellView(cell);
}

FileFailureReason FileFailureReasonOf(int systemError)
{
    switch (systemError) {
    case ENOENT:
    case ENOTDIR:
        return FileFailureReason::NotFound;
    case EACCES:
    case EPERM:
        return FileFailureReason::NoPermission;
    case EISDIR:
        return FileFailureReason::IsAFolder;
    case ENOSPC:
    case EDQUOT:
        return FileFailureReason::DiskFull;
    case EROFS:
        return FileFailureReason::ReadOnlyDisk;
    default:
        return FileFailureReason::Other;
    }
}

FileFailureWords FileFailureWords::builtIn()
{
    return {"File \"%1\" cannot be read: %2 (error %3)",
            "File \"%1\" cannot be written: %2 (error %3)",
            "the file or its folder does not exist",
            "no permission",
            "it is a folder",
            "the disk is full",
            "the disk is read-only",
            "the system refused the operation"};
}

QString DescribeFileFailure(const FileFailureWords &words, bool writing, const QString &fileName, int systemError)
{
    return CodePage::toUnicode(writing ? words.notWritten : words.notRead)
        .arg(QFileInfo(fileName).absoluteFilePath(),
             CodePage::toUnicode(reasonWords(words, FileFailureReasonOf(systemError))), QString::number(systemError));
}

void SetFileFailureWords(const FileFailureWords &words)
{
    FileFailureWords kept = FileFailureWords::builtIn();
    for (auto member : {&FileFailureWords::notRead, &FileFailureWords::notWritten, &FileFailureWords::notFound,
                        &FileFailureWords::noPermission, &FileFailureWords::isAFolder, &FileFailureWords::diskFull,
                        &FileFailureWords::readOnlyDisk, &FileFailureWords::refused})
        keepUnlessEmpty(kept.*member, words.*member);
    currentWords() = kept;
}

std::runtime_error FileError(bool writing, const QString &fileName, int systemError)
{
    return DocumentError(DescribeFileFailure(currentWords(), writing, fileName, systemError));
}
