#pragma once

#include <QString>

// The titles the print window shows while it works: the only progress the
// operator sees while pages are recorded or printed.
namespace PrintWindowTitles
{

// The title patterns, numbered texts of the language file; %1 is the
// application's title, and while printing %2 the page, %3 the number of
// pages and %4 the percentage done. Until a language is applied the window
// carries the Czech ones.
struct Patterns {
    QString building = QString::fromUtf8("%1 - vytvárím stránky...");
    QString finished = QStringLiteral("%1 - hotovo ...");
    QString printing = QString::fromUtf8("%1 - Tisknu stránku %2 of %3 (%%4 hotovo)...");
};

// The executable's file name without its extension, every letter after the
// first in lower case ("WinOrba" gives "Winorba").
QString ApplicationTitle(const QString &executablePath);
QString Building(const Patterns &patterns, const QString &applicationTitle);
QString Finished(const Patterns &patterns, const QString &applicationTitle);
QString Printing(const Patterns &patterns, const QString &applicationTitle, int page, int totalPages, int percent);
// The current page and the total, as the page label shows them.
QString PageLabel(int page, int totalPages);
QString ZoomLabel(int zoom);

} // namespace PrintWindowTitles
