#include "app/CommandLine.h"
#include "support/NoDisplay.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace
{

const QString usage = QStringLiteral("usage: WinOrba [--help | --version | --backup FOLDER [--port PORT] | [--] FILE]");

// The arguments once Qt has taken its own options off the command line.
CommandLine given(const QStringList &arguments)
{
    return CommandLine(QStringList{"/usr/bin/WinOrba"} + arguments);
}

// The arguments as the program gets them, before Qt starts.
CommandLine asGiven(const QStringList &arguments)
{
    return CommandLine(QStringList{"/usr/bin/WinOrba"} + arguments, CommandLine::QtOptions::StillIn);
}

} // namespace

TEST(CommandLine, NoArgumentsRunsTheProgram)
{
    const CommandLine commandLine = given({});
    EXPECT_EQ(commandLine.request(), CommandLine::Request::Run);
    EXPECT_EQ(commandLine.exitCode(), 0);
}

TEST(CommandLine, HelpAndVersionAnswerOneLineAndSucceed)
{
    for (const char *help : {"--help", "-h"}) {
        const CommandLine commandLine = given({help});
        EXPECT_EQ(commandLine.request(), CommandLine::Request::Help) << help;
        EXPECT_TRUE(commandLine.answer().contains(usage));
        EXPECT_FALSE(commandLine.answer().contains('\n'));
        EXPECT_EQ(commandLine.exitCode(), 0);
    }
    const CommandLine version = given({"--version"});
    EXPECT_EQ(version.request(), CommandLine::Request::Version);
    EXPECT_EQ(version.answer(), "WinOrba " WINORBA_VERSION);
    EXPECT_EQ(version.exitCode(), 0);
}

TEST(CommandLine, AnythingElseIsRefusedNamingWhatWasGiven)
{
    for (const QStringList &arguments : {QStringList{"a.txt", "b.txt"},
                                         {"--verison"},
                                         {"-v"},
                                         {"--help", "--version"},
                                         {"--version", "extra"},
                                         {"--help", "file.txt"},
                                         {"-"},
                                         {"a.txt", "--", "b.txt"},
                                         {"--", "a.txt", "b.txt"},
                                         {"--", ""},
                                         {"-platform", "offscreen"},
                                         {""},
                                         {"--port", "/dev/ttyUSB0"},
                                         {"--backup", "here", "extra"},
                                         {"--backup", "here", "--help"}}) {
        const CommandLine commandLine = given(arguments);
        EXPECT_EQ(commandLine.request(), CommandLine::Request::Refuse) << arguments.join(' ').toStdString();
        EXPECT_EQ(commandLine.exitCode(), 2);
        EXPECT_TRUE(commandLine.answer().startsWith("WinOrba: unexpected argument"));
        EXPECT_TRUE(commandLine.answer().contains("'" + arguments.join(' ') + "'"));
        EXPECT_TRUE(commandLine.answer().endsWith(usage));
    }
}

TEST(CommandLine, BackupTakesAFolderAndMayNameThePort)
{
    const CommandLine folderOnly = given({"--backup", "/srv/backup"});
    EXPECT_EQ(folderOnly.request(), CommandLine::Request::Backup);
    EXPECT_EQ(folderOnly.backup().folder, "/srv/backup");
    EXPECT_EQ(folderOnly.backup().port, "");
    EXPECT_EQ(folderOnly.exitCode(), 0);
    for (const QStringList &arguments :
         {QStringList{"--backup", "b", "--port", "/dev/ttyS1"}, QStringList{"--port", "/dev/ttyS1", "--backup", "b"}}) {
        const CommandLine commandLine = given(arguments);
        EXPECT_EQ(commandLine.request(), CommandLine::Request::Backup);
        EXPECT_EQ(commandLine.backup().folder, "b");
        EXPECT_EQ(commandLine.backup().port, "/dev/ttyS1");
    }
}

TEST(CommandLine, ABackupOptionWithoutItsValueOrGivenTwiceIsAUsageError)
{
    const std::pair<QStringList, const char *> cases[] = {
        {{"--backup"}, "WinOrba: --backup needs a folder; "},
        {{"--backup", "--port", "p"}, "WinOrba: --backup needs a folder; "},
        {{"--backup", "a", "--port"}, "WinOrba: --port needs a port; "},
        {{"--backup", "a", "--backup", "b"}, "WinOrba: --backup given twice; "},
    };
    for (const auto &[arguments, message] : cases) {
        const CommandLine commandLine = asGiven(arguments);
        EXPECT_EQ(commandLine.request(), CommandLine::Request::Refuse) << arguments.join(' ').toStdString();
        EXPECT_EQ(commandLine.exitCode(), 2);
        EXPECT_TRUE(commandLine.answer().startsWith(message)) << commandLine.answer().toStdString();
        // A scheduled run needs no display to learn of its mistake.
        EXPECT_TRUE(commandLine.answeredBeforeQt());
    }
}

