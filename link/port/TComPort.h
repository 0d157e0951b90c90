#pragma once

#include "link/port/TCustomComPort.h"

// The port component as the main window uses it.
class TComPort : public TCustomComPort
{
    Q_OBJECT

public:
    using TCustomComPort::TCustomComPort;

    // The values the main window gives its ComPort1 over the component
    // defaults: 4800 baud, even parity checked, DTR and RTS handshake with CTS
    // output flow, 4096-byte queues, the events evRxChar and evError, and
    // hand-over through the window (smWindowSync). Call on a closed port.
    static void ApplyWindowDesignValues(TComPort &port);
};
