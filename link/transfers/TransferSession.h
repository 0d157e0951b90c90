#pragma once

#include "i18n/CommandOutcome.h"
#include "link/port/ComTypes.h"
#include "link/transfers/LinkReceiver.h"
#include "link/transfers/LinkStateMachine.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class Document;
class TComPort;
class TransferView;
class UploadWriter;
struct KeptTexts;

// The transfers between the program and the device over the port: send and
// receive off-line, the On Line mode (directory, open, delete, back, write a
// device file back), cancel, and the port's notifications while they run.
//
// It holds the link state (LinkStateMachine: which exchange runs and what the
// list shows; the receive buffer; the cancel flag), the timer Timer1 that closes the port one tick after a file was
// received off-line or a line error occurred, and the loops that handle pending events while they run (the upload and
// PauseWithEvents). It works on the document and tells the window what to show through its TransferView,
// the status line how each transfer ended (see CommandOutcome).
//
// Re-entrancy: the receiver, Cancel, a line error and a close of the window
// can all arrive inside those loops. A loop stops as soon as the port was
// closed or a line error occurred under it, so it never goes on with a port
// closed under it; a close of the window asked for meanwhile waits until the
// outermost loop has ended (closeRequested then follows).
//
// A command the device does not take completely within the write time limit,
// or a segment of an upload that has not left the port within it (see
// UploadWriter), stops the exchange: the port is closed and EComPort 2 with
// the system's timed-out error is thrown.
class TransferSession : public QObject
{
    Q_OBJECT

public:
    // How long the program waits for the device: the silence after which the
    // panel tells the operator what to check, and the time the device may take
    // to ask for a file written back before the write-back is given up.
    struct Limits {
        int silenceMs = 5000;
        int writeBackAnswerMs = 10000;
    };

    TransferSession(TComPort &port, Document &document, TransferView &view, const KeptTexts &texts,
                    QString transferFile, QObject *parent = nullptr);

    void setLimits(Limits limits);

    // Uploads the document's file (the open-dialog file name) line by line.
    void Send();
    // Asks for a file name and waits for the device to send a file into it.
    void Receive();
    // Enters or leaves On Line mode as "On Line" now stands.
    void OnLineSwitched();
    // The On Line branch of the edit command: asks the device for the selected
    // directory row's file. False when not On Line or a device file is open
    // (the command then edits the entry).
    bool OpenDirectoryRow();
    // The On Line branch of the delete command. False when not On Line; while
    // a device file is open it deletes nothing.
    bool DeleteDirectoryRow();
    // The On Line branch of Save: writes the device file back. False when not On Line.
    bool SaveToDevice();
    void Back();
    void Cancel();

    // Reads a directory row's file for a backup (see DeviceBackup): the file is
    // neither stored nor shown, takeBackupFile() gives it once it has come.
    // cutNote ends the message a line error or hang-up gives meanwhile, in
    // place of a kept part: a backup keeps no part of a file.
    void ReadForBackup(QByteArrayView fileNumber, const QString &cutNote);
    // The file read for the backup, once; nothing when none has come since.
    std::optional<QByteArray> takeBackupFile() { return std::exchange(m_backupFile, std::nullopt); }
    // Handles events while the link is in this state (a loop like the
    // upload's: a close of the window waits for its end).
    void WaitWhileIn(LinkStateMachine::State state);

    // Notifications of the port.
    void BeforeOpen();
    void AfterClose();
    void RxChar(int count);
    void LineError(TComErrors errors);
    // A failure the port could only report (a port opened from a settings box, say).
    void PortFailed(const QString &message);
    void TimerTick();

    // Leaving the program: the device is told to end On Line mode, the port closed.
    void WindowClosing();
    // Whether the window may close now; false while a loop or a write-back
    // runs, and closeRequested follows its end.
    bool ReadyToClose();

    // Whether the list's commands, keys and popup may work on the list: no
    // exchange runs that replaces it or writes it back.
    bool ListCommandsAllowed() const;
    // Runs a dialog opened on the list; its answer counts only when the link's
    // state has not changed meanwhile (a list that arrived in the meantime is
    // not the one the operator answered for).
    bool RunWhileListStays(const std::function<bool()> &dialog);

    // Handles pending events passes + 1 times with a 1 ms sleep after each;
    // false when it stopped early because the port closed or a line error came.
    bool PauseWithEvents(int passes);

    const ReceiveBuffer &receiveBuffer() const { return m_receiver.buffer(); }
    bool cancelFlag() const { return m_cancelled; }
    bool directoryShown() const { return m_link.directoryShown(); }
    bool deviceFileOpen() const { return m_link.deviceFileOpen(); }
    const LinkStateMachine &link() const { return m_link; }
    const QString &transferFile() const { return m_transferFile; }
    QTimer &timer() { return *Timer1; }
    // Counts closes of the port and line errors.
    quint64 interruptions() const { return m_interruptions; }

signals:
    void closeRequested();
    // The link's state took an event.
    void linkChanged();
    // Bytes of the file read for a backup have arrived: the size so far.
    void backupTextArrived(qint64 size);

private:
    class LoopScope;
    using State = LinkStateMachine::State;
    using Event = LinkStateMachine::Event;

    std::optional<LinkStateMachine::Step> enter(Event event, QByteArrayView fileNumber = {});
    void sendCommands(const QList<LinkStateMachine::Command> &commands);
    void writeBackEnded(Event event);
    // Runs the step once the events under way are handled; a failure of it is shown.
    void runLater(const std::function<void()> &step);
    void openPort();
    void restoreAfterFailedOpen();
    void send(QByteArrayView text);
    void closeAfterFailure();
    bool upload(const QByteArray &text);
    bool moveUploadOn(UploadWriter &writer);
    bool stillRunning(quint64 interruptions) const;
    bool selectedNumber(int &row, QByteArray &number) const;
    void take(const LinkReceiver::Item &item);
    bool endLineEnded() const;
    void storeFile();
    void showOnLineFile();
    void finishOfflineReceive(qint64 bytes);
    void loadDeviceFile(const QString &fileName);
    void showReceiveProgress();
    void watchForAnswer();
    void tellSilence();
    std::optional<QString> keepReceivedPart(State cut);

    TComPort &m_port;
    Document &m_document;
    TransferView &m_view;
    const KeptTexts &m_texts;
    CommandOutcome m_outcome{m_texts};
    QString m_transferFile;
    QTimer *Timer1 = nullptr;

    LinkStateMachine m_link;
    LinkReceiver m_receiver;
    bool m_cancelled = false;
    // Unticking "On Line" during a write-back: carried out at its end.
    bool m_leavePending = false;
    bool m_backPending = false;
    // The write-back under way: its device file, the file kept for it, its lines.
    struct WriteBack {
        QByteArray fileNumber;
        QString keptFile;
        int lines = 0;
    } m_writeBack;
    // The device must ask for the file written back within this time.
    QTimer m_answerLimit;
    // The file read for a backup, and what a line cut during its reading adds to the message.
    std::optional<QByteArray> m_backupFile;
    QString m_backupCutNote;
    // Runs while the program waits for the device; restarted by every byte received.
    QTimer m_silence;

    // Counts closes of the port and line errors: a loop stops when it changed.
    quint64 m_interruptions = 0;
    int m_loopDepth = 0;
    bool m_closePending = false;
};
