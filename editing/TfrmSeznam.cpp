#include "editing/TfrmSeznam.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

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
    m_label1->setBuddy(m_cbSeznam);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_label1, 0, 0);
    grid->addWidget(m_label2, 0, 1);
    grid->addWidget(m_cbSeznam, 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
}
