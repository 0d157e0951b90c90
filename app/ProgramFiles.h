#pragma once

#include <QString>

// Where the program keeps its own files: the language file (which also holds
// the settings) and the transfer file, both named after the executable.
//
// An installed program (its delivered language file sits in the data folder
// that the install layout puts at a fixed place relative to the executable,
// share/winorba next to bin/) keeps them in "WinOrba" under the user's
// configuration folder, so that every user has settings of their own; the
// language file is first copied there from the delivered one.
//
// Anywhere else (the build folder, a folder of its own) they live beside the
// executable; where that folder cannot be written they too go to the user's
// configuration folder, first copied from the file beside the executable.
class ProgramFiles
{
public:
    static QString languageFile();
    static QString transferFile();
    // The transfer file that goes with a language file: same folder, same name, extension ".tmp".
    static QString transferFileFor(const QString &languageFile);

    // The rule itself, for a given executable and configuration folder.
    static QString resolve(const QString &executablePath, const QString &configFolder, const QString &extension);

    // The folder of the delivered files in the install layout, relative to the executable's folder.
    static QString installedDataFolder(const QString &executablePath);
};
