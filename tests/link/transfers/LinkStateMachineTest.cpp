#include "link/transfers/LinkStateMachine.h"

#include <gtest/gtest.h>

#include <map>

namespace
{

using State = LinkStateMachine::State;
using Event = LinkStateMachine::Event;
using Command = LinkStateMachine::Command;
using S = State;
using E = Event;

constexpr State States[] = {S::OffLineIdle,        S::Sending,           S::ReceivingOffLine, S::WaitingForDirectory,
                            S::DirectoryShown,     S::ReadingDeviceFile, S::DeviceFileOpen,   S::WriteBackWaiting,
                            S::WriteBackUploading, S::BackingUp};
constexpr Event Events[] = {
    E::Send,   E::Receive,        E::TickOnLine,    E::UntickOnLine,       E::OpenRow,     E::DeleteRow, E::WriteBack,
    E::Back,   E::DirectoryReady, E::FileReceived,  E::DeviceReadyForFile, E::UploadEnded, E::Cancel,    E::LineError,
    E::HangUp, E::OpenFailed,     E::WindowClosing, E::BackUpRow};

// The commands as the wire has them, a pause written as "(pause N)".
QByteArray wire(const QList<Command> &commands)
{
    QByteArray bytes;
    for (const Command &command : commands) {
        if (command.pauseBefore > 0)
            bytes += "(pause " + QByteArray::number(command.pauseBefore) + ")";
        bytes += command.text;
    }
    return bytes;
}

struct Row {
    State next;
    QByteArray wire;
};

// Every event each state takes; every other pair is ignored. File number 005 where an event names one.
const std::map<std::pair<State, Event>, Row> Table = {
    {{S::OffLineIdle, E::Send}, {S::Sending, ""}},
    {{S::OffLineIdle, E::Receive}, {S::ReceivingOffLine, ""}},
    {{S::OffLineIdle, E::TickOnLine}, {S::WaitingForDirectory, "*KORAX@DSTRANS$!"}},
    {{S::OffLineIdle, E::Cancel}, {S::OffLineIdle, ""}},
    {{S::OffLineIdle, E::LineError}, {S::OffLineIdle, ""}},
    {{S::OffLineIdle, E::HangUp}, {S::OffLineIdle, ""}},
    {{S::OffLineIdle, E::OpenFailed}, {S::OffLineIdle, ""}},
    {{S::OffLineIdle, E::WindowClosing}, {S::OffLineIdle, ""}},

    {{S::Sending, E::UploadEnded}, {S::OffLineIdle, ""}},
    {{S::Sending, E::Cancel}, {S::OffLineIdle, ""}},
    {{S::Sending, E::LineError}, {S::OffLineIdle, ""}},
    {{S::Sending, E::HangUp}, {S::OffLineIdle, ""}},
    {{S::Sending, E::OpenFailed}, {S::OffLineIdle, ""}},

    {{S::ReceivingOffLine, E::FileReceived}, {S::OffLineIdle, ""}},
    {{S::ReceivingOffLine, E::Cancel}, {S::OffLineIdle, ""}},
    {{S::ReceivingOffLine, E::LineError}, {S::OffLineIdle, ""}},
    {{S::ReceivingOffLine, E::HangUp}, {S::OffLineIdle, ""}},
    {{S::ReceivingOffLine, E::OpenFailed}, {S::OffLineIdle, ""}},
    {{S::ReceivingOffLine, E::WindowClosing}, {S::OffLineIdle, ""}},

    {{S::WaitingForDirectory, E::UntickOnLine}, {S::OffLineIdle, "*KORAX@EW$!*KORAX@BREAK$!"}},
    {{S::WaitingForDirectory, E::DirectoryReady}, {S::WaitingForDirectory, "*KORAX@DIR$!"}},
    {{S::WaitingForDirectory, E::FileReceived}, {S::DirectoryShown, ""}},
    {{S::WaitingForDirectory, E::Cancel}, {S::OffLineIdle, "*KORAX@EW$!*KORAX@BREAK$!"}},
    {{S::WaitingForDirectory, E::LineError}, {S::DirectoryShown, ""}},
    {{S::WaitingForDirectory, E::HangUp}, {S::DirectoryShown, ""}},
    {{S::WaitingForDirectory, E::OpenFailed}, {S::OffLineIdle, ""}},
    {{S::WaitingForDirectory, E::WindowClosing}, {S::OffLineIdle, "*KORAX@EW$!"}},

    {{S::DirectoryShown, E::UntickOnLine}, {S::OffLineIdle, "*KORAX@EW$!*KORAX@BREAK$!"}},
    {{S::DirectoryShown, E::OpenRow}, {S::ReadingDeviceFile, "*KORAX@RD001%005$!"}},
    {{S::DirectoryShown, E::BackUpRow}, {S::BackingUp, "*KORAX@RD001%005$!"}},
    {{S::DirectoryShown, E::DeleteRow}, {S::DirectoryShown, "*KORAX@DEL001%005$!"}},
    {{S::DirectoryShown, E::Back}, {S::WaitingForDirectory, "*KORAX@EW$!(pause 30)*KORAX@DSTRANS$!"}},
    {{S::DirectoryShown, E::Cancel}, {S::OffLineIdle, "*KORAX@EW$!*KORAX@BREAK$!"}},
    {{S::DirectoryShown, E::LineError}, {S::DirectoryShown, ""}},
    {{S::DirectoryShown, E::HangUp}, {S::DirectoryShown, ""}},
    {{S::DirectoryShown, E::OpenFailed}, {S::DirectoryShown, ""}},
    {{S::DirectoryShown, E::WindowClosing}, {S::OffLineIdle, "*KORAX@EW$!"}},

    {{S::ReadingDeviceFile, E::UntickOnLine}, {S::OffLineIdle, "*KORAX@EW$!*KORAX@BREAK$!"}},
    {{S::ReadingDeviceFile, E::FileReceived}, {S::DeviceFileOpen, ""}},
    {{S::ReadingDeviceFile, E::Cancel}, {S::OffLineIdle, "*KORAX@EW$!*KORAX@BREAK$!"}},
    {{S::ReadingDeviceFile, E::LineError}, {S::DirectoryShown, ""}},
    {{S::ReadingDeviceFile, E::HangUp}, {S::DirectoryShown, ""}},
    {{S::ReadingDeviceFile, E::OpenFailed}, {S::DirectoryShown, ""}},
    {{S::ReadingDeviceFile, E::WindowClosing}, {S::OffLineIdle, "*KORAX@EW$!"}},

    // A file read for the backup is never shown: whatever ends it, the directory stays on the list.
    {{S::BackingUp, E::UntickOnLine}, {S::OffLineIdle, "*KORAX@EW$!*KORAX@BREAK$!"}},
    {{S::BackingUp, E::FileReceived}, {S::DirectoryShown, ""}},
    {{S::BackingUp, E::Cancel}, {S::OffLineIdle, "*KORAX@EW$!*KORAX@BREAK$!"}},
    {{S::BackingUp, E::LineError}, {S::DirectoryShown, ""}},
    {{S::BackingUp, E::HangUp}, {S::DirectoryShown, ""}},
    {{S::BackingUp, E::OpenFailed}, {S::DirectoryShown, ""}},
    {{S::BackingUp, E::WindowClosing}, {S::OffLineIdle, "*KORAX@EW$!"}},

    {{S::DeviceFileOpen, E::UntickOnLine}, {S::OffLineIdle, "*KORAX@EW$!*KORAX@BREAK$!"}},
    {{S::DeviceFileOpen, E::WriteBack}, {S::WriteBackWaiting, "*KORAX@DEL001%005$!(pause 250)*KORAX@DSDOWN$!"}},
    {{S::DeviceFileOpen, E::Back}, {S::WaitingForDirectory, "*KORAX@EW$!(pause 30)*KORAX@DSTRANS$!"}},
    {{S::DeviceFileOpen, E::Cancel}, {S::OffLineIdle, "*KORAX@EW$!*KORAX@BREAK$!"}},
    {{S::DeviceFileOpen, E::LineError}, {S::DeviceFileOpen, ""}},
    {{S::DeviceFileOpen, E::HangUp}, {S::DeviceFileOpen, ""}},
    {{S::DeviceFileOpen, E::OpenFailed}, {S::DeviceFileOpen, ""}},
    {{S::DeviceFileOpen, E::WindowClosing}, {S::OffLineIdle, "*KORAX@EW$!"}},

    {{S::WriteBackWaiting, E::DeviceReadyForFile}, {S::WriteBackUploading, ""}},
    {{S::WriteBackWaiting, E::Cancel}, {S::DeviceFileOpen, ""}},
    {{S::WriteBackWaiting, E::LineError}, {S::DeviceFileOpen, ""}},
    {{S::WriteBackWaiting, E::HangUp}, {S::DeviceFileOpen, ""}},
    {{S::WriteBackWaiting, E::OpenFailed}, {S::DeviceFileOpen, ""}},

    {{S::WriteBackUploading, E::UploadEnded}, {S::DeviceFileOpen, ""}},
    {{S::WriteBackUploading, E::Cancel}, {S::DeviceFileOpen, ""}},
    {{S::WriteBackUploading, E::LineError}, {S::DeviceFileOpen, ""}},
    {{S::WriteBackUploading, E::HangUp}, {S::DeviceFileOpen, ""}},
    {{S::WriteBackUploading, E::OpenFailed}, {S::DeviceFileOpen, ""}},
};

std::string name(State state, Event event)
{
    return "state " + std::to_string(int(state)) + ", event " + std::to_string(int(event));
}

} // namespace

