#pragma once

#include "link/settings/TComSelect.h"

#include <QComboBox>

// A drop-down list that chooses one setting of a port. A choice by the
// operator is kept and, with AutoApply, written into the port at once.
//
// The port box (cpPort) lists the system's serial ports and refreshes the list
// each time it drops down, so an adapter plugged in later appears. It also
// takes a typed name: any device path (/dev/serial/by-id/..., a pseudo-terminal
// or a link to one), applied like a choice once the typing ends (Enter, or the
// focus leaving), so a half-typed name never reopens a port. A port in use
// that is not in the list (a pseudo-terminal, or "COM1" kept from Windows)
// selects no item and is shown as the box's text; the tool tip carries the
// whole name where the box is too narrow for it. Failures of a choice or of
// the port list reach the operator through the bound port's OnFailure.
class TComComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit TComComboBox(QWidget *parent = nullptr);

    TCustomComPort *ComPort() const { return m_select.ComPort(); }
    // Shows the new port's current setting.
    void SetComPort(TCustomComPort *port);
    TComProperty ComProperty() const { return m_select.ComProperty(); }
    // Refills the items with the property's texts and shows the port's current
    // value (the first item when no port is bound).
    void SetComProperty(TComProperty property);
    bool AutoApply() const { return m_select.AutoApply(); }
    void SetAutoApply(bool autoApply) { m_select.SetAutoApply(autoApply); }

    // Selects the item equal to the port's current value, or none.
    void ShowCurrentSetting();
    // What the box sets, in the operator's language: its tool tip (the port
    // box adds the whole name of the port in use) and accessible name.
    void SetDescription(const QString &description);
    // Writes the chosen value into the port.
    void ApplySelection() { m_select.ApplySelection(); }

    // The port box lists the ports anew first; it stays closed when they cannot be listed.
    void showPopup() override;

private:
    bool refill();
    void choose(int index);
    void chooseTyped();
    void apply();
    void showFailure(const std::exception &failure);
    void updateToolTip();

    TComSelect m_select;
    QString m_description;
};
