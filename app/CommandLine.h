#pragma once

#include "app/HeadlessBackup.h"

#include <QString>
#include <QStringList>

// What the program was asked for on its command line: "--help" (or "-h") and
// "--version", each answered with one line before any window opens;
// "--backup FOLDER" with an optional "--port PORT", a backup of the device
// run without a window; no argument, the window. Anything else is refused
// with a one-line usage error.
//
// Arguments are read one at a time: an option either stands alone or takes
// the next argument as its value, and the options given decide the request.
class CommandLine
{
public:
    enum class Request { Run, Help, Version, Backup, Refuse };

    // The arguments as the program got them, the program's own name first.
    explicit CommandLine(const QStringList &arguments);

    Request request() const { return m_request; }
    // The line to print for Help and Version (standard output) and Refuse (standard error).
    QString answer() const;
    int exitCode() const { return m_request == Request::Refuse ? 2 : 0; }
    // Whether the request is answered before Qt starts: help, version, and a
    // refusal of arguments that name a backup's options, which never open a
    // window, so that a scheduled run with a wrong argument needs no display either.
    bool answeredBeforeQt() const;
    // For Backup: the folder and the port.
    const BackupRequest &backup() const { return m_backup; }

private:
    // Takes the option at given[index] and its value; false when it is none of ours.
    bool takeOption(const QStringList &given, qsizetype &index);
    Request requestOf(const QStringList &given) const;

    QStringList m_given;
    QStringList m_flags;
    BackupRequest m_backup;
    bool m_backupGiven = false;
    bool m_portGiven = false;
    bool m_backupOptionSeen = false;
    // Why the arguments are refused; empty: they are not.
    QString m_refusal;
    Request m_request = Request::Run;
};
