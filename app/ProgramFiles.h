#pragma once

#include <QString>

// Where the program keeps its own files: the language file (which also holds
// the settings) and the transfer file, both named after the executable. They
// live beside the executable; where that folder cannot be written (an
// installed program) they live in "WinOrba" under the user's configuration
// folder, and the language file is first copied there from the delivered one.
class ProgramFiles
{
public:
    static QString languageFile();
    static QString transferFile();
    // The transfer file that goes with a language file: same folder, same name, extension ".tmp".
    static QString transferFileFor(const QString &languageFile);

    // The rule itself, for a given executable and configuration folder.
    static QString resolve(const QString &executablePath, const QString &configFolder, const QString &extension);
};
