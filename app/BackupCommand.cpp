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
    DeviceBackup backup(m_session, m_document, m_view, m_texts, m_folder);
    const DeviceBackup::Outcome outcome = backup.run();
    if (!outcome.cut)
        m_prompts.showInformation(&m_window, CodePage::toUnicode(m_texts.backupTitle), backup.summary(outcome));
}
