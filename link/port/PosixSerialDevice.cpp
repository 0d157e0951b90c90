#include "link/port/PosixSerialDevice.h"

#include "link/port/EComPort.h"
#include "link/port/Termios2.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace
{

// Error counters are re-read this often while the driver keeps them.
constexpr int counterPollMs = 200;

// Pseudo-terminals and many USB drivers lack these ioctls: not a failure.
bool unsupported(int error)
{
    return error == ENOTTY || error == EINVAL;
}

bool countersDiffer(const serial_icounter_struct &a, const serial_icounter_struct &b)
{
    return a.frame != b.frame || a.parity != b.parity || a.overrun != b.overrun || a.brk != b.brk ||
           a.buf_overrun != b.buf_overrun;
}

} // namespace

PosixSerialDevice::PosixSerialDevice(const QString &path)
{
    try {
        openDevice(path);
        setUpEventWait();
    } catch (...) {
        releaseAll();
        throw;
    }
}

PosixSerialDevice::~PosixSerialDevice()
{
    releaseAll();
}

void PosixSerialDevice::openDevice(const QString &path)
{
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        throw EComPort(EComPort::OpenFailed, errno);
    termios t{};
    if (tcgetattr(m_fd, &t) != 0)
        throw EComPort(EComPort::OpenFailed, errno);
    if (flock(m_fd, LOCK_EX | LOCK_NB) != 0)
        throw EComPort(EComPort::OpenFailed, errno == EWOULDBLOCK ? EBUSY : errno);
    if (ioctl(m_fd, TIOCEXCL) != 0 && !unsupported(errno))
        throw EComPort(EComPort::OpenFailed, errno);
    m_exclusive = true;
    m_countersSupported = readCounters(m_reportedCounters);
    m_watchedCounters = m_reportedCounters;
}

void PosixSerialDevice::setUpEventWait()
{
    m_epoll = epoll_create1(EPOLL_CLOEXEC);
    m_stop = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_epoll < 0 || m_stop < 0)
        throw EComPort(EComPort::OpenFailed, errno);
    epoll_event device{};
    device.events = EPOLLIN | EPOLLET;
    device.data.fd = m_fd;
    epoll_event stop{};
    stop.events = EPOLLIN;
    stop.data.fd = m_stop;
    if (epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_fd, &device) != 0 || epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_stop, &stop) != 0)
        throw EComPort(EComPort::OpenFailed, errno);
}

void PosixSerialDevice::releaseAll()
{
    for (int fd : {m_stop, m_epoll}) {
        if (fd >= 0)
            ::close(fd);
    }
    // Without this the next open by an ordinary user would meet EBUSY while anyone still holds the tty.
    // Only the holder of the lock may lift it: a refused second opener must leave the first one's guard.
    if (m_exclusive)
        ioctl(m_fd, TIOCNXCL);
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = m_epoll = m_stop = -1;
    m_exclusive = false;
}

void PosixSerialDevice::setQueueSizes(int inputSize, int outputSize)
{
    // The kernel's queues have a fixed size; only nonsense is refused.
    if (inputSize <= 0 || outputSize <= 0)
        throw EComPort(EComPort::SetupFailed, EINVAL);
}

void PosixSerialDevice::setLineSettings(const SerialLineSettings &line)
{
    if (line.baudRate <= 0)
        throw EComPort(EComPort::SetStateFailed, EINVAL);
    const int achieved = Termios2::apply(m_fd, line);
    if (achieved < 0)
        throw EComPort(EComPort::SetStateFailed, errno);
    if (!rateAchieved(line.baudRate, achieved))
        throw EComPort(EComPort::SetStateFailed, EINVAL);
    setModemLines(line.flowControl);
    m_discardNull = line.discardNull;
}

bool PosixSerialDevice::rateAchieved(int requested, int achieved)
{
    return std::abs(qint64(achieved) - requested) * 100 <= qint64(requested) * 3;
}

