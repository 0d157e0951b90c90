#include "i18n/ApplyLanguage.h"

void ApplyLanguage(const ProfileFile &file, const std::function<QByteArray()> &sectionName, const LanguageRows &rows)
{
    for (const LanguageRow &row : rows)
        row.put(file.readString(sectionName(), row.key, {}));
}
