#include "app/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{

QString resolveForThisProgram(const QString &extension)
{
    return ProgramFiles::resolve(QCoreApplication::applicationFilePath(),
                                 QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), extension);
}

// The user's own copy of a program file; on first use it starts as a copy of
// the delivered one (when there is one), which the user can then write. When
// no copy can be made (a configuration folder that cannot be written), the
// delivered file is used as it is, so the captions still show and closing
// reports that the settings could not be written.
QString userFile(const QString &configFolder, const QString &fileName, const QString &delivered)
{
    const QDir userFolder(QDir(configFolder).filePath("WinOrba"));
    const QString own = userFolder.filePath(fileName);
    if (QFileInfo::exists(own))
        return own;
    const bool folderMade = userFolder.mkpath(".");
    if (!QFileInfo::exists(delivered))
        return own;
    if (!folderMade || !QFile::copy(delivered, own))
        return delivered;
    QFile::setPermissions(own, QFile::permissions(own) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return own;
}

} // namespace

QString ProgramFiles::languageFile()
{
    return resolveForThisProgram(".lng");
}

QString ProgramFiles::transferFile()
{
    return resolveForThisProgram(".tmp");
}

QString ProgramFiles::transferFileFor(const QString &languageFile)
{
    const QFileInfo language(languageFile);
    return language.dir().filePath(language.completeBaseName() + ".tmp");
}

QString ProgramFiles::resolve(const QString &executablePath, const QString &configFolder, const QString &extension)
{
    const QFileInfo executable(executablePath);
    const QString baseName = executable.completeBaseName();
    const QString fileName = baseName + extension;

    const QDir installedData(installedDataFolder(executablePath));
    if (QFileInfo::exists(installedData.filePath(baseName + ".lng")))
        return userFile(configFolder, fileName, installedData.filePath(fileName));

    const QString beside = executable.absoluteDir().filePath(fileName);
    if (QFileInfo(executable.absolutePath()).isWritable())
        return beside;
    return userFile(configFolder, fileName, beside);
}

QString ProgramFiles::installedDataFolder(const QString &executablePath)
{
    return QDir::cleanPath(QFileInfo(executablePath).absoluteDir().filePath(QStringLiteral(WINORBA_DATA_FROM_BINDIR)));
}
