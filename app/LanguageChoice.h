#pragma once

#include "i18n/ProfileFile.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The settings of section "Jazyk" of the language file: the list of
// languages offered in the language box, the one selected and whether a file
// received from the device is opened at once.
struct LanguageChoice {
    QList<QByteArray> languages;
    int active = 0;
    bool autoOpen = true;

    static LanguageChoice read(const ProfileFile &file);
    // "Poradi" is kept by hand and never written; false when the file cannot be written.
    static bool write(const ProfileFile &file, int active, bool autoOpen);
};

// Splits "Poradi" at each ",": segments are kept as they stand (blanks belong
// to the name), a last "," ends the list, an empty segment is an empty name
// and an empty value is one empty name.
QList<QByteArray> SplitLanguageList(QByteArrayView value);

// The listed language that a text typed into the language box names: the
// chosen one when its name is the text (names may repeat), otherwise the first
// whose name is exactly the text, case and blanks included; -1 when the text
// names none.
int NamedLanguage(const QStringList &languages, int chosen, const QString &text);
