#include "app/LanguageChoice.h"

namespace
{
const QByteArray section("Jazyk");
const QByteArray defaultLanguages("\xE8"
                                  "e\x9Atina"); // "čeština" in the 8-bit code page
} // namespace

QList<QByteArray> SplitLanguageList(QByteArrayView value)
{
    QList<QByteArray> names;
    do {
        const qsizetype comma = value.indexOf(',');
        names.append(value.first(comma < 0 ? value.size() : comma).toByteArray());
        value = comma < 0 ? QByteArrayView() : value.sliced(comma + 1);
    } while (!value.isEmpty());
    return names;
}

LanguageChoice LanguageChoice::read(const ProfileFile &file)
{
    LanguageChoice choice;
    choice.languages = SplitLanguageList(file.readString(section, "Poradi", defaultLanguages));
    choice.active = file.readInt(section, "active", 0);
    choice.autoOpen = file.readInt(section, "autoopen", 1) != 0;
    return choice;
}

bool LanguageChoice::write(const ProfileFile &file, int active, bool autoOpen)
{
    return file.writeInt(section, "active", active) && file.writeInt(section, "autoopen", autoOpen ? 1 : 0);
}

int NamedLanguage(const QStringList &languages, int chosen, const QString &text)
{
    if (chosen >= 0 && chosen < languages.size() && languages[chosen] == text)
        return chosen;
    return static_cast<int>(languages.indexOf(text));
}
