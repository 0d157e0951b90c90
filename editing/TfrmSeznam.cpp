#include "editing/TfrmSeznam.h"

#include "document/EntryModel.h"
#include "editing/EntrySearch.h"
#include "i18n/CodePage.h"
#include "i18n/KeptTexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>

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
    m_cbSeznam->installEventFilter(this);
    m_label1->setBuddy(m_cbSeznam);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_label1, 0, 0);
    grid->addWidget(m_label2, 0, 1);
    grid->addWidget(m_cbSeznam, 1, 0, 1, 2);
    grid->setRowStretch(2, 1);

    connect(m_cbSeznam, &QComboBox::editTextChanged, this, &TfrmSeznam::cbSeznamChange);
    // Choosing the name the box already shows changes no text, yet the
    // operator asked to go there.
    connect(m_cbSeznam, &QComboBox::activated, this, &TfrmSeznam::cbSeznamChange);
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
    if (!m_list)
        return;
    const std::optional<QByteArray> text = EntrySearch::searchBytes(m_cbSeznam->currentText());
    const int row = text ? EntrySearch::findRecord(m_list->entries().entries(), *text) : -1;
    if (row >= 0)
        m_list->showFound(row);
}

bool TfrmSeznam::cbSeznamKeyDown(int key)
{
    if (key != Qt::Key_Escape)
        return false;
    hide();
    return true;
}

void TfrmSeznam::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

bool TfrmSeznam::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_cbSeznam && event->type() == QEvent::KeyPress &&
        cbSeznamKeyDown(static_cast<QKeyEvent *>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}
