#include "i18n/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

QtTranslation::~QtTranslation()
{
    remove();
}

void QtTranslation::use(QByteArrayView languageCode)
{
    remove();
    const QString code = QString::fromLatin1(languageCode).trimmed();
    if (code.isEmpty())
        return;
    if (m_translator.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        m_installed = QCoreApplication::installTranslator(&m_translator);
}

void QtTranslation::remove()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
    m_installed = false;
}
