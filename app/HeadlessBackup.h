#pragma once

#include <QString>
#include <QTextStream>

#include <memory>

class SerialSystem;

// What the command line asks a backup for.
struct BackupRequest {
    QString folder;
    // The port to use; empty: the one of the settings file.
    QString port;
};

// The backup of the device run from the command line, with no window and no
// display: the port and its line settings from the settings file (the port
// named on the command line in place of its own), the texts of the chosen
// language where the file has them, one line per file and the summary on out,
// errors on err. Nobody is there to cancel, so a device that stays silent
// ends the run. Returns the exit status: 0 when every file was stored and
// read back, 1 otherwise (the port cannot be opened included).
int RunHeadlessBackup(const BackupRequest &request, const QString &settingsFile, QTextStream &out, QTextStream &err,
                      std::shared_ptr<SerialSystem> serialSystem = {});
