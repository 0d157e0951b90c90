#include "link/transfers/TransferSession.h"

#include "document/CheckedPlainFile.h"
#include "document/DeviceFileWriter.h"
#include "document/Document.h"
#include "document/DocumentCommands.h"
#include "document/FileAccess.h"
#include "i18n/CodePage.h"
#include "i18n/KeptTexts.h"
#include "link/port/EComPort.h"
#include "link/port/TComPort.h"
#include "link/transfers/LinkCommands.h"
#include "link/transfers/TransferView.h"
#include "link/transfers/UploadText.h"
#include "link/transfers/UploadWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStringList>
#include <QThread>

#include <cerrno>

namespace
{

// The longest an upload waits for the port's output queue before the window handles its events again.
constexpr int UploadWaitMs = 5;

QByteArray percentText(int percent)
{
    return QByteArray::number(percent) + " %";
}

} // namespace

// Marks a loop that handles pending events; when the outermost one ends, a
// close of the window asked for meanwhile goes ahead.
class TransferSession::LoopScope
{
public:
    explicit LoopScope(TransferSession &session) : m_session(session) { ++m_session.m_loopDepth; }
    ~LoopScope()
    {
        if (--m_session.m_loopDepth == 0 && std::exchange(m_session.m_closePending, false))
            QMetaObject::invokeMethod(&m_session, &TransferSession::closeRequested, Qt::QueuedConnection);
    }
    LoopScope(const LoopScope &) = delete;
    LoopScope &operator=(const LoopScope &) = delete;

private:
    TransferSession &m_session;
};

TransferSession::TransferSession(TComPort &port, Document &document, TransferView &view, const KeptTexts &texts,
                                 QString transferFile, QObject *parent)
    : QObject(parent), m_port(port), m_document(document), m_view(view), m_texts(texts),
      m_transferFile(std::move(transferFile)), Timer1(new QTimer(this))
{
    setObjectName("TransferSession");
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(10);
    m_silence.setSingleShot(true);
    m_silence.callOnTimeout(this, &TransferSession::tellSilence);
    m_answerLimit.setSingleShot(true);
    setLimits({});
    m_answerLimit.callOnTimeout(this, [this] {
        if (m_link.state() != State::WriteBackWaiting)
            return;
        enter(Event::Cancel);
        closeAfterFailure();
    });
}

void TransferSession::setLimits(Limits limits)
{
    m_silence.setInterval(limits.silenceMs);
    m_answerLimit.setInterval(limits.writeBackAnswerMs);
}

// ---- port opening, sending, closing ------------------------------------------

// A port that cannot be opened has already had its before-open: the window is
// given back enabled, with the panel hidden and the double-click attached.
void TransferSession::openPort()
{
    try {
        m_port.OpenPort();
    } catch (...) {
        enter(Event::OpenFailed);
        restoreAfterFailedOpen();
        throw;
    }
}

// Every change of state goes through here: the "On Line" box follows the
// state, and the window is made busy as soon as an exchange begins (the port
// may be open already, so no before-open does it).
std::optional<LinkStateMachine::Step> TransferSession::enter(Event event, QByteArrayView fileNumber)
{
    const State from = m_link.state();
    std::optional<LinkStateMachine::Step> step = m_link.take(event, fileNumber);
    m_view.setOnLineTicked(LinkStateMachine::onLine(m_link.state()));
    if (step && LinkStateMachine::ready(from) && !m_link.ready())
        m_view.updateControls(false);
    if (step && LinkStateMachine::writingBack(from) && !m_link.writingBack())
        writeBackEnded(event);
    if (step) {
        watchForAnswer();
        emit linkChanged();
    }
    return step;
}

// Sends the step's commands, the port opened first; a pause cut short by a
// close or a line error ends them.
void TransferSession::sendCommands(const QList<LinkStateMachine::Command> &commands)
{
    if (commands.isEmpty())
        return;
    openPort();
    for (const LinkStateMachine::Command &command : commands) {
        if (command.pauseBefore > 0 && !PauseWithEvents(command.pauseBefore))
            return;
        send(command.text);
    }
}

void TransferSession::restoreAfterFailedOpen()
{
    m_view.showProgressPanel(false);
    m_view.setDoubleClickAttached(true);
    m_view.updateControls(true);
}

