#include "editing/TEditFrm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{

enum FieldColumn { CisloColumn, JmenoColumn, HexColumn, ArrowColumn, ZnakColumn };

// Field widths in digits, wide enough for what each field holds: a record
// number, a record name of the usual width, nine hex characters of a DWord,
// and the eleven characters of the lowest 32-bit number.
constexpr int CisloDigits = 6;
constexpr int JmenoDigits = 24;
constexpr int HexDigits = 11;
constexpr int ZnakDigits = 13;

// A line edit with its caption above it, like the labelled edits of the
// device tools: the label is named after the edit and points to it, so its
// mnemonic moves the focus there.
QLineEdit *addLabelledEdit(QGridLayout *fields, const char *name, const QString &caption, int column)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1StringView(name));
    auto *label = new QLabel(caption);
    label->setObjectName(QLatin1StringView(name) + QStringLiteral("Label"));
    label->setBuddy(edit);
    fields->addWidget(label, 0, column);
    fields->addWidget(edit, 1, column);
    return edit;
}

} // namespace

TEditFrm::TEditFrm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("EditFrm"));
    setWindowTitle(QStringLiteral("Upravit položku"));

    auto *fields = new QGridLayout;
    fields->setVerticalSpacing(2);
    auto *outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->addLayout(fields);

    m_cislo = addLabelledEdit(fields, "Cislo", QStringLiteral("22"), CisloColumn);
    m_jmeno = addLabelledEdit(fields, "Jmeno", QStringLiteral("23"), JmenoColumn);
    m_hex = addLabelledEdit(fields, "Hex", QStringLiteral("Hex"), HexColumn);
    m_znak = addLabelledEdit(fields, "Znak", QStringLiteral("24"), ZnakColumn);

    auto *arrow = new QLabel(QStringLiteral("<->"), this);
    QFont bold = arrow->font();
    bold.setBold(true);
    arrow->setFont(bold);
    fields->addWidget(arrow, 1, ArrowColumn, Qt::AlignCenter);

    const int digit = fontMetrics().horizontalAdvance(u'0');
    m_cislo->setFixedWidth(CisloDigits * digit);
    m_jmeno->setFixedWidth(JmenoDigits * digit);
    m_hex->setFixedWidth(HexDigits * digit);
    m_znak->setFixedWidth(ZnakDigits * digit);

    createFormatGroup();
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("btn_OK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Zrušit"), this);
    m_cancel->setObjectName(QStringLiteral("Zrusit"));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_formatBox);
    bottom->addStretch();
    bottom->addWidget(m_ok, 0, Qt::AlignBottom);
    bottom->addWidget(m_cancel, 0, Qt::AlignBottom);
    outer->addLayout(bottom);

    setTabOrder(m_cislo, m_jmeno);
    setTabOrder(m_jmeno, m_hex);
    setTabOrder(m_hex, m_znak);
    setTabOrder(m_znak, m_ok);
    setTabOrder(m_ok, m_cancel);
}

void TEditFrm::createFormatGroup()
{
    m_formatBox = new QGroupBox(QStringLiteral("25"), this);
    m_formatBox->setObjectName(QStringLiteral("rg_Hex_Format"));
    m_formatGroup = new QButtonGroup(m_formatBox);
    auto *columns = new QHBoxLayout(m_formatBox);
    const QString choices[] = {QStringLiteral("Byte"), QStringLiteral("Word"), QStringLiteral("DWord")};
    for (int index = 0; index < 3; ++index) {
        auto *choice = new QRadioButton(choices[index], m_formatBox);
        m_formatGroup->addButton(choice, index);
        columns->addWidget(choice);
    }
}
