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
    QByteArray backupFolder;     // 101: title of the question for the folder a backup goes to
    QByteArray backupProgress;   // 102: a backup's progress; %1 file, %2 of files, %3 its name, %4 bytes so far
    QByteArray backupStored;     // 103: a file stored and read back; %1 its name, %2 its bytes
    QByteArray backupUnreadable; // 104: a file stored that does not read back; %1 its name, %2 why
    QByteArray backupSummary;    // 105: end of a backup; %1 files stored, %2 of files, %3 bytes, %4 the folder
    QByteArray backupFailures;   // 106: the files that failed; %1 their names
    QByteArray backupCut;        // 107: a backup cut by the line; %1 what was stored
    QByteArray backupTitle;      // 108: title of the backup's summary box
    QByteArray backupNothing;    // 109: what a backup cut before its first file had stored
};