TEST(CommandLine, HelpTellsOfTheBackup)
{
    EXPECT_TRUE(given({"--help"}).answer().contains("--backup"));
}

TEST(CommandLine, OneFileIsLoadedInTheWindowAndAfterTwoDashesItMayBeginWithADash)
{
    const std::pair<QStringList, QString> cases[] = {
        {{"file.txt"}, "file.txt"},
        {{"--", "-x.txt"}, "-x.txt"},
        {{"--", "--help"}, "--help"},
        {{"/tmp/a b.txt"}, "/tmp/a b.txt"},
        {{"--"}, ""},
    };
    for (const auto &[arguments, file] : cases) {
        const CommandLine commandLine = given(arguments);
        EXPECT_EQ(commandLine.request(), CommandLine::Request::Run) << arguments.join(' ').toStdString();
        EXPECT_EQ(commandLine.file(), file);
        EXPECT_EQ(commandLine.exitCode(), 0);
    }
    EXPECT_EQ(given({}).file(), "");
}

TEST(CommandLine, QtsOwnOptionsAreSkippedBeforeQtStartsSoThatEveryRefusalNeedsNoDisplay)
{
    const CommandLine withQtOptions =
        asGiven({"-platform", "offscreen", "-style", "fusion", "-reverse", "-qwindowgeometry", "800x600+0+0",
                 "-qwindowtitle", "Orba", "--stylesheet", "a.qss", "-style=fusion", "-session", "s1", "file.txt"});
    EXPECT_EQ(withQtOptions.request(), CommandLine::Request::Run);
    EXPECT_EQ(withQtOptions.file(), "file.txt");
    EXPECT_FALSE(withQtOptions.answeredBeforeQt());
    EXPECT_EQ(withQtOptions.qtArgumentCount(), 16);

    // Refused before Qt starts, naming only the program's own arguments.
    for (const QStringList &arguments : {QStringList{"-platform", "offscreen", "a.txt", "b.txt"},
                                         {"a.txt", "-display", ":0", "b.txt"},
                                         {"-no-such-option"},
                                         {"file.txt", "-platform"}}) {
        const CommandLine commandLine = asGiven(arguments);
        EXPECT_EQ(commandLine.request(), CommandLine::Request::Refuse) << arguments.join(' ').toStdString();
        EXPECT_TRUE(commandLine.answeredBeforeQt());
        EXPECT_FALSE(commandLine.answer().contains("offscreen") || commandLine.answer().contains(":0"))
            << commandLine.answer().toStdString();
    }
    EXPECT_TRUE(asGiven({"-platform", "offscreen", "a.txt", "b.txt"})
                    .answer()
                    .startsWith("WinOrba: unexpected arguments 'a.txt b.txt'; "));
    // Once Qt has taken its options, what is left is the program's own.
    EXPECT_EQ(given({"-reverse"}).request(), CommandLine::Request::Refuse);
    EXPECT_EQ(asGiven({"-reverse", "--help"}).request(), CommandLine::Request::Help);
    EXPECT_EQ(asGiven({"-platform", "offscreen", "--backup", "b"}).request(), CommandLine::Request::Backup);
}

TEST(CommandLine, QtSeesNoArgumentAfterTwoDashes)
{
    const CommandLine commandLine = asGiven({"-platform", "offscreen", "--", "-reverse"});
    EXPECT_EQ(commandLine.request(), CommandLine::Request::Run);
    EXPECT_EQ(commandLine.file(), "-reverse");
    // The program's name and the two arguments before "--".
    EXPECT_EQ(commandLine.qtArgumentCount(), 3);
    // A Qt option's value is never the end of the options.
    EXPECT_EQ(asGiven({"-style", "--", "file.txt"}).file(), "file.txt");
    EXPECT_EQ(asGiven({"-style", "--", "file.txt"}).qtArgumentCount(), 4);
}

TEST(CommandLineProgram, TwoFilesAreRefusedWithoutADisplay)
{
    QProcess process;
    process.setProcessEnvironment(NoDisplay::environment());
    process.start(QStringLiteral(WINORBA_BINARY), {"a.txt", "b.txt"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_EQ(QString::fromLocal8Bit(process.readAllStandardError()),
              "WinOrba: unexpected arguments 'a.txt b.txt'; " + usage + '\n');
    EXPECT_EQ(process.readAllStandardOutput(), "");
}
