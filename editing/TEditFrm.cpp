#include "editing/TEditFrm.h"

#include "i18n/CodePage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <array>

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
// The name limit when the list has no name width to give.
constexpr int DefaultNameLimit = 30;

// Turns typed letters into capitals, as the hex field takes upper case only.
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

// A line edit with its caption above it, like the labelled edits of the
// device tools: the label is named after the edit and points to it, so its
// mnemonic moves the focus there.
QLineEdit *addLabelledEdit(QGridLayout *fields, const char *name, const QString &caption, int column,
                           QLabel **labelOut = nullptr)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1StringView(name));
    auto *label = new QLabel(caption);
    if (labelOut)
        *labelOut = label;
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

    m_cislo = addLabelledEdit(fields, "Cislo", QStringLiteral("22"), CisloColumn, &m_cisloLabel);
    m_jmeno = addLabelledEdit(fields, "Jmeno", QStringLiteral("23"), JmenoColumn, &m_jmenoLabel);
    m_hex = addLabelledEdit(fields, "Hex", QStringLiteral("Hex"), HexColumn);
    m_znak = addLabelledEdit(fields, "Znak", QStringLiteral("24"), ZnakColumn, &m_znakLabel);

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
    connect(m_ok, &QPushButton::clicked, this, &TEditFrm::btn_OKClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_hex->setValidator(new UpperCaseValidator(m_hex));
    // Only the operator's typing converts: text set by the program emits no textEdited.
    connect(m_cislo, &QLineEdit::textEdited, this, &TEditFrm::CisloChange);
    connect(m_hex, &QLineEdit::textEdited, this, &TEditFrm::HexZnakChange);
    connect(m_znak, &QLineEdit::textEdited, this, &TEditFrm::ZnakChange);
    connect(m_formatGroup, &QButtonGroup::idClicked, this, &TEditFrm::rg_Hex_FormatClick);

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

LanguageRows TEditFrm::languageRows()
{
    using namespace LanguageTargets;
    return {
        title("139", this),            // edit an entry
        caption("42", m_cisloLabel),   // number
        caption("43", m_jmenoLabel),   // name
        caption("44", m_znakLabel),    // character
        caption("45", m_cancel),       // cancel
        groupTitle("46", m_formatBox), // format of the hexadecimal value
    };
}

QLineEdit *TEditFrm::edit(EditField field) const
{
    const std::array<QLineEdit *, 4> fields = {m_cislo, m_jmeno, m_hex, m_znak};
    return fields.at(field);
}

QByteArray TEditFrm::text(EditField field) const
{
    return CodePage::fromUnicode(edit(field)->text());
}

void TEditFrm::setText(EditField field, QByteArrayView text)
{
    QLineEdit *target = edit(field);
    const QString shown = CodePage::toUnicode(text);
    // The length limit holds back the operator's typing only: a text put in
    // here is handed back as it came, so the limit makes room for it.
    target->setMaxLength(std::max(target->maxLength(), static_cast<int>(shown.size())));
    target->setText(shown);
}

std::optional<HexFormat> TEditFrm::format() const
{
    const int index = m_formatGroup->checkedId();
    return index < 0 ? std::nullopt : std::optional(static_cast<HexFormat>(index));
}

void TEditFrm::setFormat(std::optional<HexFormat> format)
{
    if (format) {
        m_formatGroup->button(*format)->setChecked(true);
        return;
    }
    // An exclusive group keeps one choice checked; it lets go only while not exclusive.
    m_formatGroup->setExclusive(false);
    if (QAbstractButton *checked = m_formatGroup->checkedButton())
        checked->setChecked(false);
    m_formatGroup->setExclusive(true);
}

void TEditFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TEditFrm::FormShow()
{
    for (QWidget *control : std::initializer_list<QWidget *>{m_cislo, m_hex, m_znak, m_formatBox})
        control->setEnabled(true);
    m_editsRecordHeader = !m_cislo->text().isEmpty();
    m_hexTextDigits = HexTextDigits(text(efHex));
    m_openedHex = text(efHex);
    QLineEdit *focus = m_editsRecordHeader ? m_jmeno : m_znak;
    if (m_editsRecordHeader) {
        m_formatBox->setEnabled(false);
        m_hex->setEnabled(false);
        m_znak->setEnabled(false);
    } else {
        m_cislo->setEnabled(false);
    }
    updateOkButton();
    focus->setFocus(Qt::OtherFocusReason);
    focus->selectAll();
    // A text already longer than the limit is kept whole rather than cut
    // behind the operator's back; it can only be shortened.
    const qsizetype limit = m_nameWidth > 0 ? m_nameWidth : DefaultNameLimit;
    m_jmeno->setMaxLength(static_cast<int>(std::max<qsizetype>(limit, m_jmeno->text().size())));
    centreOnMainWindow();
}

void TEditFrm::centreOnMainWindow()
{
    const QWidget *main = parentWidget() ? parentWidget()->window() : nullptr;
    if (!main)
        return;
    const QRect mainFrame = main->frameGeometry();
    const QSize size = frameGeometry().size();
    move(mainFrame.left() + mainFrame.width() / 2 - size.width() / 2,
         mainFrame.top() + mainFrame.height() / 2 - size.height() / 2);
}

void TEditFrm::updateOkButton()
{
    // A record header keeps its Number: emptied, it would turn into a field
    // entry. A field's value is confirmed only as a hex text that reads whole,
    // or as the value the list already held when the file can keep it: a
    // value wider than a number stays editable for its offset.
    m_ok->setEnabled(m_editsRecordHeader ? !m_cislo->text().isEmpty() : fieldValueConfirmable());
}

bool TEditFrm::fieldValueConfirmable() const
{
    const QByteArray hex = text(efHex);
    if (ReadHexText(hex).outcome == HexReading::hrShown)
        return true;
    return hex == m_openedHex && IsWholeByteHexText(hex);
}

void TEditFrm::CisloChange()
{
    updateOkButton();
}

void TEditFrm::HexZnakChange()
{
    if (!m_hex->hasFocus())
        return;
    m_hexTextDigits = HexTextDigits(text(efHex));
    updateOkButton();
    const HexReading reading = ReadHexText(text(efHex));
    if (reading.outcome == HexReading::hrInvalid) {
        emit conversionFailed(reading.error);
        return;
    }
    setText(efZnak, reading.charNumber);
}

void TEditFrm::ZnakChange()
{
    if (!m_znak->hasFocus())
        return;
    const std::optional<HexFormat> chosen = format();
    setText(efHex, CharNumberToHex(text(efZnak), chosen ? HexFormatDigits(*chosen) : m_hexTextDigits));
    updateOkButton();
}

void TEditFrm::rg_Hex_FormatClick(int index)
{
    setText(efHex, ApplyHexWidth(text(efHex), HexFormatDigits(static_cast<HexFormat>(index))));
    updateOkButton();
}

void TEditFrm::btn_OKClick()
{
    if (m_hex->isEnabled())
        setText(efHex, ConfirmedHex(text(efHex)));
    accept();
}
