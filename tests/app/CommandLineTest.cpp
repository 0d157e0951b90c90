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
        EXPECT_TRUE(commandLine.answer().contains("usage: WinOrba [--help | --version]"));
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
    for (const QStringList &arguments :
         {QStringList{"file.txt"}, {"--verison"}, {"-v"}, {"--help", "--version"}, {"--version", "extra"}, {""}}) {
        const CommandLine commandLine = given(arguments);
        EXPECT_EQ(commandLine.request(), CommandLine::Request::Refuse) << arguments.join(' ').toStdString();
        EXPECT_EQ(commandLine.exitCode(), 2);
        EXPECT_TRUE(commandLine.answer().startsWith("WinOrba: unexpected argument"));
        EXPECT_TRUE(commandLine.answer().contains("'" + arguments.join(' ') + "'"));
        EXPECT_TRUE(commandLine.answer().endsWith("usage: WinOrba [--help | --version]"));
    }
}
