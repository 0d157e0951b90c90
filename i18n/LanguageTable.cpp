#include "i18n/LanguageTable.h"

#include <array>

namespace
{

using Window = LanguageWindow;
using Kind = LanguageTargetKind;

constexpr LanguageRow caption(const char *key, Window window, const char *object)
{
    return {key, window, Kind::Caption, object, -1, nullptr};
}

constexpr LanguageRow menuItem(const char *key, int position, const char *action)
{
    return {key, Window::Main, Kind::MenuItem, action, position, nullptr};
}

constexpr LanguageRow columnTitle(const char *key, int column)
{
    return {key, Window::Main, Kind::ColumnTitle, "Seznam", column, nullptr};
}

constexpr LanguageRow windowTitle(const char *key, Window window, const char *windowName)
{
    return {key, window, Kind::WindowTitle, windowName, -1, nullptr};
}

constexpr LanguageRow groupTitle(const char *key, Window window, const char *object)
{
    return {key, window, Kind::GroupTitle, object, -1, nullptr};
}

constexpr LanguageRow kept(const char *key, QByteArray KeptTexts::*slot)
{
    return {key, Window::Kept, Kind::Kept, nullptr, -1, slot};
}

// The order is part of the behaviour: a language box whose text changes while
// the texts are assigned sees each row read under the name it has at that moment.
constexpr std::array table{
    caption("1", Window::Main, "btnNacti"),
    caption("2", Window::Main, "btnUloz"),
    caption("3", Window::Main, "btnHledej"),
    caption("4", Window::Main, "btnPosli"),
    caption("5", Window::Main, "btnPrijmi"),
    caption("6", Window::Main, "btnNovy"),
    caption("7", Window::Main, "btnKonec"),
    caption("8", Window::Main, "cbOtevri"),
    caption("9", Window::Main, "Label1"),
    caption("10", Window::Main, "btnZpet"),
    kept("11", &KeptTexts::writeBackMessage),
    kept("12", &KeptTexts::notFoundEnding),
    caption("30", Window::Main, "btnSeznam"),
    windowTitle("30", Window::GoTo, "frmSeznam"),
    caption("30", Window::GoTo, "Label1"),
    kept("31", &KeptTexts::namesUnit),
    caption("20", Window::Main, "btnZrus"),
    caption("21", Window::Main, "btnTisk"),
    caption("21", Window::Print, "PrintBtn"),
    caption("22", Window::Print, "AllPageBtn"),
    caption("23", Window::Print, "ZavritBtn"),
    columnTitle("24", 1),
    columnTitle("25", 3),
    menuItem("6", 0, "Novy"),
    menuItem("26", 2, "Pidat1"),
    menuItem("27", 3, "Upravit1"),
    menuItem("3", 5, "Hledej1"),
    menuItem("30", 6, "Jdina"),
    menuItem("21", 7, "tisk1"),
    menuItem("28", 9, "Smazat1"),
    menuItem("29", 11, "Pesluj1"),
    caption("40", Window::Print, "Label3"),
    caption("41", Window::Print, "Label1"),
    caption("42", Window::Edit, "CisloLabel"),
    caption("43", Window::Edit, "JmenoLabel"),
    caption("44", Window::Edit, "ZnakLabel"),
    caption("45", Window::Edit, "Zrusit"),
    groupTitle("46", Window::Edit, "rg_Hex_Format"),
    kept("50", &KeptTexts::lineErrorTitle),
    kept("51", &KeptTexts::parityError),
    kept("52", &KeptTexts::breakError),
    kept("53", &KeptTexts::framingError),
    kept("60", &KeptTexts::renumberRefused),
    kept("61", &KeptTexts::writeBackFailed),
    kept("62", &KeptTexts::writtenBack),
    kept("63", &KeptTexts::deviceSilent),
    kept("64", &KeptTexts::checkTheLine),
    kept("65", &KeptTexts::cancelEndsWait),
    kept("66", &KeptTexts::receptionKept),
    kept("67", &KeptTexts::deleteOnDevice),
    kept("68", &KeptTexts::noDeviceData),
    menuItem("100", 13, "Zalohovat1"),
    kept("101", &KeptTexts::backupFolder),
    kept("102", &KeptTexts::backupProgress),
    kept("103", &KeptTexts::backupStored),
    kept("104", &KeptTexts::backupUnreadable),
    kept("105", &KeptTexts::backupSummary),
    kept("106", &KeptTexts::backupFailures),
    kept("107", &KeptTexts::backupCut),
    kept("108", &KeptTexts::backupTitle),
    kept("109", &KeptTexts::backupNothing),
};

} // namespace

std::span<const LanguageRow> LanguageTable::rows()
{
    return table;
}
