#include "app/CommandLine.h"
#include "app/HeadlessBackup.h"
#include "app/ProgramFiles.h"
#include "app/ProgramWindows.h"
#include "app/TForm1.h"
#include "prompts/QtPrompts.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

namespace
{

QStringList argumentList(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int answer(const CommandLine &commandLine)
{
    std::FILE *stream = commandLine.request() == CommandLine::Request::Refuse ? stderr : stdout;
    std::fputs(qPrintable(commandLine.answer() + '\n'), stream);
    return commandLine.exitCode();
}

int backUp(const CommandLine &commandLine)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunHeadlessBackup(commandLine.backup(), ProgramFiles::languageFile(), out, err);
}

} // namespace

int main(int argc, char **argv)
{
    // --help, --version and a wrong backup request are answered before Qt starts, so they need no display.
    const CommandLine asGiven(argumentList(argc, argv));
    if (asGiven.answeredBeforeQt())
        return answer(asGiven);
    // The backup runs without a window, so it needs no display either.
    if (asGiven.request() == CommandLine::Request::Backup) {
        const QCoreApplication app(argc, argv);
        return backUp(asGiven);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("WinOrba"));
    QApplication::setApplicationVersion(QStringLiteral(WINORBA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(WINORBA_APP_ID));

    // Qt has taken its own options (-platform, -style, ...) off the command line; the rest is ours.
    const CommandLine commandLine(QCoreApplication::arguments());
    if (commandLine.request() == CommandLine::Request::Backup)
        return backUp(commandLine);
    if (commandLine.request() != CommandLine::Request::Run)
        return answer(commandLine);

    QtPrompts prompts;
    const std::unique_ptr<TForm1> form = CreateProgramWindows(prompts, ProgramFiles::languageFile());
    prompts.setTexts(&form->Texts);
    form->show();
    return QApplication::exec();
}
