#pragma once

#include <QString>

// The titles the print window shows while it works: the only progress the
// operator sees while pages are recorded or printed.
namespace PrintWindowTitles
{

// The executable's file name without its extension, every letter after the
// first in lower case ("WinOrba" gives "Winorba").
QString ApplicationTitle(const QString &executablePath);
QString Building(const QString &applicationTitle);
QString Finished(const QString &applicationTitle);
QString Printing(const QString &applicationTitle, int page, int totalPages, int percent);
// The current page and the total, as the page label shows them.
QString PageLabel(int page, int totalPages);
QString ZoomLabel(int zoom);

} // namespace PrintWindowTitles
