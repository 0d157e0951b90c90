#include "LanguageTestWindows.h"

#include <QFile>

using namespace LanguageTest;

namespace
{

QByteArray deliveredBytes()
{
    QFile file(deliveredLanguageFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QByteArray> listedLanguages(const ProfileFile &file)
{
    QList<QByteArray> names = file.readString("Jazyk", "Poradi", {}).split(',');
    if (names.size() > 1 && names.last().isEmpty())
        names.removeLast();
    return names;
}

} // namespace

TEST(DeliveredLanguageFile, IsWindows1250WithCrLfLineEnds)
{
    const QByteArray bytes = deliveredBytes();
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.contains("\r\n[\xE8"
                               "e\x9Atina]\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
}

TEST(DeliveredLanguageFile, SettingsSections)
{
    const ProfileFile file(deliveredLanguageFile());
    EXPECT_EQ(listedLanguages(file), (QList<QByteArray>{"\xE8"
                                                        "e\x9Atina",
                                                        "English"}));
    EXPECT_EQ(file.readString("Jazyk", "active", {}), "0");
    EXPECT_EQ(file.readString("Jazyk", "autoopen", {}), "1");
    const std::pair<const char *, const char *> port[] = {{"Port", "COM1"},   {"BaudRate", "4800"},
                                                          {"StopBits", "1"},  {"DataBits", "8"},
                                                          {"Parity", "Even"}, {"FlowControl", "Hardware"}};
    for (const auto &[key, value] : port)
        EXPECT_EQ(file.readString("ComPort1", key, {}), value) << key;
}

TEST(DeliveredLanguageFile, EveryListedLanguageHasEveryText)
{
    const ProfileFile file(deliveredLanguageFile());
    for (const QByteArray &language : listedLanguages(file))
        for (const QByteArray &key : languageKeys())
            EXPECT_FALSE(file.readString(language, key, {}).isEmpty())
                << CodePage::toUnicode(language).toStdString() << " " << key.constData();
}

TEST(DeliveredLanguageFile, CzechKeepsTheTextsTheWindowsCarry)
{
    const TextOf czech = sectionTexts(deliveredLanguageFile(), "\xE8"
                                                               "e\x9Atina");
    const std::pair<const char *, const char *> carried[] = {
        {"9", "Založeno:"},     {"21", "Tisk"},      {"22", "Celá stránka"}, {"23", "Zavřít"}, {"24", "Jméno / Offset"},
        {"25", "Znak / Číslo"}, {"40", "zvětšení:"}, {"41", "Stránka:"},     {"45", "Zrušit"}};
    for (const auto &[key, text] : carried)
        EXPECT_EQ(czech(key), QString::fromUtf8(text)) << key;
    EXPECT_EQ(czech("12"), QStringLiteral("nebyl nalezen."));
    EXPECT_EQ(czech("29"), QStringLiteral("Přečíslovat"));
}
