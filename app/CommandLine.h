#pragma once

#include <QString>
#include <QStringList>

// What the program was asked for on its command line. It takes no arguments
// but "--help" (or "-h") and "--version", each answered with one line before
// any window opens; anything else is refused with a one-line usage error.
class CommandLine
{
public:
    enum class Request { Run, Help, Version, Refuse };

    // The arguments as the program got them, the program's own name first.
    explicit CommandLine(const QStringList &arguments);

    Request request() const { return m_request; }
    // The line to print for Help and Version (standard output) and Refuse (standard error).
    QString answer() const;
    int exitCode() const { return m_request == Request::Refuse ? 2 : 0; }

private:
    Request m_request;
    QStringList m_given;
};
