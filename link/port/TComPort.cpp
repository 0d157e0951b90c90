#include "link/port/TComPort.h"

void TComPort::ApplyWindowDesignValues(TComPort &port)
{
    port.SetEvents(evRxChar | evError);
    port.SetSyncMethod(smWindowSync);
    port.BeginSettingsUpdate();
    port.SetBaudRate(br4800);
    TComParity parity = port.Parity();
    parity.Bits = prEven;
    parity.Check = true;
    port.SetParity(parity);
    TComFlowControl flow = port.FlowControl();
    flow.ControlDTR = dtrHandshake;
    flow.ControlRTS = rtsHandshake;
    flow.OutCTSFlow = true;
    port.SetFlowControl(flow);
    port.SetBuffer({4096, 4096});
    port.EndSettingsUpdate();
}
