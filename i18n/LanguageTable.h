#pragma once

#include "i18n/KeptTexts.h"
#include "i18n/LanguageRow.h"

// The numbered texts that no window shows by itself: the main window keeps
// them (KeptTexts) for the commands that build their messages later. The
// texts of the windows' controls are listed by each window (languageRows()).
class LanguageTable
{
public:
    static LanguageRows keptRows(KeptTexts &kept);
};
