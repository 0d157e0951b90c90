#include "link/transfers/LinkStateMachine.h"

#include "link/transfers/LinkCommands.h"

namespace
{

using State = LinkStateMachine::State;
using Event = LinkStateMachine::Event;
using Step = LinkStateMachine::Step;
using Command = LinkStateMachine::Command;

Step to(State next, QList<Command> commands = {})
{
    return Step{next, std::move(commands)};
}

const QList<Command> LeaveOnLine = {{LinkCommands::EndWork}, {LinkCommands::Break}};
const QList<Command> EndOnLine = {{LinkCommands::EndWork}};

std::optional<Step> offLine(State state, Event event)
{
    switch (event) {
    case Event::Send:
        return state == State::OffLineIdle ? std::optional(to(State::Sending)) : std::nullopt;
    case Event::Receive:
        return state == State::OffLineIdle ? std::optional(to(State::ReceivingOffLine)) : std::nullopt;
    case Event::TickOnLine:
        return state == State::OffLineIdle
                   ? std::optional(to(State::WaitingForDirectory, {{LinkCommands::EnterTransfer}}))
                   : std::nullopt;
    case Event::UploadEnded:
        return state == State::Sending ? std::optional(to(State::OffLineIdle)) : std::nullopt;
    case Event::FileReceived:
        return state == State::ReceivingOffLine ? std::optional(to(State::OffLineIdle)) : std::nullopt;
    // A close of the window waits for the end of a file being sent.
    case Event::WindowClosing:
        return state == State::Sending ? std::nullopt : std::optional(to(State::OffLineIdle));
    case Event::Cancel:
    case Event::LineError:
    case Event::HangUp:
    case Event::OpenFailed:
        return to(State::OffLineIdle);
    default:
        return std::nullopt;
    }
}

// What the directory or a device file on the list allows.
std::optional<Step> browsing(State state, Event event, QByteArrayView fileNumber)
{
    const bool directory = state == State::DirectoryShown;
    switch (event) {
    case Event::OpenRow:
        return directory ? std::optional(to(State::ReadingDeviceFile, {{LinkCommands::read(fileNumber)}}))
                         : std::nullopt;
    case Event::BackUpRow:
        return directory ? std::optional(to(State::BackingUp, {{LinkCommands::read(fileNumber)}})) : std::nullopt;
    case Event::DeleteRow:
        return directory ? std::optional(to(State::DirectoryShown, {{LinkCommands::remove(fileNumber)}}))
                         : std::nullopt;
    case Event::WriteBack:
        return directory ? std::nullopt
                         : std::optional(to(State::WriteBackWaiting,
                                            {{LinkCommands::remove(fileNumber)},
                                             {LinkCommands::TakeFile, LinkStateMachine::WriteBackPause}}));
    case Event::Back:
        return to(State::WaitingForDirectory,
                  {{LinkCommands::EndWork}, {LinkCommands::EnterTransfer, LinkStateMachine::BackPause}});
    // The port closes; the list still shows what it showed.
    case Event::LineError:
    case Event::HangUp:
    case Event::OpenFailed:
        return to(state);
    default:
        return std::nullopt;
    }
}

// A file read for the backup leaves the directory on the list whatever ends it.
std::optional<Step> backingUp(Event event)
{
    switch (event) {
    case Event::FileReceived:
    case Event::LineError:
    case Event::HangUp:
    case Event::OpenFailed:
        return to(State::DirectoryShown);
    default:
        return std::nullopt;
    }
}

// Waiting for what the device sends On Line.
std::optional<Step> waiting(State state, Event event)
{
    const bool directory = state == State::WaitingForDirectory;
    switch (event) {
    case Event::DirectoryReady:
        return directory ? std::optional(to(state, {{LinkCommands::Directory}})) : std::nullopt;
    case Event::FileReceived:
        return to(directory ? State::DirectoryShown : State::DeviceFileOpen);
    // The list was emptied for the directory; the file asked for has not replaced the directory.
    case Event::LineError:
    case Event::HangUp:
        return to(State::DirectoryShown);
    // A tick or Back that cannot open the port leaves On Line mode with the list empty.
    case Event::OpenFailed:
        return to(directory ? State::OffLineIdle : State::DirectoryShown);
    default:
        return std::nullopt;
    }
}

// While a device file is written back, the device's copy may already be
// gone: an end of any kind returns to the file on the list, which Save can
// write back again; leaving On Line mode and closing the window wait.
std::optional<Step> duringWriteBack(State state, Event event)
{
    switch (event) {
    case Event::DeviceReadyForFile:
        return state == State::WriteBackWaiting ? std::optional(to(State::WriteBackUploading)) : std::nullopt;
    case Event::UploadEnded:
        return state == State::WriteBackUploading ? std::optional(to(State::DeviceFileOpen)) : std::nullopt;
    case Event::Cancel:
    case Event::LineError:
    case Event::HangUp:
    case Event::OpenFailed:
        return to(State::DeviceFileOpen);
    default:
        return std::nullopt;
    }
}

// Events every On Line state outside a write-back takes alike.
std::optional<Step> leavingOnLine(Event event)
{
    switch (event) {
    case Event::UntickOnLine:
    case Event::Cancel:
        return to(State::OffLineIdle, LeaveOnLine);
    case Event::WindowClosing:
        return to(State::OffLineIdle, EndOnLine);
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<LinkStateMachine::Step> LinkStateMachine::step(State state, Event event, QByteArrayView fileNumber)
{
    switch (state) {
    case State::OffLineIdle:
    case State::Sending:
    case State::ReceivingOffLine:
        return offLine(state, event);
    case State::WriteBackWaiting:
    case State::WriteBackUploading:
        return duringWriteBack(state, event);
    case State::DirectoryShown:
    case State::DeviceFileOpen:
        if (std::optional<Step> leaving = leavingOnLine(event))
            return leaving;
        return browsing(state, event, fileNumber);
    case State::WaitingForDirectory:
    case State::ReadingDeviceFile:
        if (std::optional<Step> leaving = leavingOnLine(event))
            return leaving;
        return waiting(state, event);
    case State::BackingUp:
        if (std::optional<Step> leaving = leavingOnLine(event))
            return leaving;
        return backingUp(event);
    }
    return std::nullopt;
}

bool LinkStateMachine::ready(State state)
{
    return state == State::OffLineIdle || state == State::DirectoryShown || state == State::DeviceFileOpen;
}

bool LinkStateMachine::onLine(State state)
{
    return state != State::OffLineIdle && state != State::Sending && state != State::ReceivingOffLine;
}

bool LinkStateMachine::writingBack(State state)
{
    return state == State::WriteBackWaiting || state == State::WriteBackUploading;
}

bool LinkStateMachine::receivesFile(State state)
{
    return state == State::ReceivingOffLine || state == State::WaitingForDirectory ||
           state == State::ReadingDeviceFile || state == State::BackingUp;
}

bool LinkStateMachine::awaitsDevice(State state)
{
    return receivesFile(state) || state == State::WriteBackWaiting;
}

std::optional<LinkStateMachine::Step> LinkStateMachine::take(Event event, QByteArrayView fileNumber)
{
    std::optional<Step> next = step(m_state, event, fileNumber);
    if (next) {
        m_state = next->next;
        ++m_changes;
    }
    return next;
}
