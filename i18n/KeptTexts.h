#pragma once

#include <QByteArray>

// The language texts that no control shows by itself: the commands that need
// them read them here at the moment they build their message. They are kept as
// the bytes of the language file and replaced by every change of language.
struct KeptTexts {
    QByteArray writeBackMessage; // 11: progress memo line (after a tab) while a device file is written back
    QByteArray notFoundEnding;   // 12: ends "Text %s %s" when Find reaches the end without a match
    QByteArray namesUnit;        // 31: unit word in "%d %s" after the number of names in the go-to window
    QByteArray lineErrorTitle;   // 50: title of the serial line error boxes
    QByteArray parityError;      // 51: parity error
    QByteArray breakError;       // 52: break on the line
    QByteArray framingError;     // 53: framing error
    QByteArray renumberRefused;  // 60: error message when there are more records than four digits number
    QByteArray writeBackFailed;  // 61: a write-back that did not complete; %1 the file number, %2 the kept file
    QByteArray writtenBack;      // 62: status line after a write-back; %1 the file number, %2 the lines
    QByteArray deviceSilent;     // 63: the device has not answered; %1 the seconds waited
    QByteArray checkTheLine;     // 64: what to check when the device does not answer; %1 the port
    QByteArray cancelEndsWait;   // 65: how to end a wait for the device
    QByteArray receptionKept;    // 66: a reception cut by the line; %1 the file that keeps what arrived
    QByteArray deleteOnDevice;   // 67: question before a device file is deleted; %1 its number, %2 its name
    QByteArray noDeviceData;     // 68: a loaded file held no device data; %1 the file
    QByteArray undoItem;         // 69: popup item that undoes an edit; %1 the edit (73 to 79)
    QByteArray redoItem;         // 70: popup item that redoes an edit; %1 the edit (73 to 79)
    QByteArray nothingToUndo;    // 71: the undo item while there is nothing to undo
    QByteArray nothingToRedo;    // 72: the redo item while there is nothing to redo
    QByteArray editRecordEdit;   // 73: an edit of a record header; %1 its number
    QByteArray editFieldEdit;    // 74: an edit of a field entry; %1 the field's position
    QByteArray addRecordEdit;    // 75: a record added; %1 its number
    QByteArray addFieldEdit;     // 76: a field added to every record; %1 its position
    QByteArray deleteRecordEdit; // 77: a record deleted; %1 its number
    QByteArray deleteFieldEdit;  // 78: a field deleted from every record; %1 its position
    QByteArray renumberEdit;     // 79: the records renumbered
    // The status line's outcomes of the last command (see CommandOutcome).
    QByteArray loaded;          // 80: %1 the file, %2 its entries
    QByteArray saved;           // 81: %1 the file
    QByteArray sent;            // 82: %1 the file, %2 its lines
    QByteArray received;        // 83: %1 the file, %2 its bytes
    QByteArray newList;         // 84: New
    QByteArray deletedOnDevice; // 85: %1 the device file's number, %2 its name
    QByteArray cancelled;       // 86: a transfer cancelled by the operator
    QByteArray stopped;         // 87: a command that did not complete; %1 the reason
    QByteArray undone;          // 88: %1 the command undone
    QByteArray redone;          // 89: %1 the command redone
    QByteArray backupFolder;     // 101: title of the question for the folder a backup goes to
    QByteArray backupProgress;   // 102: a backup's progress; %1 file, %2 of files, %3 its name, %4 bytes so far
    QByteArray backupStored;     // 103: a file stored and read back; %1 its name, %2 its bytes
    QByteArray backupUnreadable; // 104: a file stored that does not read back; %1 its name, %2 why
    QByteArray backupSummary;    // 105: end of a backup; %1 files stored, %2 of files, %3 bytes, %4 the folder
    QByteArray backupFailures;   // 106: the files that failed; %1 their names
    QByteArray backupCut;        // 107: a backup cut by the line; %1 what was stored
    QByteArray backupTitle;      // 108: title of the backup's summary box
    QByteArray backupNothing;    // 109: what a backup cut before its first file had stored
    QByteArray portBox;          // 110: tool tip of the port box (a listed name or a typed path)
    QByteArray dataBitsBox;      // 111: tool tip of the data bits box
    QByteArray baudRateBox;      // 112: tool tip of the baud rate box
    QByteArray parityBox;        // 113: tool tip of the parity box
    QByteArray flowControlBox;   // 114: tool tip of the flow control box
    QByteArray stopBitsBox;      // 115: tool tip of the stop bits box
    QByteArray portNotOpened;    // 116: a port that did not open; %1 the port, %2 the reason, %3 the system's number
    QByteArray portNotFound;     // 117: reason: no such port
    QByteArray portInUse;        // 118: reason: another program holds the port
    QByteArray portNoPermission; // 119: reason: no right to the port, with the hint to join the group dialout
    QByteArray notASerialPort;   // 120: reason: the name is no serial port
    QByteArray portRefused;      // 121: reason: any other refusal of the system
    QByteArray fileNotRead;    // 122: a file that could not be read; %1 the file, %2 the reason, %3 the system's number
    QByteArray fileNotWritten; // 123: a file that could not be written; %1 the file, %2 the reason, %3 the number
    QByteArray fileNotFound;   // 124: reason: no such file or folder
    QByteArray fileNoPermission; // 125: reason: no right to the file or its folder
    QByteArray fileIsAFolder;    // 126: reason: the name is a folder
    QByteArray diskFull;         // 127: reason: no space left
    QByteArray diskReadOnly;     // 128: reason: a read-only file system
    QByteArray fileRefused;      // 129: reason: any other refusal of the system
    QByteArray allFilesFilter;   // 133: name of the file dialogs' filter for all files
    QByteArray textFilesFilter;  // 134: name of the file dialogs' filter for text files
    QByteArray notFoundTitle;    // 138: title of the message of a Find that reached the end
    QByteArray saveEdits;        // 171: question before unsaved edits go; %1 the file the list shows
    QByteArray saveNewEdits;     // 172: the same for a list that is no file yet
    QByteArray writeBackEdits;   // 173: the same for an edited device file open On Line
    QByteArray backupReplaces;   // 174: question before a backup goes to a folder that holds files; %1 the folder
};