void TransferSession::send(QByteArrayView text)
{
    try {
        if (m_port.SendText(text.toByteArray()) == text.size())
            return;
    } catch (...) {
        closeAfterFailure();
        throw;
    }
    closeAfterFailure();
    throw EComPort(EComPort::WriteFailed, ETIMEDOUT);
}

// The failure that stopped the exchange is the one the operator is shown.
void TransferSession::closeAfterFailure()
{
    try {
        m_port.ClosePort();
    } catch (const std::exception &) {
        // The port is closed all the same.
    }
}

bool TransferSession::stillRunning(quint64 interruptions) const
{
    return interruptions == m_interruptions && m_port.Connected();
}

bool TransferSession::PauseWithEvents(int passes)
{
    const LoopScope loop(*this);
    const quint64 interruptions = m_interruptions;
    for (int pass = 0; pass <= passes; ++pass) {
        QCoreApplication::processEvents();
        if (!stillRunning(interruptions))
            return false;
        QThread::msleep(1);
    }
    return true;
}

// ---- commands -------------------------------------------------------------------

void TransferSession::Send()
{
    const QString fileName = m_document.openDialogFileName();
    const QByteArray bytes = ReadWholeFile(fileName);
    if (enter(Event::Send) && upload(bytes))
        m_view.showStatus(m_outcome.sent(fileName, UploadText::lineCount(bytes)));
}

// Segments go to the port as far as its output queue takes them, so the line
// never waits for the program, and between short waits for the queue the
// window handles its events, whatever the rate and the size of the queue. The
// bar and the log follow what has left the port, and the port is closed once
// all of it has. A cancel closes the port under the loop (discarding what its
// queue still holds), and the loop stops at once. True when all of it has left.
bool TransferSession::upload(const QByteArray &bytes)
{
    UploadWriter writer(bytes, m_port.Timeouts(), UploadWriter::Clock::now());
    openPort();
    m_view.setProgress(0, writer.size());
    bool ended = false;
    {
        const LoopScope loop(*this);
        const quint64 interruptions = m_interruptions;
        try {
            bool finished = false;
            while (!finished && stillRunning(interruptions)) {
                finished = moveUploadOn(writer);
                QCoreApplication::processEvents();
                if (!finished && stillRunning(interruptions))
                    m_port.WaitForOutput(UploadWaitMs);
            }
        } catch (...) {
            closeAfterFailure();
            throw;
        }
        ended = stillRunning(interruptions);
        if (ended)
            enter(Event::UploadEnded);
    }
    m_port.ClosePort();
    return ended;
}

// Hands the port what it takes and shows what has left it (the bar first, so
// the log shows its last lines at once); true once all has.
bool TransferSession::moveUploadOn(UploadWriter &writer)
{
    writer.handOver(m_port);
    const qint64 before = writer.left();
    const QList<QByteArrayView> gone = writer.account(m_port.OutputQueueLength(), UploadWriter::Clock::now());
    if (writer.left() != before) {
        m_view.setProgress(writer.left(), writer.size());
        m_view.setPercentText(percentText(writer.percent()));
    }
    for (const QByteArrayView segment : gone)
        m_view.addLogLine(UploadText::logLine(segment));
    return writer.finished();
}

void TransferSession::Receive()
{
    const std::optional<QString> fileName = m_view.chooseReceiveFile(m_document.saveDialogFileName());
    if (!fileName || !enter(Event::Receive))
        return;
    m_document.adoptSaveFileName(*fileName);
    m_document.adoptFileName(*fileName); // the title names the file being received
    // Until the received file is opened the list is no file Send could upload.
    m_document.markNotAFile();
    m_document.clearList();
    m_receiver.clear();
    m_cancelled = false;
    openPort();
}

