#include "app/CommandLine.h"

namespace
{

const QString usage = QStringLiteral("usage: WinOrba [--help | --version | --backup FOLDER [--port PORT]]");

// A value is the next argument, unless that is missing or an option itself.
bool valueAt(const QStringList &given, qsizetype index, QString &value)
{
    if (index >= given.size() || given.at(index).startsWith(QStringLiteral("--")) || given.at(index).isEmpty())
        return false;
    value = given.at(index);
    return true;
}

} // namespace

CommandLine::CommandLine(const QStringList &arguments) : m_given(arguments.mid(1))
{
    bool known = true;
    for (qsizetype index = 0; index < m_given.size() && known && m_refusal.isEmpty(); ++index)
        known = takeOption(m_given, index);
    m_request = known && m_refusal.isEmpty() ? requestOf(m_given) : Request::Refuse;
    if (m_request == Request::Refuse && m_refusal.isEmpty())
        m_refusal =
            QStringLiteral("unexpected %1 '%2'").arg(m_given.size() == 1 ? "argument" : "arguments", m_given.join(' '));
}

bool CommandLine::takeOption(const QStringList &given, qsizetype &index)
{
    const QString &option = given.at(index);
    if (option == "--help" || option == "-h" || option == "--version") {
        m_flags << option;
        return true;
    }
    const bool backup = option == "--backup";
    if (!backup && option != "--port")
        return false;
    m_backupOptionSeen = true;
    bool &taken = backup ? m_backupGiven : m_portGiven;
    QString &value = backup ? m_backup.folder : m_backup.port;
    if (taken || !valueAt(given, index + 1, value)) {
        m_refusal = taken ? QStringLiteral("%1 given twice").arg(option)
                          : QStringLiteral("%1 needs %2").arg(option, backup ? "a folder" : "a port");
        return true;
    }
    taken = true;
    ++index;
    return true;
}

CommandLine::Request CommandLine::requestOf(const QStringList &given) const
{
    if (given.isEmpty())
        return Request::Run;
    if (m_backupGiven && m_flags.isEmpty())
        return Request::Backup;
    if (given.size() > 1 || m_portGiven)
        return Request::Refuse;
    return m_flags.constFirst() == "--version" ? Request::Version : Request::Help;
}

bool CommandLine::answeredBeforeQt() const
{
    return m_request == Request::Help || m_request == Request::Version ||
           (m_request == Request::Refuse && m_backupOptionSeen);
}

QString CommandLine::answer() const
{
    switch (m_request) {
    case Request::Help:
        return QStringLiteral("WinOrba keeps the data files of a device on a serial line; without arguments it opens "
                              "its window (Qt's own options aside), with --backup it copies every file of the "
                              "device into FOLDER without a window, on PORT or the port of its settings. %1")
            .arg(usage);
    case Request::Version:
        return QStringLiteral("WinOrba " WINORBA_VERSION);
    case Request::Refuse:
        return QStringLiteral("WinOrba: %1; %2").arg(m_refusal, usage);
    case Request::Run:
    case Request::Backup:
        break;
    }
    return {};
}
