#include "editing/TFindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

TFindDialog::TFindDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(QStringLiteral("Find"));

    m_findWhat = new QLineEdit(this);
    m_findWhat->setObjectName(QStringLiteral("FindWhat"));
    m_findWhat->setMinimumWidth(200);
    m_findWhatLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
    m_findWhatLabel->setObjectName(QStringLiteral("FindWhatLabel"));
    m_findWhatLabel->setBuddy(m_findWhat);
    m_wholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    m_wholeWord->setObjectName(QStringLiteral("WholeWord"));
    m_findNext = new QPushButton(QStringLiteral("&Find Next"), this);
    m_findNext->setObjectName(QStringLiteral("FindNext"));
    m_findNext->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("FindCancel"));

    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(m_findWhatLabel, 0, 0);
    grid->addWidget(m_findWhat, 0, 1);
    grid->addWidget(m_findNext, 0, 2);
    grid->addWidget(m_wholeWord, 1, 0, 1, 2);
    grid->addWidget(m_cancel, 1, 2);

    // As on the desktop's find window, there is nothing to find while the field is empty.
    m_findNext->setEnabled(false);
    connect(m_findWhat, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_findNext->setEnabled(!text.isEmpty()); });
    connect(m_findNext, &QPushButton::clicked, this, &TFindDialog::findNext);
    connect(m_cancel, &QPushButton::clicked, this, &TFindDialog::reject);
}

LanguageRows TFindDialog::languageRows()
{
    using namespace LanguageTargets;
    return {
        title("3", this),                // find
        caption("135", m_findWhatLabel), // the text to find, with its mnemonic
        caption("136", m_wholeWord),     // match whole words only
        caption("137", m_findNext),      // find the next match
        caption("45", m_cancel),         // cancel
    };
}

QString TFindDialog::findText() const
{
    return m_findWhat->text();
}

bool TFindDialog::wholeWord() const
{
    return m_wholeWord->isChecked();
}

void TFindDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        emit opened();
}

void TFindDialog::keyPressEvent(QKeyEvent *event)
{
    // F3 finds the next as Enter does, whichever control of the window has the
    // focus; like the button, it has nothing to find while the field is empty.
    if (event->key() == Qt::Key_F3 && event->modifiers() == Qt::NoModifier) {
        m_findNext->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
