#pragma once

#include "i18n/LanguageRow.h"
#include "i18n/ProfileFile.h"

#include <QByteArray>

#include <functional>

struct KeptTexts;

// Puts every numbered text of the language section on its target, row by row
// in the order given. The section name is asked for afresh before each text is
// read, and each text is a lookup of its own in the file, so a language typed
// into the language box takes effect by exactly what was typed. A missing
// file, section or key gives an empty text. Windows that are hidden take their
// texts as well.
void ApplyLanguage(const ProfileFile &file, const std::function<QByteArray()> &sectionName, const LanguageRows &rows);

// Reads only the kept texts of a language section, for a run without windows.
void ReadKeptTexts(const ProfileFile &file, const QByteArray &section, KeptTexts &kept);