// DTR and, unless the driver handles RTS for hardware flow control, RTS.
void PosixSerialDevice::setModemLines(const TComFlowControl &flow)
{
    auto setLine = [this](int bit, bool on) {
        if (ioctl(m_fd, on ? TIOCMBIS : TIOCMBIC, &bit) != 0 && !unsupported(errno))
            throw EComPort(EComPort::SetStateFailed, errno);
    };
    setLine(TIOCM_DTR, flow.ControlDTR != dtrDisable);
    if (!Termios2::driverControlsRts(flow))
        setLine(TIOCM_RTS, flow.ControlRTS != rtsDisable);
}

void PosixSerialDevice::setTimeouts(const TComTimeouts &timeouts)
{
    if (timeouts.ReadInterval < -1 || timeouts.ReadTotalConstant < 0 || timeouts.ReadTotalMultiplier < 0 ||
        timeouts.WriteTotalConstant < 0 || timeouts.WriteTotalMultiplier < 0)
        throw EComPort(EComPort::SetTimeoutsFailed, EINVAL);
    m_timeouts = timeouts;
}

void PosixSerialDevice::setEventMask(TComEvents events)
{
    m_eventMask = events.toInt();
}

std::optional<TComEvents> PosixSerialDevice::waitForEvent()
{
    for (;;) {
        if (m_waitBroken)
            return waitForStop();
        epoll_event ready[2];
        const int timeout = m_countersSupported && !m_hungUp ? counterPollMs : -1;
        const int count = waitOnce(ready, 2, timeout);
        ++m_wakeUps;
        if (count < 0 && errno == EINTR)
            continue;
        TComEvents events;
        if (count < 0) {
            // The line can no longer be watched: told once as an I/O error,
            // like a hang-up, so the operator learns of it and closes the port.
            m_waitBroken = true;
            events = evError;
        }
        bool stopped = false;
        events |= readyEvents(ready, count, stopped);
        if (stopped)
            return std::nullopt;
        events |= counterEvents();
        events &= TComEvents::fromInt(m_eventMask);
        if (events)
            return events;
    }
}

int PosixSerialDevice::waitOnce(epoll_event *ready, int maxEvents, int timeoutMs)
{
    return epoll_wait(m_epoll, ready, maxEvents, timeoutMs);
}

TComEvents PosixSerialDevice::readyEvents(const epoll_event *ready, int count, bool &stopped)
{
    TComEvents events;
    for (int i = 0; i < count; ++i) {
        if (ready[i].data.fd == m_stop)
            stopped = true;
        else
            events |= deviceEvents(ready[i].events);
    }
    return events;
}

// After a failed wait only the stop signal is waited for, without time limit:
// retrying the broken wait would spin.
std::optional<TComEvents> PosixSerialDevice::waitForStop()
{
    pollfd stop{m_stop, POLLIN, 0};
    while (poll(&stop, 1, -1) < 0 && errno == EINTR)
        ++m_wakeUps;
    ++m_wakeUps;
    return std::nullopt;
}

TComEvents PosixSerialDevice::deviceEvents(quint32 epollFlags)
{
    if (epollFlags & (EPOLLHUP | EPOLLERR)) {
        m_hungUp = true;
        epoll_ctl(m_epoll, EPOLL_CTL_DEL, m_fd, nullptr);
        return evError;
    }
    return (epollFlags & EPOLLIN) ? TComEvents(evRxChar) : TComEvents();
}

TComEvents PosixSerialDevice::counterEvents()
{
    if (!m_countersSupported || m_hungUp)
        return {};
    serial_icounter_struct now{};
    if (!readCounters(now))
        return m_hungUp ? TComEvents(evError) : TComEvents();
    TComEvents events;
    if (countersDiffer(now, m_watchedCounters))
        events |= evError;
    if (now.brk != m_watchedCounters.brk)
        events |= evBreak;
    m_watchedCounters = now;
    return events;
}

bool PosixSerialDevice::readCounters(serial_icounter_struct &counters)
{
    if (ioctl(m_fd, TIOCGICOUNT, &counters) == 0)
        return true;
    if (errno == EIO)
        m_hungUp = true;
    return false;
}

void PosixSerialDevice::cancelWait()
{
    const uint64_t one = 1;
    // The counter only grows, so a failed write can only mean it is already signalled.
    [[maybe_unused]] const ssize_t written = ::write(m_stop, &one, sizeof one);
}

