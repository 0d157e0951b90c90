#pragma once

#include <QByteArrayView>
#include <QTranslator>

// Qt's own texts (the buttons of message boxes, the file and print dialogs)
// in the chosen language, from the translations Qt ships for the system
// ("qtbase_<code>.qm"). One translator at most is installed; a language with
// no such file (English, whose texts Qt carries itself) installs none.
class QtTranslation
{
public:
    QtTranslation() = default;
    ~QtTranslation();
    QtTranslation(const QtTranslation &) = delete;
    QtTranslation &operator=(const QtTranslation &) = delete;

    // Takes the language named by its code ("cs"); an empty code means Qt's own texts.
    void use(QByteArrayView languageCode);
    // True while a translation of Qt's texts is installed.
    bool installed() const { return m_installed; }

private:
    void remove();

    QTranslator m_translator;
    bool m_installed = false;
};