// A change of the tick that the state does not take (leaving On Line mode
// during a write-back) is undone; leaving then waits for the write-back's end.
void TransferSession::OnLineSwitched()
{
    const bool ticked = m_view.onLineTicked();
    const std::optional<LinkStateMachine::Step> step = enter(ticked ? Event::TickOnLine : Event::UntickOnLine);
    if (!step) {
        m_leavePending = !ticked && m_link.writingBack();
        return;
    }
    m_receiver.clear();
    m_document.clearList();
    m_cancelled = false;
    if (ticked) {
        // The flow-control box keeps showing its own choice.
        m_port.BeginSettingsUpdate();
        m_port.SetFlowControlPreset(fcHardware);
        m_port.EndSettingsUpdate();
    }
    sendCommands(step->commands);
    if (!ticked)
        m_port.ClosePort();
}

// The row's Number, or false when no row is selected or its Number is empty.
bool TransferSession::selectedNumber(int &row, QByteArray &number) const
{
    row = m_view.selectedRow();
    if (row < 0 || row >= m_document.entries().count())
        return false;
    number = m_document.entries().at(row).cell(Entry::Number);
    return !number.isEmpty();
}

// On Line, the edit command opens a directory row; in an open device file it edits the entry.
bool TransferSession::OpenDirectoryRow()
{
    if (!LinkStateMachine::onLine(m_link.state()) || m_link.deviceFileOpen())
        return false;
    m_document.markNotAFile();
    int row = -1;
    QByteArray number;
    if (!m_link.directoryShown() || !selectedNumber(row, number))
        return true;
    const std::optional<LinkStateMachine::Step> step =
        enter(Event::OpenRow, DeviceFileNumber(LinkCommands::FileNumberWidth, number));
    m_receiver.clear();
    m_view.setProgress(0, 100);
    m_view.showProgressPanel(true);
    sendCommands(step->commands);
    return true;
}

// Only directory rows are deleted on the device: in an open device file a
// record number would name another of the device's files. A file deleted on
// the device cannot be brought back, so the operator is asked first.
bool TransferSession::DeleteDirectoryRow()
{
    if (!LinkStateMachine::onLine(m_link.state()))
        return false;
    int row = -1;
    QByteArray number;
    if (!m_link.directoryShown() || !selectedNumber(row, number))
        return true;
    const QByteArray fileNumber = DeviceFileNumber(LinkCommands::FileNumberWidth, number);
    const QByteArray name = m_document.entries().at(row).cell(Entry::NameOffset).trimmed();
    if (!m_view.askYesNo(CodePage::toUnicode(m_texts.deleteOnDevice)
                             .arg(CodePage::toUnicode(fileNumber), CodePage::toUnicode(name))))
        return true;
    // The answer took a while: the list may have changed under the question.
    if (!m_link.directoryShown() || row >= m_document.entries().count() ||
        m_document.entries().at(row).cell(Entry::Number) != number)
        return true;
    sendCommands(enter(Event::DeleteRow, fileNumber)->commands);
    m_document.entries().remove(row);
    m_view.showStatus(m_outcome.deletedOnDevice(fileNumber, name));
    return true;
}

// The device deletes its copy and then asks for the file ("SDOWN$!"), which
// the receiver answers with the upload of the file written here. Before the
// device is told anything, the file is composed and read back in memory, and
// kept beside the transfer file under the device file's number: until the
// upload has ended it may be the only copy of the operator's edit.
bool TransferSession::SaveToDevice()
{
    if (!LinkStateMachine::onLine(m_link.state()))
        return false;
    if (!m_link.deviceFileOpen() || m_document.entries().isEmpty())
        return true;
    const QByteArray fileNumber =
        DeviceFileNumber(LinkCommands::FileNumberWidth, m_document.entries().at(0).cell(Entry::Number));
    const CheckedPlainFile file = ComposeCheckedDeviceVariantFile(
        m_document.entries().entries(), m_document.createdDate(), m_document.createdTime(), m_document.keptSapLine(),
        m_document.keptSrnLine(), QDateTime::currentDateTime());
    const QString kept =
        QFileInfo(m_transferFile).dir().filePath("writeback-" + QString::fromLatin1(fileNumber) + ".txt");
    WriteFileSafely(kept, file.bytes);
    m_document.adoptSaveFileName(kept);
    m_document.adoptOpenFileName(kept);
    m_writeBack = {fileNumber, kept, int(file.bytes.count("\r\n"))};
    const std::optional<LinkStateMachine::Step> step = enter(Event::WriteBack, fileNumber);
    m_receiver.clear();
    m_view.setLogText("\t" + m_texts.writeBackMessage);
    m_view.showProgressPanel(true);
    sendCommands(step->commands);
    if (m_link.state() == State::WriteBackWaiting)
        m_answerLimit.start();
    return true;
}

