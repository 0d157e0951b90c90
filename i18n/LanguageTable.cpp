#include "i18n/LanguageTable.h"

#include <utility>

namespace
{

// One row per kept text: its key and the member that keeps it.
constexpr std::pair<const char *, QByteArray KeptTexts::*> keptTexts[] = {
    {"11", &KeptTexts::writeBackMessage},
    {"12", &KeptTexts::notFoundEnding},
    {"31", &KeptTexts::namesUnit},
    {"50", &KeptTexts::lineErrorTitle},
    {"51", &KeptTexts::parityError},
    {"52", &KeptTexts::breakError},
    {"53", &KeptTexts::framingError},
    {"60", &KeptTexts::renumberRefused},
    {"61", &KeptTexts::writeBackFailed},
    {"62", &KeptTexts::writtenBack},
    {"63", &KeptTexts::deviceSilent},
    {"64", &KeptTexts::checkTheLine},
    {"65", &KeptTexts::cancelEndsWait},
    {"66", &KeptTexts::receptionKept},
    {"67", &KeptTexts::deleteOnDevice},
    {"68", &KeptTexts::noDeviceData},
    {"69", &KeptTexts::undoItem},
    {"70", &KeptTexts::redoItem},
    {"71", &KeptTexts::nothingToUndo},
    {"72", &KeptTexts::nothingToRedo},
    {"73", &KeptTexts::editRecordEdit},
    {"74", &KeptTexts::editFieldEdit},
    {"75", &KeptTexts::addRecordEdit},
    {"76", &KeptTexts::addFieldEdit},
    {"77", &KeptTexts::deleteRecordEdit},
    {"78", &KeptTexts::deleteFieldEdit},
    {"79", &KeptTexts::renumberEdit},
    {"80", &KeptTexts::loaded},
    {"81", &KeptTexts::saved},
    {"82", &KeptTexts::sent},
    {"83", &KeptTexts::received},
    {"84", &KeptTexts::newList},
    {"85", &KeptTexts::deletedOnDevice},
    {"86", &KeptTexts::cancelled},
    {"87", &KeptTexts::stopped},
    {"88", &KeptTexts::undone},
    {"89", &KeptTexts::redone},
    {"101", &KeptTexts::backupFolder},
    {"102", &KeptTexts::backupProgress},
    {"103", &KeptTexts::backupStored},
    {"104", &KeptTexts::backupUnreadable},
    {"105", &KeptTexts::backupSummary},
    {"106", &KeptTexts::backupFailures},
    {"107", &KeptTexts::backupCut},
    {"108", &KeptTexts::backupTitle},
    {"109", &KeptTexts::backupNothing},
    {"110", &KeptTexts::portBox},
    {"111", &KeptTexts::dataBitsBox},
    {"112", &KeptTexts::baudRateBox},
    {"113", &KeptTexts::parityBox},
    {"114", &KeptTexts::flowControlBox},
    {"115", &KeptTexts::stopBitsBox},
    {"116", &KeptTexts::portNotOpened},
    {"117", &KeptTexts::portNotFound},
    {"118", &KeptTexts::portInUse},
    {"119", &KeptTexts::portNoPermission},
    {"120", &KeptTexts::notASerialPort},
    {"121", &KeptTexts::portRefused},
    {"122", &KeptTexts::fileNotRead},
    {"123", &KeptTexts::fileNotWritten},
    {"124", &KeptTexts::fileNotFound},
    {"125", &KeptTexts::fileNoPermission},
    {"126", &KeptTexts::fileIsAFolder},
    {"127", &KeptTexts::diskFull},
    {"128", &KeptTexts::diskReadOnly},
    {"129", &KeptTexts::fileRefused},
    {"133", &KeptTexts::allFilesFilter},
    {"134", &KeptTexts::textFilesFilter},
    {"138", &KeptTexts::notFoundTitle},
    {"171", &KeptTexts::saveEdits},
    {"172", &KeptTexts::saveNewEdits},
    {"173", &KeptTexts::writeBackEdits},
    {"174", &KeptTexts::backupReplaces},
};

} // namespace

LanguageRows LanguageTable::keptRows(KeptTexts &kept)
{
    LanguageRows rows;
    for (const auto &[key, slot] : keptTexts)
        rows.push_back({key, [&kept, slot](const QByteArray &text) { kept.*slot = text; }});
    return rows;
}
