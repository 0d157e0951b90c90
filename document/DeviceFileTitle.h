#pragma once

#include <QString>

// The main window's title for a loaded file: "Windows Orba (..." and the last
// 16 characters of the file's folder path (all of it when shorter, with its
// closing separator), then the file name and ")". While the list holds edits
// not yet saved, a "*" follows the file name.
QString DeviceFileWindowTitle(const QString &fileName, bool unsavedEdits);