TEST(LinkStateMachine, EveryStateTakesExactlyTheEventsOfTheTable)
{
    for (const State state : States) {
        for (const Event event : Events) {
            const std::optional<LinkStateMachine::Step> step = LinkStateMachine::step(state, event, "005");
            const auto row = Table.find({state, event});
            if (row == Table.end()) {
                EXPECT_FALSE(step) << name(state, event) << " should be ignored";
                continue;
            }
            ASSERT_TRUE(step) << name(state, event);
            EXPECT_EQ(step->next, row->second.next) << name(state, event);
            EXPECT_EQ(wire(step->commands), row->second.wire) << name(state, event);
        }
    }
}

// The window is busy in every state where an exchange uses the port, the write-back included.
TEST(LinkStateMachine, WhatTheWindowMayDoInEachState)
{
    const std::map<State, std::pair<bool, bool>> readyAndOnLine = {
        {S::OffLineIdle, {true, false}},        {S::Sending, {false, false}},
        {S::ReceivingOffLine, {false, false}},  {S::WaitingForDirectory, {false, true}},
        {S::DirectoryShown, {true, true}},      {S::ReadingDeviceFile, {false, true}},
        {S::DeviceFileOpen, {true, true}},      {S::WriteBackWaiting, {false, true}},
        {S::WriteBackUploading, {false, true}}, {S::BackingUp, {false, true}},
    };
    for (const State state : States) {
        EXPECT_EQ(LinkStateMachine::ready(state), readyAndOnLine.at(state).first) << int(state);
        EXPECT_EQ(LinkStateMachine::onLine(state), readyAndOnLine.at(state).second) << int(state);
        EXPECT_EQ(LinkStateMachine::writingBack(state), state == S::WriteBackWaiting || state == S::WriteBackUploading);
    }
}

