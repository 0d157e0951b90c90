#include "link/port/TComFlowControl.h"

TFlowControl TComFlowControl::FlowControl() const
{
    const bool xonXoff = XonXoffIn && XonXoffOut;
    const bool noXonXoff = !XonXoffIn && !XonXoffOut;
    if (ControlRTS == rtsHandshake && OutCTSFlow && noXonXoff)
        return fcHardware;
    if (ControlRTS == rtsDisable && !OutCTSFlow && xonXoff)
        return fcSoftware;
    if (ControlRTS == rtsDisable && !OutCTSFlow && noXonXoff)
        return fcNone;
    return fcCustom;
}

void TComFlowControl::SetFlowControl(TFlowControl preset)
{
    if (preset == fcCustom)
        return;
    const bool hardware = preset == fcHardware;
    const bool software = preset == fcSoftware;
    ControlRTS = hardware ? rtsHandshake : rtsDisable;
    OutCTSFlow = hardware;
    XonXoffIn = software;
    XonXoffOut = software;
}
