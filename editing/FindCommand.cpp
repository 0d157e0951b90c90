#include "editing/FindCommand.h"

#include "document/EntryModel.h"
#include "editing/EntrySearch.h"
#include "editing/TFindDialog.h"
#include "i18n/CodePage.h"
#include "i18n/KeptTexts.h"
#include "prompts/Prompts.h"

FindCommand::FindCommand(QTableView &list, const EntryModel &entries, const KeptTexts &texts, Prompts &prompts,
                         QObject *parent)
    : QObject(parent), m_list(list, entries), m_texts(texts), m_prompts(prompts),
      FindDialog1(new TFindDialog(m_list.mainWindow()))
{
    connect(FindDialog1, &TFindDialog::opened, this, &FindCommand::FindDialog1Show);
    connect(FindDialog1, &TFindDialog::findNext, this, &FindCommand::FindDialog1Find);
}

void FindCommand::Hledej1Click()
{
    FindDialog1->show();
    FindDialog1->raise();
    FindDialog1->activateWindow();
}

void FindCommand::FindDialog1Show()
{
    m_list.selectFirst();
    const QRect main = m_list.mainWindow()->frameGeometry();
    FindDialog1->move(main.left() + main.width() / 2, main.top() + main.height() / 2);
}

void FindCommand::FindDialog1Find()
{
    const int selected = m_list.selectedRow();
    if (selected < 0)
        return;
    const QString typed = FindDialog1->findText();
    const std::optional<QByteArray> text = EntrySearch::searchBytes(typed);
    const int found =
        text ? EntrySearch::findNext(m_list.entries().entries(), selected, *text, FindDialog1->wholeWord()) : -1;
    if (found >= 0) {
        m_list.showFound(found);
        m_list.focusList();
        return;
    }
    // F3 searches also while the find window is closed; the message then belongs to the main window.
    QWidget *owner = FindDialog1->isVisible() ? static_cast<QWidget *>(FindDialog1) : m_list.mainWindow();
    m_prompts.showInformation(owner, CodePage::toUnicode(m_texts.notFoundTitle),
                              QStringLiteral("Text %1 %2").arg(typed, CodePage::toUnicode(m_texts.notFoundEnding)));
}

void FindCommand::findAgain()
{
    if (FindDialog1->findText().isEmpty())
        Hledej1Click();
    else
        FindDialog1Find();
}