// The list is emptied at once: until the directory has come it shows nothing
// the operator could act on.
void TransferSession::Back()
{
    const std::optional<LinkStateMachine::Step> step = enter(Event::Back);
    if (!step) {
        // Back asked for during a write-back follows once the write-back has ended.
        m_backPending = m_link.writingBack();
        return;
    }
    m_receiver.clear();
    m_document.clearList();
    m_view.setProgress(0, 100);
    m_view.showProgressPanel(true);
    sendCommands(step->commands);
}

void TransferSession::ReadForBackup(QByteArrayView fileNumber, const QString &cutNote)
{
    const std::optional<LinkStateMachine::Step> step = enter(Event::BackUpRow, fileNumber);
    if (!step)
        return;
    m_receiver.clear();
    m_backupFile.reset();
    m_backupCutNote = cutNote;
    sendCommands(step->commands);
}

void TransferSession::WaitWhileIn(State state)
{
    if (m_link.state() != state)
        return;
    const LoopScope loop(*this);
    QEventLoop events;
    connect(this, &TransferSession::linkChanged, &events, [&] {
        if (m_link.state() != state)
            events.quit();
    });
    events.exec();
}

// On Line, cancel leaves On Line mode, except during a write-back, which it
// ends with the device file still on the list. The port is closed and the
// receive buffer cleared on every path, also when telling the device fails.
void TransferSession::Cancel()
{
    // Told first: a write-back it ends tells the operator more (see writeBackEnded).
    m_view.showStatus(m_outcome.cancelled());
    m_cancelled = true;
    const auto clear = qScopeGuard([this] {
        closeAfterFailure();
        m_receiver.clear();
    });
    const std::optional<LinkStateMachine::Step> step = enter(Event::Cancel);
    if (step && !step->commands.isEmpty()) {
        m_document.clearList();
        m_cancelled = false;
        sendCommands(step->commands);
    }
    m_port.ClosePort();
}

void TransferSession::WindowClosing()
{
    std::exception_ptr failure;
    try {
        if (const std::optional<LinkStateMachine::Step> step = enter(Event::WindowClosing))
            sendCommands(step->commands);
    } catch (...) {
        failure = std::current_exception();
    }
    m_port.ClosePort();
    if (failure)
        std::rethrow_exception(failure);
}

bool TransferSession::ListCommandsAllowed() const
{
    return m_link.ready();
}

bool TransferSession::RunWhileListStays(const std::function<bool()> &dialog)
{
    const quint64 changes = m_link.changes();
    return dialog() && changes == m_link.changes();
}

bool TransferSession::ReadyToClose()
{
    if (m_loopDepth == 0 && !m_link.writingBack())
        return true;
    m_closePending = true;
    return false;
}

// The operator learns how it ended: the status line tells it, and a failure
// also gives one message that names the kept file. Leaving On Line mode and
// closing the window, asked for meanwhile, go ahead now.
void TransferSession::writeBackEnded(Event event)
{
    m_answerLimit.stop();
    if (event == Event::UploadEnded) {
        m_document.markWrittenBack();
        m_view.showStatus(m_outcome.writtenBack(m_writeBack.fileNumber, m_writeBack.lines));
    } else {
        const QString message = CodePage::toUnicode(m_texts.writeBackFailed)
                                    .arg(QString::fromLatin1(m_writeBack.fileNumber), m_writeBack.keptFile);
        m_view.showStatus(m_outcome.stopped(message));
        QMetaObject::invokeMethod(
            this, [this, message] { m_view.showError(message); }, Qt::QueuedConnection);
    }
    // Back waits for a write-back that keeps the edits: after a failure the
    // edited file stays on the list.
    if (std::exchange(m_backPending, false) && event == Event::UploadEnded)
        runLater([this] { Back(); });
    if (std::exchange(m_leavePending, false)) {
        runLater([this] {
            m_view.setOnLineTicked(false);
            OnLineSwitched();
        });
    }
    if (m_loopDepth == 0 && std::exchange(m_closePending, false))
        QMetaObject::invokeMethod(this, &TransferSession::closeRequested, Qt::QueuedConnection);
}

