#include "link/port/TCustomComPort.h"

#include "link/port/EComPort.h"
#include "link/port/TComThread.h"

#include <QMetaMethod>
#include <QMetaObject>
#include <QtDebug>

#include <array>
#include <cerrno>

namespace
{

constexpr std::array<int, 16> baudNumbers{0,     110,   300,   600,   1200,  2400,   4800,   9600,
                                          14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000};

// A parity error is a line error only while parity is being checked.
TComErrors comErrors(const SerialErrorState &state, bool parityChecked)
{
    TComErrors errors;
    errors.setFlag(ceFrame, state.frame);
    errors.setFlag(ceRxParity, state.parity && parityChecked);
    errors.setFlag(ceOverrun, state.overrun);
    errors.setFlag(ceBreak, state.breakSeen);
    errors.setFlag(ceIO, state.ioError);
    errors.setFlag(ceMode, state.unsupportedMode);
    errors.setFlag(ceRxOver, state.inputOverflow);
    errors.setFlag(ceTxFull, state.outputFull);
    return errors;
}

} // namespace

TCustomComPort::TCustomComPort(QObject *parent, std::shared_ptr<SerialSystem> system)
    : QObject(parent), m_system(system ? std::move(system) : SerialSystem::platform())
{
}

TCustomComPort::~TCustomComPort()
{
    release();
}

void TCustomComPort::OpenPort()
{
    if (Connected())
        return;
    emit OnBeforeOpen(this);
    try {
        m_device = m_system->open(m_port);
    } catch (const EComPort &failure) {
        throw failure.forPort(m_port);
    }
    ++m_generation;
    try {
        applyAll();
        if (m_events)
            startEventThread();
    } catch (...) {
        release();
        throw;
    }
    emit OnAfterOpen(this);
}

void TCustomComPort::ClosePort()
{
    if (!Connected())
        return;
    emit OnBeforeClose(this);
    // A device that cannot discard its input must not keep the port open:
    // the window waits for the close to become usable again.
    std::exception_ptr purgeFailure;
    try {
        m_device->purge();
    } catch (...) {
        purgeFailure = std::current_exception();
    }
    release();
    emit OnAfterClose(this);
    if (purgeFailure)
        std::rethrow_exception(purgeFailure);
}

void TCustomComPort::ShowFailure(const std::exception &failure)
{
    if (isSignalConnected(QMetaMethod::fromSignal(&TCustomComPort::OnFailure)))
        emit OnFailure(this, m_failureWords ? m_failureWords(failure) : QString::fromUtf8(failure.what()));
    else
        qWarning("%s", failure.what());
}

void TCustomComPort::release()
{
    m_thread.reset();
    m_device.reset();
    ++m_generation;
}

SerialDevice &TCustomComPort::openedDevice(int errorCode) const
{
    if (!m_device)
        throw EComPort(errorCode, EBADF);
    return *m_device;
}

int TCustomComPort::SendText(const QByteArray &text)
{
    if (text.isEmpty())
        return 0;
    return int(openedDevice(EComPort::WriteFailed).write(text.constData(), text.size()));
}

qint64 TCustomComPort::OfferText(QByteArrayView text)
{
    SerialDevice &device = openedDevice(EComPort::WriteFailed);
    return text.isEmpty() ? 0 : device.writeNow(text.data(), text.size());
}

qint64 TCustomComPort::OutputQueueLength()
{
    return openedDevice(EComPort::WriteFailed).outputQueueLength();
}

void TCustomComPort::WaitForOutput(int ms)
{
    openedDevice(EComPort::WriteFailed).waitForOutput(ms);
}

int TCustomComPort::ReceiveText(QByteArray &text, int count)
{
    SerialDevice &device = openedDevice(EComPort::ReadFailed);
    text.resize(qMax(count, 0));
    text.resize(device.read(text.data(), text.size()));
    return int(text.size());
}

int TCustomComPort::PendingInputCount()
{
    return int(openedDevice(EComPort::ClearErrorFailed).inputQueueLength());
}

TComErrors TCustomComPort::ReadLineErrors()
{
    SerialDevice &device = openedDevice(EComPort::ClearErrorFailed);
    // An event thread that failed can no longer watch the line: an I/O error,
    // reported even when the device cannot tell its own error state either.
    const bool threadFailed = m_thread && m_thread->TakeFailure();
    TComErrors errors;
    try {
        errors = comErrors(device.fetchErrorState(), m_parity.Check);
    } catch (...) {
        if (!threadFailed)
            throw;
    }
    return threadFailed ? errors | ceIO : errors;
}

void TCustomComPort::BeginSettingsUpdate()
{
    ++m_updateCount;
}

void TCustomComPort::EndSettingsUpdate()
{
    if (m_updateCount == 0)
        return;
    --m_updateCount;
    applyAll();
}