// Where the program waits for the device: a silence is told, a cut reception keeps what arrived.
TEST(LinkStateMachine, WhereTheProgramWaitsForTheDevice)
{
    const std::map<State, std::pair<bool, bool>> receivesAndAwaits = {
        {S::OffLineIdle, {false, false}},        {S::Sending, {false, false}},
        {S::ReceivingOffLine, {true, true}},     {S::WaitingForDirectory, {true, true}},
        {S::DirectoryShown, {false, false}},     {S::ReadingDeviceFile, {true, true}},
        {S::DeviceFileOpen, {false, false}},     {S::WriteBackWaiting, {false, true}},
        {S::WriteBackUploading, {false, false}}, {S::BackingUp, {true, true}},
    };
    for (const State state : States) {
        EXPECT_EQ(LinkStateMachine::receivesFile(state), receivesAndAwaits.at(state).first) << int(state);
        EXPECT_EQ(LinkStateMachine::awaitsDevice(state), receivesAndAwaits.at(state).second) << int(state);
    }
}

// After any failure the state says what the list shows: never a device file the list does not hold.
TEST(LinkStateMachine, AFailureWhileADeviceFileIsReadReturnsToTheDirectory)
{
    for (const Event failure : {E::LineError, E::HangUp, E::OpenFailed}) {
        LinkStateMachine link;
        link.take(E::TickOnLine);
        link.take(E::FileReceived);
        link.take(E::OpenRow, "005");
        ASSERT_EQ(link.state(), S::ReadingDeviceFile);
        link.take(failure);
        EXPECT_TRUE(link.directoryShown()) << int(failure);
        EXPECT_FALSE(link.deviceFileOpen()) << int(failure);
        EXPECT_TRUE(link.ready()) << int(failure);
    }
}

TEST(LinkStateMachine, CountsOnlyTheChangesItTakes)
{
    LinkStateMachine link;
    link.take(E::FileReceived);
    EXPECT_EQ(link.changes(), 0u);
    EXPECT_TRUE(link.take(E::TickOnLine));
    EXPECT_EQ(link.changes(), 1u);
    EXPECT_EQ(link.state(), S::WaitingForDirectory);
}
