#include "app/FileOpening.h"

#include "document/Document.h"
#include "document/DocumentCommands.h"
#include "prompts/Prompts.h"

#include <QMenu>
#include <QMimeData>
#include <QUrl>

FileOpening::FileOpening(Document &document, DocumentCommands &commands, Prompts &prompts, QWidget &window,
                         const ProfileFile &settings, FileOpeningLinks links)
    : QObject(&window), m_document(document), m_commands(commands), m_prompts(prompts), m_window(window),
      m_recent(settings), m_links(std::move(links)), m_recentMenu(new QMenu(&window))
{
    m_recentMenu->setObjectName("Naposledy");
    connect(m_recentMenu, &QMenu::aboutToShow, this, &FileOpening::fillRecentMenu);
}

void FileOpening::chooseAndLoad()
{
    // Asked before the dialog: a Cancel there leaves the list as it was anyway.
    if (!m_links.mayReplaceList())
        return;
    if (const std::optional<QString> fileName = m_prompts.openFileName(&m_window, m_document.openDialogFileName()))
        loadNow(*fileName);
}

void FileOpening::load(const QString &fileName)
{
    if (m_links.loadOffered() && m_links.mayReplaceList())
        loadNow(fileName);
}

void FileOpening::loadNow(const QString &fileName)
{
    const LoadOutcome outcome = m_commands.load(fileName, m_links.onLine());
    if (outcome.failure.isEmpty())
        m_recent.remember(fileName);
    m_links.showLoaded(fileName, outcome);
}

void FileOpening::saved(const QString &fileName)
{
    m_recent.remember(fileName);
}

QString FileOpening::droppedFile(const QMimeData &data) const
{
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile() || !m_links.loadOffered())
        return {};
    return urls.front().toLocalFile();
}

void FileOpening::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList paths = m_recent.paths();
    for (const QString &path : paths) {
        QAction *item = m_recentMenu->addAction(path);
        connect(item, &QAction::triggered, this, [this, path] { emit recentChosen(path); });
    }
}
