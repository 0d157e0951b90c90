#include "app/UnsavedEdits.h"

#include "prompts/Prompts.h"
#include "document/Document.h"
#include "i18n/CodePage.h"
#include "i18n/KeptTexts.h"

#include <QFileInfo>

UnsavedEdits::UnsavedEdits(const Document &document, Prompts &prompts, QWidget &window, const KeptTexts &texts,
                           UnsavedEditsLinks links)
    : m_document(document), m_prompts(prompts), m_window(window), m_texts(texts), m_links(std::move(links))
{
}

bool UnsavedEdits::mayDrop()
{
    if (!m_document.hasUnsavedEdits())
        return true;
    switch (m_prompts.askSaveChanges(&m_window, question())) {
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        return false;
    case SaveChoice::Save:
        break;
    }
    if (!m_links.deviceFileOpen())
        return m_links.save();
    m_links.writeBack();
    return true;
}

QString UnsavedEdits::question() const
{
    if (m_links.deviceFileOpen())
        return CodePage::toUnicode(m_texts.writeBackEdits);
    const QString fileName = m_document.fileName();
    if (fileName.isEmpty())
        return CodePage::toUnicode(m_texts.saveNewEdits);
    // A text without its place for the name (a translation's slip) is asked as it stands.
    const QString question = CodePage::toUnicode(m_texts.saveEdits);
    return question.contains(QStringLiteral("%1")) ? question.arg(QFileInfo(fileName).fileName()) : question;
}
