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
    const QString fileName = executable.completeBaseName() + extension;
    const QString beside = executable.absoluteDir().filePath(fileName);
    if (QFileInfo(executable.absolutePath()).isWritable())
        return beside;

    const QDir userFolder(QDir(configFolder).filePath("WinOrba"));
    const QString own = userFolder.filePath(fileName);
    if (!QFileInfo::exists(own) && userFolder.mkpath(".") && QFileInfo::exists(beside))
        QFile::copy(beside, own);
    return own;
}
