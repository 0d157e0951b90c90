#pragma once

// The one rule set that decides which commands of the main window are
// available. It depends on nothing but these facts, so the whole table
// can be checked without a window; UpdateControls and UpdateMenu only apply it.
struct ControlStateInputs {
    bool ready = true;           // no transfer runs (the port is not open for one)
    bool online = false;         // "On Line" is ticked
    bool hasEntries = false;     // the list has at least one row
    bool listSaved = false;      // the list is, unedited, the file the title names and Send uploads
    bool deviceFileOpen = false; // On Line: the list shows one device file
    bool justSaved = false;      // saved to a file by Save, no header value changed since
    bool canUndo = false;        // the undo stack holds an edit to undo
    bool canRedo = false;        // ... and one to redo
};

struct ControlStates {
    // Buttons, boxes and pickers of the main window.
    bool load = false, save = false, find = false, send = false, receive = false, newList = false, exit = false,
         print = false, goTo = false, back = false, topPanel = false, headerValues = false, openReceived = false;
    // Items of the list's popup menu.
    bool menuNew = false, menuAdd = false, menuEdit = false, menuFind = false, menuGoTo = false, menuPrint = false,
         menuDelete = false, menuRenumber = false, menuUndo = false, menuRedo = false, menuBackup = false;

    bool operator==(const ControlStates &) const = default;
};

ControlStates ComputeControlStates(const ControlStateInputs &in);
