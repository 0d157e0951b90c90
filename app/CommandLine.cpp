#include "app/CommandLine.h"

namespace
{

const QString usage = QStringLiteral("usage: WinOrba [--help | --version]");

CommandLine::Request requestOf(const QStringList &given)
{
    if (given.isEmpty())
        return CommandLine::Request::Run;
    if (given.size() > 1)
        return CommandLine::Request::Refuse;
    if (given.front() == "--help" || given.front() == "-h")
        return CommandLine::Request::Help;
    if (given.front() == "--version")
        return CommandLine::Request::Version;
    return CommandLine::Request::Refuse;
}

} // namespace

CommandLine::CommandLine(const QStringList &arguments)
    : m_request(requestOf(arguments.mid(1))), m_given(arguments.mid(1))
{
}

QString CommandLine::answer() const
{
    switch (m_request) {
    case Request::Help:
        return QStringLiteral("WinOrba keeps the data files of a device on a serial line; it takes no arguments "
                              "(Qt's own options aside). %1")
            .arg(usage);
    case Request::Version:
        return QStringLiteral("WinOrba " WINORBA_VERSION);
    case Request::Refuse:
        return QStringLiteral("WinOrba: unexpected %1 '%2'; %3")
            .arg(m_given.size() == 1 ? "argument" : "arguments", m_given.join(' '), usage);
    case Request::Run:
        break;
    }
    return {};
}
