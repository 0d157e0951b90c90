#pragma once

#include "link/port/TCustomComPort.h"

#include <QPointer>
#include <QString>
#include <QStringList>

enum TComProperty { cpNone, cpPort, cpBaudRate, cpDataBits, cpStopBits, cpParity, cpFlowControl };

// What a settings box is bound to: one property of a port, the texts it
// offers, and the value last chosen, which ApplySelection writes into the port.
// The port is not owned; when it is destroyed the binding forgets it.
class TComSelect
{
public:
    TCustomComPort *ComPort() const { return m_port; }
    void SetComPort(TCustomComPort *port) { m_port = port; }
    TComProperty ComProperty() const { return m_property; }
    void SetComProperty(TComProperty property) { m_property = property; }
    bool AutoApply() const { return m_autoApply; }
    void SetAutoApply(bool autoApply) { m_autoApply = autoApply; }

    // The texts offered for the bound property; for cpPort the ports of the
    // bound port's system (EComPort 23 when they cannot be listed), for cpNone none.
    QStringList ItemTexts() const;
    // The text of the port's current value of the bound property (flow control
    // by its preset); empty without a port or property.
    QString CurrentText() const;
    // Keeps the value a text stands for (see ComValueText for unknown texts).
    void SelectText(const QString &text) { m_selected = text; }
    // Forgets the kept value, so ApplySelection writes nothing.
    void ClearSelection() { m_selected.clear(); }
    // Writes the kept value into the port, with the effects of setting that
    // property: a new port name reopens an open port, other values apply at once.
    // Nothing when no port is bound or nothing has been chosen.
    void ApplySelection();

private:
    QPointer<TCustomComPort> m_port;
    TComProperty m_property = cpNone;
    bool m_autoApply = false;
    QString m_selected;
};
