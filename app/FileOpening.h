#pragma once

#include "app/RecentFiles.h"
#include "document/DocumentCommands.h"

#include <QObject>
#include <QString>

#include <functional>

class Document;
class Prompts;
class QMenu;
class QMimeData;
class QWidget;

// What loading a file needs of the window around it.
struct FileOpeningLinks {
    // Whether the list may be replaced: false when the operator keeps unsaved edits.
    std::function<bool()> mayReplaceList;
    // Whether a load is offered at all (the Load button's state).
    std::function<bool()> loadOffered;
    std::function<bool()> onLine;
    // Puts the newly loaded list in order on screen and tells how the load went.
    std::function<void(const QString &fileName, const LoadOutcome &outcome)> showLoaded;
};

// Loading a file however the operator names it: the open dialog, the command
// line, a file dropped on the window or the list of recent files. Every way
// asks first whether unsaved edits may go, and every file loaded or saved
// joins the recent files kept in the settings.
class FileOpening : public QObject
{
    Q_OBJECT
public:
    FileOpening(Document &document, DocumentCommands &commands, Prompts &prompts, QWidget &window,
                const ProfileFile &settings, FileOpeningLinks links);

    // The Load command: asks for the file, then loads it.
    void chooseAndLoad();
    // Loads the named file.
    void load(const QString &fileName);
    // A save has written the file.
    void saved(const QString &fileName);

    // The recent files' menu; its items are made anew each time it opens.
    QMenu &recentMenu() { return *m_recentMenu; }

    // The file a drop carries, when it is one local file and a load is offered; empty otherwise.
    QString droppedFile(const QMimeData &data) const;

signals:
    // An item of the recent files' menu was chosen; the window loads it once
    // the menu's own event handling is over.
    void recentChosen(const QString &fileName);

private:
    void fillRecentMenu();
    void loadNow(const QString &fileName);

    Document &m_document;
    DocumentCommands &m_commands;
    Prompts &m_prompts;
    QWidget &m_window;
    RecentFiles m_recent;
    FileOpeningLinks m_links;
    QMenu *m_recentMenu;
};
