#include "app/ControlStateRule.h"

ControlStates ComputeControlStates(const ControlStateInputs &in)
{
    ControlStates s;
    const bool offline = !in.online;
    s.load = in.ready && offline;
    // On Line, Save writes an open device file back to the device.
    s.save = in.ready && (offline || in.deviceFileOpen) && in.hasEntries;
    s.find = in.ready && in.hasEntries;
    s.send = in.ready && offline && in.listSaved;
    s.receive = in.ready && offline;
    // New on the button ignores Ready: during an off-line receive the list is
    // empty and New stays available (Ctrl+N reaches it past the disabled panel).
    // A list just saved is safe on disk, so New is offered for it as well.
    s.newList = offline && (!in.hasEntries || (in.ready && in.justSaved));
    s.exit = in.ready;
    s.print = in.ready && in.hasEntries;
    s.goTo = in.ready && in.hasEntries;
    s.back = in.ready && in.online;
    s.topPanel = in.ready;
    s.headerValues = in.ready && offline && in.hasEntries;
    s.openReceived = in.ready && offline;

    const bool usable = in.ready && in.hasEntries;
    s.menuNew = !usable && offline;
    s.menuAdd = usable && offline;
    s.menuEdit = usable;
    s.menuFind = usable;
    s.menuGoTo = usable;
    s.menuPrint = usable;
    s.menuDelete = usable && !in.deviceFileOpen;
    s.menuRenumber = usable && offline;
    s.menuUndo = in.ready && in.canUndo;
    s.menuRedo = in.ready && in.canRedo;
    // On Line and ready, the list is the directory when it is no device file.
    s.menuBackup = in.ready && in.online && !in.deviceFileOpen;
    return s;
}
