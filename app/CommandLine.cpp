#include "app/CommandLine.h"

#include <algorithm>

namespace
{

const QString usage = QStringLiteral("usage: WinOrba [--help | --version | --backup FOLDER [--port PORT] | [--] FILE]");

// Qt's own options, as Qt's application classes and the platform plugins read
// them: those that take the next argument as their value, those that stand
// alone, and those that may carry their value after "=" (-style=fusion).
const QStringList qtOptionsWithValue = {"platform",      "platformpluginpath",
                                        "platformtheme", "plugin",
                                        "style",         "stylesheet",
                                        "session",       "qwindowgeometry",
                                        "geometry",      "qwindowtitle",
                                        "title",         "qwindowicon",
                                        "icon",          "display",
                                        "name",          "visual",
                                        "fontengine"};
const QStringList qtFlags = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};
const QStringList qtOptionsWithJoinedValue = {"style=", "stylesheet=", "qmljsdebugger="};

// How many arguments from given[index] on make one of Qt's options; 0 when
// given[index] is none of them, or lacks its value (Qt leaves it then).
qsizetype qtOptionLength(const QStringList &given, qsizetype index)
{
    const QString &argument = given.at(index);
    if (!argument.startsWith('-'))
        return 0;
    // Qt reads "--style" as "-style".
    const QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    const bool joinedValue = std::any_of(qtOptionsWithJoinedValue.cbegin(), qtOptionsWithJoinedValue.cend(),
                                         [&name](const QString &prefix) { return name.startsWith(prefix); });
    if (joinedValue || qtFlags.contains(name))
        return 1;
    return qtOptionsWithValue.contains(name) && index + 1 < given.size() ? 2 : 0;
}

// A value is the next argument, unless that is missing or an option itself.
bool valueAt(const QStringList &given, qsizetype index, QString &value)
{
    if (index >= given.size() || given.at(index).startsWith(QStringLiteral("--")) || given.at(index).isEmpty())
        return false;
    value = given.at(index);
    return true;
}

} // namespace

CommandLine::CommandLine(const QStringList &arguments, QtOptions qtOptions)
    : m_given(arguments.mid(1)), m_qtOptions(qtOptions), m_qtArgumentCount(arguments.size())
{
    for (qsizetype index = 0; index < m_given.size() && m_refusal.isEmpty(); ++index) {
        const qsizetype qtLength =
            m_qtOptions == QtOptions::StillIn && !m_optionsEnded ? qtOptionLength(m_given, index) : 0;
        if (qtLength > 0) {
            index += qtLength - 1;
            continue;
        }
        const qsizetype first = index;
        m_unknownGiven = !takeArgument(index) || m_unknownGiven;
        m_own << m_given.mid(first, index - first + 1);
    }
    m_request = m_refusal.isEmpty() ? requestOf() : Request::Refuse;
    if (m_request == Request::Refuse && m_refusal.isEmpty())
        m_refusal =
            QStringLiteral("unexpected %1 '%2'").arg(m_own.size() == 1 ? "argument" : "arguments", m_own.join(' '));
}

bool CommandLine::takeArgument(qsizetype &index)
{
    const QString &argument = m_given.at(index);
    if (m_optionsEnded || !argument.startsWith('-'))
        return takeFile(argument);
    if (argument == QStringLiteral("--")) {
        m_optionsEnded = true;
        // The program's name and the arguments before this one.
        m_qtArgumentCount = index + 1;
        return true;
    }
    return takeOption(index);
}

bool CommandLine::takeOption(qsizetype &index)
{
    const QString &option = m_given.at(index);
    if (option == "--help" || option == "-h" || option == "--version") {
        m_flags << option;
        return true;
    }
    const bool backup = option == "--backup";
    if (!backup && option != "--port")
        return false;
    bool &taken = backup ? m_backupGiven : m_portGiven;
    QString &value = backup ? m_backup.folder : m_backup.port;
    if (taken || !valueAt(m_given, index + 1, value)) {
        m_refusal = taken ? QStringLiteral("%1 given twice").arg(option)
                          : QStringLiteral("%1 needs %2").arg(option, backup ? "a folder" : "a port");
        return true;
    }
    taken = true;
    ++index;
    return true;
}

bool CommandLine::takeFile(const QString &file)
{
    // One file at most, and no file has an empty name.
    if (file.isEmpty() || !m_file.isEmpty())
        return false;
    m_file = file;
    return true;
}

CommandLine::Request CommandLine::requestOf() const
{
    if (m_unknownGiven)
        return Request::Refuse;
    if (m_backupGiven)
        return m_flags.isEmpty() && m_file.isEmpty() ? Request::Backup : Request::Refuse;
    if (m_portGiven)
        return Request::Refuse;
    if (m_flags.isEmpty())
        return Request::Run;
    if (m_flags.size() > 1 || !m_file.isEmpty())
        return Request::Refuse;
    return m_flags.constFirst() == "--version" ? Request::Version : Request::Help;
}

bool CommandLine::answeredBeforeQt() const
{
    return m_qtOptions == QtOptions::StillIn && m_request != Request::Run && m_request != Request::Backup;
}

QString CommandLine::answer() const
{
    switch (m_request) {
    case Request::Help:
        return QStringLiteral("WinOrba keeps the data files of a device on a serial line; it opens its window (Qt's "
                              "own options aside) and loads FILE into it when one is named, or with --backup copies "
                              "every file of the device into FOLDER without a window, on PORT or the port of its "
                              "settings. %1")
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
