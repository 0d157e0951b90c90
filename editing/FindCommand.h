#pragma once

#include "editing/EntryListSelection.h"

#include <QObject>

class Prompts;
struct KeptTexts;
class TFindDialog;

// Find: the main window's command that opens the find window, and what runs
// when that window opens and on each Find Next. It only moves the selection
// of the entry list and scrolls it.
class FindCommand : public QObject
{
    Q_OBJECT
public:
    FindCommand(QTableView &list, const EntryModel &entries, const KeptTexts &texts, Prompts &prompts,
                QObject *parent = nullptr);

    // Opens the find window; an open one comes to the front.
    void Hledej1Click();
    // The window opens: the search starts over from the first entry, and the
    // window is placed with its top left corner at the centre of the main window.
    void FindDialog1Show();
    // Find Next: the next entry after the selected one that matches, or the
    // message "Text %s %s" (the text as typed, text 12) under the title text 138,
    // with the selection kept.
    void FindDialog1Find();
    // F3 on the main window: Find Next with the find window's text and
    // whole-word box, also while the window is closed. With no text to find
    // yet it opens the find window, as desktop editors do.
    void findAgain();

    // The find window, created hidden with the command and owned by the
    // window that holds the list when the command is made.
    TFindDialog *findDialog() const { return FindDialog1; }

private:
    EntryListSelection m_list;
    const KeptTexts &m_texts;
    Prompts &m_prompts;
    TFindDialog *FindDialog1;
};
