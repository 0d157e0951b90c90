#include "link/settings/boxes/TComComboBox.h"

#include "link/port/EComPort.h"

#include <QtDebug>

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
    refill();
    if (ComPort())
        ShowCurrentSetting();
    else
        setCurrentIndex(count() > 0 ? 0 : -1);
}

void TComComboBox::ShowCurrentSetting()
{
    const QString current = m_select.CurrentText();
    setPlaceholderText(ComProperty() == cpPort ? current : QString());
    const int index = findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentIndex(index);
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
// shown why; the port in use still works and shows as the box's placeholder.
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
    if (!AutoApply())
        return;
    try {
        ApplySelection();
    } catch (const std::exception &failure) {
        showFailure(failure);
    }
}

// The failure goes to the owner of the bound port, who shows the operator why.
void TComComboBox::showFailure(const std::exception &failure)
{
    if (TCustomComPort *port = ComPort())
        port->ShowFailure(failure);
    else
        qWarning("%s", failure.what());
}
