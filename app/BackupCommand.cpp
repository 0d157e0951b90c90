#include "app/BackupCommand.h"

#include "i18n/CodePage.h"
#include "i18n/KeptTexts.h"
#include "link/transfers/DeviceBackup.h"
#include "link/transfers/TransferSession.h"
#include "prompts/Prompts.h"

#include <QDir>

BackupCommand::BackupCommand(QWidget &window, TransferSession &session, const Document &document, TransferView &view,
                             const KeptTexts &texts, Prompts &prompts)
    : m_window(window), m_session(session), m_document(document), m_view(view), m_texts(texts), m_prompts(prompts),
      m_folder(QDir::homePath())
{
}

void BackupCommand::run()
{
    if (!m_session.directoryShown())
        return;
    const std::optional<QString> folder =
        m_prompts.folderName(&m_window, CodePage::toUnicode(m_texts.backupFolder), m_folder);
    // The question took a while: the directory may have gone meanwhile.
    if (!folder || !m_session.directoryShown())
        return;
    m_folder = *folder;
    // The backup replaces files of its names: in a folder that holds anything
    // already (an operator's own "directory.txt", say) nothing goes without a Yes.
    const bool holdsFiles = !QDir(m_folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    if (holdsFiles && !m_prompts.askYesNo(&m_window, CodePage::toUnicode(m_texts.backupReplaces).arg(m_folder)))
        return;
    if (!m_session.directoryShown())
        return;
    DeviceBackup backup(m_session, m_document, m_view, m_texts, m_folder);
    const DeviceBackup::Outcome outcome = backup.run();
    if (!outcome.cut)
        m_prompts.showInformation(&m_window, CodePage::toUnicode(m_texts.backupTitle), backup.summary(outcome));
}
