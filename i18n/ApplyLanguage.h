#pragma once

#include "i18n/KeptTexts.h"
#include "i18n/ProfileFile.h"

#include <QByteArray>

#include <functional>

class QWidget;

// The four windows that carry language texts, found by their object names:
// "Form1", "EditFrm", "FrmTisk" and "frmSeznam".
struct LanguageWindows {
    QWidget *main;
    QWidget *edit;
    QWidget *print;
    QWidget *goTo;
};

// Puts every numbered text of the language section on its target (see
// LanguageTable). The section name is asked for afresh before each text is
// read, and each text is a lookup of its own in the file, so a language typed
// into the language box takes effect by exactly what was typed. A missing
// file, section or key gives an empty text. Windows that are hidden take their
// texts as well. A target that cannot be found is a programming error and
// throws std::runtime_error naming it; the rows before it keep their new texts.
void ApplyLanguage(const ProfileFile &file, const std::function<QByteArray()> &sectionName,
                   const LanguageWindows &windows, KeptTexts &kept);

// Reads only the kept texts of a language section, for a run without windows.
void ReadKeptTexts(const ProfileFile &file, const QByteArray &section, KeptTexts &kept);
