#include "print/PrintWindowTitles.h"

#include <QFileInfo>

namespace PrintWindowTitles
{

QString ApplicationTitle(const QString &executablePath)
{
    const QString name = QFileInfo(executablePath).completeBaseName();
    return name.left(1) + name.mid(1).toLower();
}

// Each pattern is filled in one pass, so a "%" in the program's name stays as it is.
QString Building(const Patterns &patterns, const QString &applicationTitle)
{
    return patterns.building.arg(applicationTitle);
}

QString Finished(const Patterns &patterns, const QString &applicationTitle)
{
    return patterns.finished.arg(applicationTitle);
}

QString Printing(const Patterns &patterns, const QString &applicationTitle, int page, int totalPages, int percent)
{
    return patterns.printing.arg(applicationTitle, QString::number(page), QString::number(totalPages),
                                 QString::number(percent));
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