void TransferSession::runLater(const std::function<void()> &step)
{
    QMetaObject::invokeMethod(
        this,
        [this, step] {
            try {
                step();
            } catch (const std::exception &failure) {
                m_view.showError(QString::fromUtf8(failure.what()));
            }
        },
        Qt::QueuedConnection);
}

// ---- port notifications ---------------------------------------------------------

void TransferSession::BeforeOpen()
{
    m_cancelled = false;
    m_view.setDoubleClickAttached(false);
    m_view.updateControls(false);
    m_view.setProgress(0, 100);
    m_view.setPercentText("  0 %");
    m_view.showProgressPanel(true);
}

// A close under an exchange (the port chosen anew in a settings box) ends it as a failed line does.
void TransferSession::AfterClose()
{
    ++m_interruptions;
    if (!m_link.ready())
        enter(Event::LineError);
    m_view.setDoubleClickAttached(true);
    m_view.updateControls(true);
    m_view.showProgressPanel(false);
}

void TransferSession::TimerTick()
{
    Timer1->stop();
    m_port.ClosePort();
}

void TransferSession::PortFailed(const QString &message)
{
    m_view.showStatus(m_outcome.stopped(message));
    m_view.showError(message);
    if (m_port.Connected())
        return;
    enter(Event::OpenFailed);
    restoreAfterFailedOpen();
}

// The port closes one tick later; the boxes wait for the operator meanwhile.
// A line that failed (a hang-up, an unplugged adapter) is told with the port
// layer's message for a failed read. A reception it cut keeps what arrived,
// and the last message names the file that holds it.
void TransferSession::LineError(TComErrors errors)
{
    ++m_interruptions;
    Timer1->start();
    const State cut = m_link.state();
    enter(errors.testFlag(ceIO) ? Event::HangUp : Event::LineError);
    QStringList messages;
    if (errors.testFlag(ceRxParity))
        messages << CodePage::toUnicode(m_texts.parityError);
    if (errors.testFlag(ceBreak))
        messages << CodePage::toUnicode(m_texts.breakError);
    if (errors.testFlag(ceFrame))
        messages << CodePage::toUnicode(m_texts.framingError);
    if (errors.testFlag(ceIO))
        messages << QString::fromUtf8(EComPort(EComPort::ReadFailed, EIO).what());
    if (const std::optional<QString> kept = keepReceivedPart(cut)) {
        if (messages.isEmpty())
            messages << *kept;
        else
            messages.last() += u'\n' + *kept;
    }
    if (!messages.isEmpty())
        m_view.showStatus(m_outcome.stopped(messages.join(u'\n')));
    const QString title = CodePage::toUnicode(m_texts.lineErrorTitle);
    for (const QString &message : messages)
        m_view.showLineError(title, message);
}

// What arrived of a file cut off goes beside the file it was meant for (the
// transfer file On Line): "<name>.part". A file that cannot be written is told
// instead.
std::optional<QString> TransferSession::keepReceivedPart(State cut)
{
    if (cut == State::BackingUp)
        return m_backupCutNote;
    const QByteArray arrived = m_receiver.buffer().text() + m_receiver.held().toByteArray();
    if (!LinkStateMachine::receivesFile(cut) || arrived.isEmpty())
        return std::nullopt;
    const QString part =
        (LinkStateMachine::onLine(cut) ? m_transferFile : m_document.saveDialogFileName()) + QStringLiteral(".part");
    try {
        WriteFileSafely(part, arrived);
    } catch (const std::exception &failure) {
        return QString::fromUtf8(failure.what());
    }
    return CodePage::toUnicode(m_texts.receptionKept).arg(part);
}

// While the program waits for the device, a silence as long as the limit is
// told on the panel; every byte received and every new wait start it again.
void TransferSession::watchForAnswer()
{
    if (LinkStateMachine::awaitsDevice(m_link.state()))
        m_silence.start();
    else
        m_silence.stop();
}

