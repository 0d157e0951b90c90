#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

// The state of the link between the program and the device, and every
// transition between its states in one place.
//
// The list, the flags DeviceFileOpen and directory shown, and which commands
// the window offers all follow from the state: a list being replaced by what
// the device sends, or a device file being written back, takes no command,
// key or dialog result, and an error in any state ends in a state that tells
// the truth about what the list shows.
class LinkStateMachine
{
public:
    enum class State {
        OffLineIdle,         // port closed (or open for nothing), the list is a local file
        Sending,             // a local file goes to the device
        ReceivingOffLine,    // waiting for a file from the device; the list is empty
        WaitingForDirectory, // On Line: the directory was asked for; the list is empty
        DirectoryShown,      // On Line: the list is the device's directory (maybe empty)
        ReadingDeviceFile,   // On Line: a device file was asked for; the list is still the directory
        DeviceFileOpen,      // On Line: the list is one device file
        WriteBackWaiting,    // the device deletes its copy and is asked to take the file
        WriteBackUploading,  // the device takes the file line by line
        BackingUp,           // On Line: a device file is read for the backup; the list is still the directory
    };
    enum class Event {
        Send,
        Receive,
        TickOnLine,
        UntickOnLine,
        OpenRow,
        BackUpRow, // a directory row's file read for the backup, not shown
        DeleteRow,
        WriteBack,
        Back,
        DirectoryReady,     // the device's "STRANS$!"
        FileReceived,       // a file's "SFE" line start arrived
        DeviceReadyForFile, // the device's "SDOWN$!"
        UploadEnded,        // the last byte of an upload was sent
        Cancel,
        LineError,
        HangUp,
        OpenFailed,
        WindowClosing,
    };
    // One command, sent after a pause of PauseWithEvents(pauseBefore) when above 0.
    struct Command {
        QByteArray text;
        int pauseBefore = 0;
        bool operator==(const Command &) const = default;
    };
    struct Step {
        State next;
        QList<Command> commands;
    };

    static constexpr int BackPause = 30;
    static constexpr int WriteBackPause = 250;

    // The transition of state on event; nothing when the state does not take
    // the event (it is ignored). fileNumber is the device file the event names
    // (OpenRow, DeleteRow, WriteBack).
    static std::optional<Step> step(State state, Event event, QByteArrayView fileNumber = {});
    // No exchange uses the port: the window's commands, the list's keys, its
    // popup and the edit dialog may work on the list.
    static bool ready(State state);
    // "On Line" is ticked in this state.
    static bool onLine(State state);
    static bool writingBack(State state);
    // A file from the device is being received: what arrived is file text of it.
    static bool receivesFile(State state);
    // The program waits for the device to send something (a file or "SDOWN$!"):
    // a device that stays silent is worth telling the operator about.
    static bool awaitsDevice(State state);

    State state() const { return m_state; }
    // Takes the event: the step when the state takes it, which is then the new state.
    std::optional<Step> take(Event event, QByteArrayView fileNumber = {});
    // Counts the changes of state, so that a dialog can tell whether the list
    // it was opened on is still the one shown.
    quint64 changes() const { return m_changes; }

    bool ready() const { return ready(m_state); }
    bool deviceFileOpen() const { return m_state == State::DeviceFileOpen; }
    bool directoryShown() const { return m_state == State::DirectoryShown; }
    bool writingBack() const { return writingBack(m_state); }

private:
    State m_state = State::OffLineIdle;
    quint64 m_changes = 0;
};
