#include "link/settings/boxes/TComComboBox.h"

#include "link/port/EComPort.h"

#include <QLineEdit>
#include <QtDebug>

namespace
{

// Wide enough for "/dev/ttyUSB0" and the like; longer names scroll and show whole in the tool tip.
constexpr int PortNameCharacters = 16;

} // namespace

TComComboBox::TComComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::activated, this, &TComComboBox::choose);
}

void TComComboBox::SetComPort(TCustomComPort *port)
{
    if (port == ComPort())
        return;
    m_select.SetComPort(port);
    ShowCurrentSetting();
}

void TComComboBox::SetComProperty(TComProperty property)
{
    m_select.SetComProperty(property);
    setEditable(property == cpPort);
    if (property == cpPort) {
        setInsertPolicy(QComboBox::NoInsert);
        setMinimumContentsLength(PortNameCharacters);
        setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        connect(lineEdit(), &QLineEdit::editingFinished, this, &TComComboBox::chooseTyped, Qt::UniqueConnection);
    }
    refill();
    if (ComPort())
        ShowCurrentSetting();
    else
        setCurrentIndex(count() > 0 ? 0 : -1);
}

void TComComboBox::ShowCurrentSetting()
{
    const QString current = m_select.CurrentText();
    const int index = findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentIndex(index);
    if (isEditable())
        setEditText(current);
    updateToolTip();
    // An earlier choice that is no longer shown must not be applied later.
    if (index >= 0)
        m_select.SelectText(current);
    else
        m_select.ClearSelection();
}

void TComComboBox::showPopup()
{
    if (ComProperty() == cpPort) {
        const bool listed = refill();
        ShowCurrentSetting();
        if (!listed)
            return;
    }
    QComboBox::showPopup();
}

// A port list that cannot be read leaves the box empty and the operator is
// shown why; the port in use still works and shows as the box's text.
// Returns whether the items could be listed.
bool TComComboBox::refill()
{
    clear();
    try {
        addItems(m_select.ItemTexts());
    } catch (const EComPort &failure) {
        showFailure(failure);
        return false;
    }
    return true;
}

void TComComboBox::choose(int index)
{
    m_select.SelectText(itemText(index));
    apply();
}

// An emptied box chooses nothing and shows the port in use again. A name
// equal to the port's changes nothing, so the end of typing after a choice
// from the list, or a second Enter, does not reopen the port.
void TComComboBox::chooseTyped()
{
    const QString typed = currentText().trimmed();
    if (typed.isEmpty() || typed == m_select.CurrentText()) {
        ShowCurrentSetting();
        return;
    }
    m_select.SelectText(typed);
    apply();
    updateToolTip();
}

void TComComboBox::apply()
{
    if (!AutoApply())
        return;
    try {
        ApplySelection();
    } catch (const std::exception &failure) {
        showFailure(failure);
    }
}

void TComComboBox::SetDescription(const QString &description)
{
    m_description = description;
    setAccessibleName(description);
    updateToolTip();
}

void TComComboBox::updateToolTip()
{
    const QString name = ComProperty() == cpPort ? m_select.CurrentText() : QString();
    setToolTip(m_description.isEmpty() || name.isEmpty() ? m_description + name : m_description + u'\n' + name);
}

// The failure goes to the owner of the bound port, who shows the operator why.
void TComComboBox::showFailure(const std::exception &failure)
{
    if (TCustomComPort *port = ComPort())
        port->ShowFailure(failure);
    else
        qWarning("%s", failure.what());
}
