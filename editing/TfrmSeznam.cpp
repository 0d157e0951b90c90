#include "editing/TfrmSeznam.h"

#include "document/EntryModel.h"
#include "editing/EntrySearch.h"
#include "i18n/CodePage.h"
#include "i18n/KeptTexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

LanguageRows TfrmSeznam::languageRows()
{
    using namespace LanguageTargets;
    return {
        title("30", this),       // go to
        caption("30", m_label1), // go to, above the names
    };
}

TfrmSeznam::TfrmSeznam(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmSeznam"));
    setWindowTitle(QStringLiteral("frmSeznam"));
    setFixedSize(ClientWidth, ClientHeight);

    m_label1 = new QLabel(QStringLiteral("Label1"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_cbSeznam = new QComboBox(this);
    m_cbSeznam->setObjectName(QStringLiteral("cbSeznam"));
    m_cbSeznam->setEditable(true);
    // Typed text selects a record; it never becomes a new name in the list.
    m_cbSeznam->setInsertPolicy(QComboBox::NoInsert);
    // The operator types part of a name: completing it to the first listed
    // name (and with it another record) would replace what was typed.
    m_cbSeznam->setCompleter(nullptr);
    m_cbSeznam->installEventFilter(this);
    m_label1->setBuddy(m_cbSeznam);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_label1, 0, 0);
    grid->addWidget(m_label2, 0, 1);
    grid->addWidget(m_cbSeznam, 1, 0, 1, 2);
    grid->setRowStretch(2, 1);

    connect(m_cbSeznam, &QComboBox::editTextChanged, this, &TfrmSeznam::cbSeznamChange);
    // A name chosen from the drop-down list; choosing the name the box already
    // shows changes no text, yet the operator asked to go there.
    connect(m_cbSeznam, &QComboBox::activated, this, &TfrmSeznam::goToRecord);
}

void TfrmSeznam::SetEntryList(QTableView &list, const EntryModel &entries, const KeptTexts &texts)
{
    m_list.emplace(list, entries);
    m_texts = &texts;
}

void TfrmSeznam::btnSeznamClick()
{
    {
        // Filling the box is not the operator's choice: the entry list stays where it is.
        const QSignalBlocker blocker(m_cbSeznam);
        m_cbSeznam->clear();
        QStringList names;
        for (const QByteArray &name : EntrySearch::recordNames(m_list.value().entries().entries()))
            names.append(CodePage::toUnicode(name));
        m_cbSeznam->addItems(names);
        m_cbSeznam->setCurrentIndex(names.isEmpty() ? -1 : 0);
    }
    m_cbSeznam->lineEdit()->selectAll();
    show();
    raise();
    activateWindow();
}

void TfrmSeznam::FormShow()
{
    if (const QWidget *main = parentWidget())
        move(main->frameGeometry().topLeft() + QPoint(OffsetFromMainLeft, OffsetFromMainTop));
    const QByteArray unit = m_texts ? m_texts->namesUnit : QByteArray();
    m_label2->setText(QStringLiteral("%1 %2").arg(QString::number(m_cbSeznam->count()), CodePage::toUnicode(unit)));
}

void TfrmSeznam::cbSeznamChange()
{
    selectRecord();
}

bool TfrmSeznam::selectRecord()
{
    if (!m_list)
        return false;
    const std::optional<QByteArray> text = EntrySearch::searchBytes(m_cbSeznam->currentText());
    const int row = text ? EntrySearch::findRecord(m_list->entries().entries(), *text) : -1;
    if (row < 0)
        return false;
    m_list->showFound(row);
    return true;
}

void TfrmSeznam::goToRecord()
{
    if (selectRecord())
        m_list->focusList();
}

void TfrmSeznam::stepName(int step)
{
    const int last = m_cbSeznam->count() - 1;
    if (last < 0)
        return;
    m_cbSeznam->setCurrentIndex(std::clamp(m_cbSeznam->currentIndex() + step, 0, last));
    m_cbSeznam->lineEdit()->selectAll();
}

bool TfrmSeznam::cbSeznamKeyDown(const QKeyEvent &key)
{
    // With Alt or Ctrl the arrow keys keep their meaning in the box (Alt+Down opens the list).
    const bool plain = !(key.modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    switch (key.key()) {
    case Qt::Key_Escape:
        hide();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        goToRecord();
        return true;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        if (plain)
            stepName(-1);
        return plain;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        if (plain)
            stepName(1);
        return plain;
    default:
        return false;
    }
}

void TfrmSeznam::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

bool TfrmSeznam::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_cbSeznam && event->type() == QEvent::KeyPress && cbSeznamKeyDown(*static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}