void TransferSession::tellSilence()
{
    if (!LinkStateMachine::awaitsDevice(m_link.state()))
        return;
    const QString seconds = QString::number(m_silence.interval() / 1000.0);
    m_view.showWaiting(CodePage::toUnicode(m_texts.deviceSilent).arg(seconds) + u' ' +
                       CodePage::toUnicode(m_texts.checkTheLine).arg(m_port.Port()) + u' ' +
                       CodePage::toUnicode(m_texts.cancelEndsWait));
}

// ---- the receiver -----------------------------------------------------------------

void TransferSession::RxChar(int count)
{
    QByteArray chunk;
    m_port.ReceiveText(chunk, count);
    if (!chunk.isEmpty())
        watchForAnswer();
    m_receiver.feed(chunk);
    while (const std::optional<LinkReceiver::Item> item = m_receiver.next())
        take(*item);
    showReceiveProgress();
}

void TransferSession::take(const LinkReceiver::Item &item)
{
    switch (item.kind) {
    case LinkReceiver::Kind::DirectoryReady:
        if (const std::optional<LinkStateMachine::Step> step = enter(Event::DirectoryReady))
            sendCommands(step->commands);
        return;
    case LinkReceiver::Kind::ReadyForFile:
        if (!enter(Event::DeviceReadyForFile))
            return;
        m_answerLimit.stop();
        m_document.openSaveFileName();
        upload(ReadWholeFile(m_document.openDialogFileName()));
        return;
    case LinkReceiver::Kind::FileText:
        if (const std::optional<QByteArray> line = m_receiver.buffer().logLine(item.text))
            m_view.addLogLine(*line);
        if (m_receiver.buffer().holdsFileEnd() && LinkStateMachine::step(m_link.state(), Event::FileReceived) &&
            endLineEnded())
            storeFile();
        return;
    }
}

// A backup keeps a file byte for byte, so it waits for the end line's line end too.
bool TransferSession::endLineEnded() const
{
    return m_link.state() != State::BackingUp || m_receiver.buffer().text().endsWith('\n');
}

// A file that cannot be written keeps the buffer, and the next chunk tries again.
void TransferSession::storeFile()
{
    if (m_link.state() == State::BackingUp) {
        m_backupFile = m_receiver.takeFile();
        enter(Event::FileReceived);
        return;
    }
    m_cancelled = false;
    const bool onLine = LinkStateMachine::onLine(m_link.state());
    if (onLine)
        m_document.adoptSaveFileName(m_transferFile);
    WriteFileSafely(m_document.saveDialogFileName(), m_receiver.buffer().text());
    const qint64 bytes = m_receiver.takeFile().size();
    enter(Event::FileReceived);
    if (onLine)
        showOnLineFile();
    else
        finishOfflineReceive(bytes);
}

// The window is given back also when the file does not load completely.
void TransferSession::showOnLineFile()
{
    const auto giveBack = qScopeGuard([this] {
        m_view.setDoubleClickAttached(true);
        m_view.updateControls(true);
        m_view.showProgressPanel(false);
    });
    if (m_link.deviceFileOpen())
        m_document.openSaveFileName();
    loadDeviceFile(m_document.saveDialogFileName());
}

// The received file becomes the document's file when it is opened, so the
// list, the title, Save and Send all name the same file.
void TransferSession::finishOfflineReceive(qint64 bytes)
{
    const auto closeLater = qScopeGuard([this] { Timer1->start(); });
    m_view.showStatus(m_outcome.received(m_document.saveDialogFileName(), bytes));
    if (!m_view.openReceivedTicked())
        return;
    m_document.openSaveFileName();
    // Opened, the received file is on screen as a loaded one is.
    m_document.markLoaded();
    loadDeviceFile(m_document.openDialogFileName());
}

void TransferSession::loadDeviceFile(const QString &fileName)
{
    DocumentCommands(m_document).LoadDeviceFile(fileName, m_view.onLineTicked());
}

void TransferSession::showReceiveProgress()
{
    if (m_link.state() == State::BackingUp) {
        emit backupTextArrived(m_receiver.buffer().text().size());
        return;
    }
    m_view.setProgress(m_receiver.buffer().progress(), 100);
    m_view.setPercentText(percentText(m_receiver.buffer().progress()));
}
