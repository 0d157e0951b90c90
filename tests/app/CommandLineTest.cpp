#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace
{

CommandLine given(const QStringList &arguments)
{
    return CommandLine(QStringList{"/usr/bin/WinOrba"} + arguments);
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
        EXPECT_TRUE(
            commandLine.answer().contains("usage: WinOrba [--help | --version | --backup FOLDER [--port PORT]]"));
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
    for (const QStringList &arguments : {QStringList{"file.txt"},
                                         {"--verison"},
                                         {"-v"},
                                         {"--help", "--version"},
                                         {"--version", "extra"},
                                         {""},
                                         {"--port", "/dev/ttyUSB0"},
                                         {"--backup", "here", "extra"},
                                         {"--backup", "here", "--help"}}) {
        const CommandLine commandLine = given(arguments);
        EXPECT_EQ(commandLine.request(), CommandLine::Request::Refuse) << arguments.join(' ').toStdString();
        EXPECT_EQ(commandLine.exitCode(), 2);
        EXPECT_TRUE(commandLine.answer().startsWith("WinOrba: unexpected argument"));
        EXPECT_TRUE(commandLine.answer().contains("'" + arguments.join(' ') + "'"));
        EXPECT_TRUE(
            commandLine.answer().endsWith("usage: WinOrba [--help | --version | --backup FOLDER [--port PORT]]"));
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
        const CommandLine commandLine = given(arguments);
        EXPECT_EQ(commandLine.request(), CommandLine::Request::Refuse) << arguments.join(' ').toStdString();
        EXPECT_EQ(commandLine.exitCode(), 2);
        EXPECT_TRUE(commandLine.answer().startsWith(message)) << commandLine.answer().toStdString();
        // A scheduled run needs no display to learn of its mistake.
        EXPECT_TRUE(commandLine.answeredBeforeQt());
    }
    // Qt's own options are taken off the command line before the window's arguments are judged.
    EXPECT_FALSE(given({"-platform", "offscreen"}).answeredBeforeQt());
    EXPECT_TRUE(given({"--help"}).answeredBeforeQt());
}

TEST(CommandLine, HelpTellsOfTheBackup)
{
    EXPECT_TRUE(given({"--help"}).answer().contains("--backup"));
}
