#include "i18n/ApplyLanguage.h"

#include "i18n/LanguageTable.h"

void ApplyLanguage(const ProfileFile &file, const std::function<QByteArray()> &sectionName, const LanguageRows &rows)
{
    for (const LanguageRow &row : rows)
        row.put(file.readString(sectionName(), row.key, {}));
}

void ReadKeptTexts(const ProfileFile &file, const QByteArray &section, KeptTexts &kept)
{
    ApplyLanguage(file, [&section] { return section; }, LanguageTable::keptRows(kept));
}
