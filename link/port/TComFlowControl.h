#pragma once

#include "link/port/ComTypes.h"

// The flow-control fields of a port. The operator chooses among presets
// (TFlowControl); a preset sets only the RTS mode, CTS output flow and the
// two Xon/Xoff flags, so DTR control and the DSR fields keep what was set.
struct TComFlowControl {
    TDTRFlowControl ControlDTR = dtrDisable;
    TRTSFlowControl ControlRTS = rtsDisable;
    bool OutCTSFlow = false;
    bool OutDSRFlow = false;
    bool DSRSensitivity = false;
    bool TxContinueOnXoff = false;
    bool XonXoffIn = false;
    bool XonXoffOut = false;
    char XonChar = 17;
    char XoffChar = 19;

    // The preset these fields amount to, or fcCustom when they match none.
    TFlowControl FlowControl() const;
    // fcCustom changes nothing.
    void SetFlowControl(TFlowControl preset);

    bool operator==(const TComFlowControl &) const = default;
};
