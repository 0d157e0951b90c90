#include "link/transfers/BackupFileName.h"

#include "i18n/CodePage.h"

namespace
{

bool unsafe(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f || QStringView(u"/\\:*?\"<>|").contains(c);
}

QString safeName(QByteArrayView rowName)
{
    QString name = CodePage::toUnicode(rowName).trimmed();
    for (QChar &c : name) {
        if (unsafe(c))
            c = u'_';
    }
    for (qsizetype i = name.size(); i > 0 && (name[i - 1] == u'.' || name[i - 1] == u' '); --i)
        name[i - 1] = u'_';
    return name;
}

} // namespace

QString BackupFileName(QByteArrayView fileNumber, QByteArrayView rowName)
{
    const QString name = safeName(rowName);
    const QString number = QString::fromLatin1(fileNumber);
    const QString stem = name.isEmpty() ? number : number + u' ' + name;
    return stem.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) ? stem : stem + QStringLiteral(".txt");
}
