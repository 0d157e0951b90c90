#include "i18n/QtTranslation.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <gtest/gtest.h>

// Qt's Czech texts come and go with the language; a code Qt has no
// translation for, and English, leave Qt's own English texts.
TEST(QtTranslation, InstallsTheLanguagesTranslationAndRemovesItAgain)
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_cs.qm")))
        GTEST_SKIP() << "Qt's Czech translation is not installed";
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    {
        QtTranslation translation;
        translation.use("cs");
        EXPECT_TRUE(translation.installed());
        EXPECT_EQ(cancel(), QString::fromUtf8("Zrušit"));
        for (const char *code : {"", "en", "xx"}) {
            translation.use(code);
            EXPECT_EQ(cancel(), "Cancel") << code;
        }
        translation.use(" cs ");
        EXPECT_EQ(cancel(), QString::fromUtf8("Zrušit"));
    }
    EXPECT_EQ(cancel(), "Cancel");
}
