#pragma once

#include "app/HeadlessBackup.h"

#include <QString>
#include <QStringList>

// What the program was asked for on its command line: "--help" (or "-h") and
// "--version", each answered with one line before any window opens;
// "--backup FOLDER" with an optional "--port PORT", a backup of the device
// run without a window; no argument or one FILE, the window, FILE loaded in
// it ("--" ends the options, so a file whose name begins with a dash can be
// named after it). Anything else is refused with a one-line usage error.
//
// Arguments are read one at a time: an option either stands alone or takes
// the next argument as its value, and the options given decide the request.
class CommandLine
{
public:
    enum class Request { Run, Help, Version, Backup, Refuse };
    // Whether Qt's own options (-platform NAME, -style NAME, -reverse, ...) are
    // still among the arguments, as before Qt starts, or Qt has taken them.
    enum class QtOptions { StillIn, Taken };

    // The arguments as the program got them, the program's own name first.
    explicit CommandLine(const QStringList &arguments, QtOptions qtOptions = QtOptions::Taken);

    Request request() const { return m_request; }
    // The line to print for Help and Version (standard output) and Refuse (standard error).
    QString answer() const;
    int exitCode() const { return m_request == Request::Refuse ? 2 : 0; }
    // Whether the request is answered before Qt starts: help, version and every
    // refusal, once Qt's options are known among the arguments, so that no
    // answer needs a display.
    bool answeredBeforeQt() const;
    // For Backup: the folder and the port.
    const BackupRequest &backup() const { return m_backup; }
    // For Run: the file to load as it was named; empty for none.
    const QString &file() const { return m_file; }
    // How many of the arguments, the program's name first, Qt may see: those
    // before "--", so that nothing after it is taken for one of Qt's options.
    qsizetype qtArgumentCount() const { return m_qtArgumentCount; }

private:
    // Takes the argument at m_given[index] and the value of an option; false when it is none of ours.
    bool takeArgument(qsizetype &index);
    bool takeOption(qsizetype &index);
    bool takeFile(const QString &file);
    Request requestOf() const;

    QStringList m_given;
    QtOptions m_qtOptions;
    // The arguments that are not Qt's.
    QStringList m_own;
    QStringList m_flags;
    BackupRequest m_backup;
    QString m_file;
    bool m_backupGiven = false;
    bool m_portGiven = false;
    bool m_optionsEnded = false;
    bool m_unknownGiven = false;
    qsizetype m_qtArgumentCount;
    // Why the arguments are refused; empty: they are not.
    QString m_refusal;
    Request m_request = Request::Run;
};