qint64 PosixSerialDevice::read(char *data, qint64 maxSize)
{
    const Clock::time_point start = Clock::now();
    Clock::time_point lastByte = start;
    qint64 got = 0;
    while (got < maxSize) {
        const ssize_t n = ::read(m_fd, data + got, size_t(maxSize - got));
        if (n > 0) {
            got += n;
            lastByte = Clock::now();
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || errno == EIO) {
            m_hungUp = true;
            break;
        }
        if (errno != EAGAIN)
            throw EComPort(EComPort::ReadFailed, errno);
        if (!waitReady(POLLIN, readWaitMs(start, lastByte, got, maxSize), EComPort::ReadFailed))
            break;
    }
    if (m_discardNull)
        got = std::remove(data, data + got, '\0') - data;
    return got;
}

// How long a read that has found the queue empty may still wait: no time at
// all with the interval at -1 and no total, else the nearer of the total limit
// (constant + multiplier x count) and, once a byte has come, the interval
// limit; -1 (no limit) when neither is set.
int PosixSerialDevice::readWaitMs(Clock::time_point start, Clock::time_point lastByte, qint64 got, qint64 maxSize) const
{
    const bool hasTotal = m_timeouts.ReadTotalConstant > 0 || m_timeouts.ReadTotalMultiplier > 0;
    if (m_timeouts.ReadInterval < 0 && !hasTotal)
        return 0;
    int wait = -1;
    if (hasTotal) {
        const auto total =
            std::chrono::milliseconds(m_timeouts.ReadTotalConstant + qint64(m_timeouts.ReadTotalMultiplier) * maxSize);
        wait = remainingMs(start + total);
    }
    if (m_timeouts.ReadInterval > 0 && got > 0) {
        const int interval = remainingMs(lastByte + std::chrono::milliseconds(m_timeouts.ReadInterval));
        wait = wait < 0 ? interval : std::min(wait, interval);
    }
    return wait;
}

// True when the tty became ready within the time (-1: no limit).
bool PosixSerialDevice::waitReady(short events, int timeoutMs, int errorCode)
{
    if (timeoutMs == 0)
        return false;
    pollfd fd{m_fd, events, 0};
    int count = 0;
    do {
        count = poll(&fd, 1, timeoutMs);
    } while (count < 0 && errno == EINTR);
    if (count < 0)
        throw EComPort(errorCode, errno);
    if (fd.revents & (POLLERR | POLLHUP | POLLNVAL))
        throw EComPort(errorCode, EIO);
    return count > 0;
}

// A write is bounded by WriteTotalConstant + WriteTotalMultiplier x length
// (none when both are 0): bytes go out until the kernel's queue is full, then
// the rest as room appears, then the queue must empty onto the line, all
// before the deadline. At the deadline whatever the driver still holds is
// discarded and not counted: the number returned is what left for the device.
qint64 PosixSerialDevice::write(const char *data, qint64 size)
{
    const bool bounded = m_timeouts.WriteTotalConstant > 0 || m_timeouts.WriteTotalMultiplier > 0;
    const Clock::time_point deadline =
        bounded ? Clock::now() + std::chrono::milliseconds(m_timeouts.WriteTotalConstant +
                                                           qint64(m_timeouts.WriteTotalMultiplier) * size)
                : Clock::time_point::max();
    qint64 sent = writeNow(data, size);
    while (sent < size && waitReady(POLLOUT, remainingMs(deadline), EComPort::WriteFailed))
        sent += writeNow(data + sent, size - sent);
    if (sent == size && drained(deadline))
        return sent;
    return discardUnsent(sent);
}

