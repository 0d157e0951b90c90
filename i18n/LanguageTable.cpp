#include "i18n/LanguageTable.h"

#include <utility>

namespace
{

// One row per kept text: its key and the member that keeps it.
constexpr std::pair<const char *, QByteArray KeptTexts::*> keptTexts[] = {
    {"11", &KeptTexts::writeBackMessage}, {"12", &KeptTexts::notFoundEnding},  {"31", &KeptTexts::namesUnit},
    {"50", &KeptTexts::lineErrorTitle},   {"51", &KeptTexts::parityError},     {"52", &KeptTexts::breakError},
    {"53", &KeptTexts::framingError},     {"60", &KeptTexts::renumberRefused}, {"61", &KeptTexts::writeBackFailed},
    {"62", &KeptTexts::writtenBack},      {"63", &KeptTexts::deviceSilent},    {"64", &KeptTexts::checkTheLine},
    {"65", &KeptTexts::cancelEndsWait},   {"66", &KeptTexts::receptionKept},   {"67", &KeptTexts::deleteOnDevice},
    {"68", &KeptTexts::noDeviceData},     {"133", &KeptTexts::allFilesFilter}, {"134", &KeptTexts::textFilesFilter},
    {"138", &KeptTexts::notFoundTitle},
};

} // namespace

LanguageRows LanguageTable::keptRows(KeptTexts &kept)
{
    LanguageRows rows;
    for (const auto &[key, slot] : keptTexts)
        rows.push_back({key, [&kept, slot](const QByteArray &text) { kept.*slot = text; }});
    return rows;
}
