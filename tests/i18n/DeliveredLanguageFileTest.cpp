#include "LanguageTestWindows.h"

#include <QFile>

using namespace LanguageTest;

TEST(DeliveredLanguageFile, IsWindows1250WithCrLfLineEndsAndDefaultSettings)
{
    QFile file(deliveredLanguageFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("\r\n[\xE8"
                               "e\x9Atina]\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));

    const ProfileFile settings(deliveredLanguageFile());
    for (const auto &[section, key, value] : {std::tuple("Jazyk", "active", "0"),
                                              {"Jazyk", "autoopen", "1"},
                                              {"ComPort1", "Port", "COM1"},
                                              {"ComPort1", "BaudRate", "4800"},
                                              {"ComPort1", "StopBits", "1"},
                                              {"ComPort1", "DataBits", "8"},
                                              {"ComPort1", "Parity", "Even"},
                                              {"ComPort1", "FlowControl", "Hardware"}})
        EXPECT_EQ(settings.readString(section, key, {}), value) << key;
}

TEST(DeliveredLanguageFile, EveryListedLanguageHasEveryText)
{
    const ProfileFile file(deliveredLanguageFile());
    const QList<QByteArray> languages = file.readString("Jazyk", "Poradi", {}).split(',');
    EXPECT_EQ(languages, (QList<QByteArray>{"\xE8"
                                            "e\x9Atina",
                                            "English"}));
    for (const QByteArray &language : languages)
        for (const QByteArray &key : languageKeys())
            EXPECT_FALSE(file.readString(language, key, {}).isEmpty())
                << CodePage::toUnicode(language).toStdString() << " " << key.constData();
}

TEST(DeliveredLanguageFile, CzechKeepsTheTextsTheWindowsCarry)
{
    const TextOf czech = sectionTexts(deliveredLanguageFile(), "\xE8"
                                                               "e\x9Atina");
    for (const auto &[key, text] : {std::pair("9", "Založeno:"),
                                    {"21", "Tisk"},
                                    {"22", "Celá stránka"},
                                    {"23", "Zavřít"},
                                    {"24", "Jméno / Offset"},
                                    {"25", "Znak / Číslo"},
                                    {"40", "zvětšení:"},
                                    {"41", "Stránka:"},
                                    {"45", "Zrušit"},
                                    {"29", "Přečíslovat"},
                                    {"139", "Upravit položku"},
                                    {"140", "%1 - vytvárím stránky..."},
                                    {"141", "%1 - hotovo ..."},
                                    {"142", "%1 - Tisknu stránku %2 of %3 (%%4 hotovo)..."}})
        EXPECT_EQ(czech(key), QString::fromUtf8(text)) << key;
}