qint64 PosixSerialDevice::writeNow(const char *data, qint64 size)
{
    qint64 sent = 0;
    while (sent < size) {
        const ssize_t n = ::write(m_fd, data + sent, size_t(size - sent));
        if (n > 0) {
            sent += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            break;
        throw EComPort(EComPort::WriteFailed, n == 0 ? EIO : errno);
    }
    return sent;
}

// The driver signals room only once its queue has run nearly empty (a serial
// tty below 256 bytes), so a queue with room is waited on by time: the bytes
// it holds keep the line busy meanwhile.
void PosixSerialDevice::waitForOutput(int timeoutMs)
{
    pollfd fd{m_fd, POLLOUT, 0};
    int count = 0;
    do {
        count = poll(&fd, 1, 0);
    } while (count < 0 && errno == EINTR);
    if (count < 0)
        throw EComPort(EComPort::WriteFailed, errno);
    if (count > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
        return;
    }
    // A hang-up shows itself at the next write.
    while (poll(&fd, 1, timeoutMs) < 0) {
        if (errno != EINTR)
            throw EComPort(EComPort::WriteFailed, errno);
    }
}

// Only what the driver reports as still queued is discarded. A driver that
// reports nothing has passed every byte on: a pseudo-terminal, say, has put
// them in the other side's input, where flushing would only destroy bytes the
// device can still read.
qint64 PosixSerialDevice::discardUnsent(qint64 sent)
{
    const qint64 queued = outputQueueLength();
    if (queued == 0)
        return sent;
    tcflush(m_fd, TCOFLUSH);
    return std::max<qint64>(sent - queued, 0);
}

// Whether the output queue emptied before the deadline; drivers that cannot tell count as emptied.
bool PosixSerialDevice::drained(Clock::time_point deadline)
{
    for (;;) {
        if (outputQueueLength() == 0)
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// Bytes written but not yet on the line; 0 for drivers that cannot tell.
qint64 PosixSerialDevice::outputQueueLength()
{
    int queued = 0;
    if (ioctl(m_fd, TIOCOUTQ, &queued) == 0)
        return queued;
    if (unsupported(errno))
        return 0;
    throw EComPort(EComPort::WriteFailed, errno);
}

int PosixSerialDevice::remainingMs(Clock::time_point deadline)
{
    if (deadline == Clock::time_point::max())
        return -1;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return int(std::clamp<qint64>(left, 0, INT_MAX));
}

SerialErrorState PosixSerialDevice::fetchErrorState()
{
    SerialErrorState state;
    serial_icounter_struct now{};
    if (m_countersSupported && !m_hungUp && readCounters(now)) {
        state.frame = now.frame != m_reportedCounters.frame;
        state.parity = now.parity != m_reportedCounters.parity;
        state.overrun = now.overrun != m_reportedCounters.overrun;
        state.breakSeen = now.brk != m_reportedCounters.brk;
        state.inputOverflow = now.buf_overrun != m_reportedCounters.buf_overrun;
        m_reportedCounters = now;
    } else if (m_countersSupported && !m_hungUp) {
        throw EComPort(EComPort::ClearErrorFailed, errno);
    }
    if ((m_hungUp || m_waitBroken) && !m_ioReported) {
        state.ioError = true;
        m_ioReported = true;
    }
    return state;
}

qint64 PosixSerialDevice::inputQueueLength()
{
    if (m_hungUp)
        return 0;
    int queued = 0;
    if (ioctl(m_fd, FIONREAD, &queued) == 0)
        return queued;
    if (errno != EIO)
        throw EComPort(EComPort::ClearErrorFailed, errno);
    m_hungUp = true;
    return 0;
}

// What was received is discarded, and output only as far as the driver
// reports it still queued: an upload cut short must not go on for seconds on
// the line (nor hold up the close that follows). A write waits for its bytes
// to leave, so a driver that reports nothing queued — a pseudo-terminal, whose
// queue empties only when the other side reads — has a command on its way to
// the device there, and it must reach it even when the port is closed right
// after it was sent.
void PosixSerialDevice::purge()
{
    if (m_hungUp)
        return;
    int queued = 0;
    const bool outputWaits = ioctl(m_fd, TIOCOUTQ, &queued) == 0 && queued > 0;
    if (tcflush(m_fd, outputWaits ? TCIOFLUSH : TCIFLUSH) == 0)
        return;
    if (errno != EIO)
        throw EComPort(EComPort::PurgeFailed, errno);
    m_hungUp = true;
}
