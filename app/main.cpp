#include "app/CommandLine.h"
#include "app/HeadlessBackup.h"
#include "app/ProgramFiles.h"
#include "app/ProgramWindows.h"
#include "app/TForm1.h"
#include "prompts/QtPrompts.h"

#include <QApplication>
#include <QFileInfo>
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
    // Help, version and every refusal are answered before Qt starts, so they need no display.
    const QStringList arguments = argumentList(argc, argv);
    const CommandLine asGiven(arguments, CommandLine::QtOptions::StillIn);
    if (asGiven.answeredBeforeQt())
        return answer(asGiven);
    // The backup runs without a window, so it needs no display either.
    if (asGiven.request() == CommandLine::Request::Backup) {
        const QCoreApplication app(argc, argv);
        return backUp(asGiven);
    }

    // Qt sees only the arguments before "--": a file named after it is never taken for one of Qt's options.
    int qtArgumentCount = static_cast<int>(asGiven.qtArgumentCount());
    QApplication app(qtArgumentCount, argv);
    QApplication::setApplicationName(QStringLiteral("WinOrba"));
    QApplication::setApplicationVersion(QStringLiteral(WINORBA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(WINORBA_APP_ID));

    // Qt has taken its own options (-platform, -style, ...) off the command line; the rest is ours.
    const CommandLine commandLine(QCoreApplication::arguments() + arguments.mid(asGiven.qtArgumentCount()));
    if (commandLine.request() != CommandLine::Request::Run)
        return answer(commandLine);

    QtPrompts prompts;
    const std::unique_ptr<TForm1> form = CreateProgramWindows(prompts, ProgramFiles::languageFile());
    prompts.setTexts(&form->Texts);
    // The recent files keep the whole path, valid from any folder.
    ShowProgramWindows(*form,
                       commandLine.file().isEmpty() ? QString() : QFileInfo(commandLine.file()).absoluteFilePath());
    return QApplication::exec();
}
