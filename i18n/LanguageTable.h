#pragma once

#include "i18n/KeptTexts.h"

#include <span>

// Which window a numbered text goes to; Kept texts go to no window.
enum class LanguageWindow { Main, Edit, Print, GoTo, Kept };

// How a numbered text is put on its target.
enum class LanguageTargetKind {
    Caption,     // text of a button, label or check box named `object`
    MenuItem,    // text of the action at position `index` of the popup menu; that action is named `object`
    ColumnTitle, // title of column `index` of the item view named `object`
    WindowTitle, // title of the window itself, whose object name is `object`
    GroupTitle,  // title of the group box named `object`, with one blank before and one after
    Kept         // the KeptTexts member `kept`
};

struct LanguageRow {
    const char *key;
    LanguageWindow window;
    LanguageTargetKind kind;
    const char *object;
    int index;
    QByteArray KeptTexts::*kept;
};

// Every numbered text of the user interface and where it goes, in the order in
// which a change of language assigns them. A key that serves several targets
// has one row per target.
class LanguageTable
{
public:
    static constexpr const char *PopupMenu = "PopupMenu1";

    static std::span<const LanguageRow> rows();
};