// Buffer sizes first and timeouts last.
void TCustomComPort::applyAll()
{
    if (!canApply())
        return;
    m_device->setQueueSizes(m_buffer.InputSize, m_buffer.OutputSize);
    m_device->setLineSettings(lineSettings());
    m_device->setTimeouts(m_timeouts);
}

void TCustomComPort::applyLineSettings()
{
    if (canApply())
        m_device->setLineSettings(lineSettings());
}

SerialLineSettings TCustomComPort::lineSettings() const
{
    SerialLineSettings line;
    line.baudRate = m_baudRate == brCustom ? m_customBaudRate : baudNumbers.at(size_t(m_baudRate));
    line.dataBits = m_dataBits;
    line.stopBits = m_stopBits;
    line.parity = m_parity;
    line.parity.Replace = m_parity.Check && m_parity.Replace;
    line.flowControl = m_flowControl;
    line.discardNull = m_discardNull;
    line.xonLimit = m_buffer.InputSize / 4;
    line.xoffLimit = m_buffer.InputSize / 4;
    return line;
}

// The thread only posts: one queued call per event, errors first, each
// checking on arrival that the port session it came from is still open.
void TCustomComPort::startEventThread()
{
    const quint64 generation = m_generation;
    m_thread = std::make_unique<TComThread>(*m_device, m_events, [this, generation](TComEvents events) {
        for (const TComEvent event : {evError, evRxChar}) {
            if (events.testFlag(event))
                QMetaObject::invokeMethod(
                    this, [this, generation, event] { deliver(generation, event); }, Qt::QueuedConnection);
        }
    });
}

void TCustomComPort::deliver(quint64 generation, TComEvent event)
{
    if (generation != m_generation)
        return;
    try {
        if (event == evError) {
            if (const TComErrors errors = ReadLineErrors())
                emit OnError(this, errors);
        } else if (const int count = PendingInputCount(); count > 0) {
            emit OnRxChar(this, count);
        }
    } catch (const std::exception &failure) {
        ShowFailure(failure);
    }
}

void TCustomComPort::SetPort(const QString &port)
{
    if (port == m_port)
        return;
    if (!Connected()) {
        m_port = port;
        return;
    }
    // The close always ends closed, so the new port is opened even when the
    // old one failed to close cleanly; that failure is reported afterwards.
    std::exception_ptr closeFailure;
    try {
        ClosePort();
    } catch (...) {
        closeFailure = std::current_exception();
    }
    m_port = port;
    OpenPort();
    if (closeFailure)
        std::rethrow_exception(closeFailure);
}

void TCustomComPort::SetBaudRate(TBaudRate rate)
{
    m_baudRate = rate;
    applyLineSettings();
}

void TCustomComPort::SetCustomBaudRate(int rate)
{
    m_customBaudRate = rate;
    applyLineSettings();
}

void TCustomComPort::SetDataBits(TDataBits bits)
{
    m_dataBits = bits;
    applyLineSettings();
}

void TCustomComPort::SetStopBits(TStopBits bits)
{
    m_stopBits = bits;
    applyLineSettings();
}

void TCustomComPort::SetParity(const TComParity &parity)
{
    m_parity = parity;
    applyLineSettings();
}

void TCustomComPort::SetParityBits(TParityBits bits)
{
    m_parity.Bits = bits;
    applyLineSettings();
}

void TCustomComPort::SetFlowControl(const TComFlowControl &flowControl)
{
    m_flowControl = flowControl;
    applyLineSettings();
}

void TCustomComPort::SetFlowControlPreset(TFlowControl preset)
{
    m_flowControl.SetFlowControl(preset);
    applyLineSettings();
}

void TCustomComPort::SetDiscardNull(bool discard)
{
    m_discardNull = discard;
    applyLineSettings();
}

void TCustomComPort::SetBuffer(const TComBuffer &buffer)
{
    m_buffer = buffer;
    if (canApply()) {
        m_device->setQueueSizes(m_buffer.InputSize, m_buffer.OutputSize);
        m_device->setLineSettings(lineSettings()); // the Xon/Xoff limits follow the input size
    }
}

void TCustomComPort::SetTimeouts(const TComTimeouts &timeouts)
{
    m_timeouts = timeouts;
    if (canApply())
        m_device->setTimeouts(m_timeouts);
}

void TCustomComPort::requireClosed() const
{
    if (Connected())
        throw EComPort(EComPort::ConnectedPropertyChange);
}

void TCustomComPort::SetEvents(TComEvents events)
{
    requireClosed();
    m_events = events;
}

void TCustomComPort::SetSyncMethod(TSyncMethod method)
{
    requireClosed();
    m_syncMethod = method;
}
