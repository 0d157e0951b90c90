#pragma once

#include <QByteArrayView>
#include <QString>

// The name a device file gets in a backup folder: its file number, a blank and
// its directory row's name, ending ".txt" ("007 alpha.txt"). The row's name is
// in the device's code page; blanks around it are dropped, and every character
// a file name cannot hold on Linux or Windows (a control character, / \ : * ?
// " < > |) becomes "_", as do the dots and blanks a name cannot end with on
// Windows. A name that already ends ".txt" gets no second one; a row without a
// name gives the number alone.
QString BackupFileName(QByteArrayView fileNumber, QByteArrayView rowName);

// The directory itself in a backup folder.
inline constexpr char BackupDirectoryFileName[] = "directory.txt";
