#include "print/PrintWindowTitles.h"

#include <QFileInfo>

namespace PrintWindowTitles
{

QString ApplicationTitle(const QString &executablePath)
{
    const QString name = QFileInfo(executablePath).completeBaseName();
    return name.left(1) + name.mid(1).toLower();
}

QString Building(const QString &applicationTitle)
{
    return applicationTitle + QStringLiteral(" - vytvárím stránky...");
}

QString Finished(const QString &applicationTitle)
{
    return applicationTitle + QStringLiteral(" - hotovo ...");
}

QString Printing(const QString &applicationTitle, int page, int totalPages, int percent)
{
    // One pass over the pattern, so a "%" in the program's name stays as it is.
    return QStringLiteral("%1 - Tisknu stránku %2 of %3 (%%4 hotovo)...")
        .arg(applicationTitle, QString::number(page), QString::number(totalPages), QString::number(percent));
}

QString PageLabel(int page, int totalPages)
{
    return QStringLiteral("%1 / %2").arg(page).arg(totalPages);
}

QString ZoomLabel(int zoom)
{
    return QStringLiteral("%1%").arg(zoom);
}

} // namespace PrintWindowTitles
