#pragma once

#include <QString>

#include <functional>

class Document;
class Prompts;
class QWidget;
struct KeptTexts;

// What keeping the edits takes, as the window does it.
struct UnsavedEditsLinks {
    // Whether the list is a file of the device, open On Line (its edits are written back, not saved).
    std::function<bool()> deviceFileOpen;
    // Saves the list as the Save command does; true when nothing is left unsaved.
    std::function<bool()> save;
    // Starts writing the device file back; what waits for it goes on once it has ended.
    std::function<void()> writeBack;
};

// The question asked before anything drops the list's unsaved edits (a load,
// New, a receive, switching On Line, Back, the end of the program): save
// them, discard them, or cancel what was about to happen.
class UnsavedEdits
{
public:
    UnsavedEdits(const Document &document, Prompts &prompts, QWidget &window, const KeptTexts &texts,
                 UnsavedEditsLinks links);

    // True when what was about to happen may go on: nothing was unsaved, the
    // operator discarded the edits, saved them, or a write-back of them has begun.
    bool mayDrop();

private:
    QString question() const;

    const Document &m_document;
    Prompts &m_prompts;
    QWidget &m_window;
    const KeptTexts &m_texts;
    UnsavedEditsLinks m_links;
};
