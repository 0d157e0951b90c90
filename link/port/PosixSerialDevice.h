#pragma once

#include "link/port/SerialDevice.h"

#include <QString>

#include <linux/serial.h>
#include <sys/epoll.h>

#include <atomic>
#include <chrono>

// An open tty on Linux.
//
// - Opened non-blocking and exclusively: TIOCEXCL keeps other users out and an
//   advisory flock keeps out other programs that lock, root included (root
//   passes TIOCEXCL).
// - Line events: an edge-triggered epoll set with the tty and an eventfd that
//   stops the wait. Level-triggered waiting would wake without end while
//   received bytes stay unread; edge-triggered wakes once per burst.
// - Line errors: the driver's TIOCGICOUNT counters against a snapshot taken at
//   open (they survive closing). Drivers without counters (pseudo-terminals,
//   some USB adapters) report none. While counters are supported the event
//   thread re-reads them every 200 ms, since errors can come without data.
// - A hang-up (USB adapter unplugged, pty master closed) is reported once as an
//   I/O error; the tty then leaves the epoll set so the thread sleeps until stopped.
//   A wait that fails outright is reported the same way, once, after which the
//   thread only waits to be stopped.
// - Output: writeNow takes what the kernel's queue accepts and returns at
//   once; TIOCOUTQ tells what it still holds for the line (a pseudo-terminal
//   always says 0: its bytes wait in the other side's input instead). A
//   serial tty signals room only once its queue has run nearly empty.
// - Line settings are read back: a rate the driver could not come within 3% of
//   is refused (EComPort 7), since a UART keeps the nearest rate it can make.
// - Limits of the platform: queue sizes are fixed by the kernel; 1.5 stop bits
//   become 2; RTS/CTS is one flag for both directions; there is no DSR flow, DSR
//   sensitivity, continue-on-Xoff or Xon/Xoff limits; DTR handshake raises DTR;
//   RTS toggle raises RTS; characters with a parity error are passed on
//   unchanged, never replaced.
class PosixSerialDevice : public SerialDevice
{
public:
    explicit PosixSerialDevice(const QString &path);
    ~PosixSerialDevice() override;

    PosixSerialDevice(const PosixSerialDevice &) = delete;
    PosixSerialDevice &operator=(const PosixSerialDevice &) = delete;

    // Whether a rate the driver reports is close enough to the one asked for:
    // within 3%, the mismatch two UARTs still talk through.
    static bool rateAchieved(int requested, int achieved);

    void setQueueSizes(int inputSize, int outputSize) override;
    void setLineSettings(const SerialLineSettings &line) override;
    void setTimeouts(const TComTimeouts &timeouts) override;
    void setEventMask(TComEvents events) override;
    std::optional<TComEvents> waitForEvent() override;
    void cancelWait() override;
    qint64 read(char *data, qint64 maxSize) override;
    qint64 write(const char *data, qint64 size) override;
    qint64 writeNow(const char *data, qint64 size) override;
    qint64 outputQueueLength() override;
    void waitForOutput(int timeoutMs) override;
    SerialErrorState fetchErrorState() override;
    qint64 inputQueueLength() override;
    void purge() override;

    // How often the event thread has woken, to show that it sleeps when idle.
    quint64 wakeUps() const { return m_wakeUps; }

protected:
    // One wait of the event thread, as epoll_wait.
    virtual int waitOnce(epoll_event *ready, int maxEvents, int timeoutMs);

private:
    using Clock = std::chrono::steady_clock;

    void openDevice(const QString &path);
    void setUpEventWait();
    void releaseAll();
    void setModemLines(const TComFlowControl &flow);
    TComEvents readyEvents(const epoll_event *ready, int count, bool &stopped);
    TComEvents deviceEvents(quint32 epollFlags);
    std::optional<TComEvents> waitForStop();
    TComEvents counterEvents();
    bool readCounters(serial_icounter_struct &counters);
    int readWaitMs(Clock::time_point start, Clock::time_point lastByte, qint64 got, qint64 maxSize) const;
    bool waitReady(short events, int timeoutMs, int errorCode);
    bool drained(Clock::time_point deadline);
    qint64 discardUnsent(qint64 sent);
    static int remainingMs(Clock::time_point deadline);

    int m_fd = -1;
    int m_epoll = -1;
    int m_stop = -1;
    bool m_exclusive = false;
    bool m_countersSupported = false;
    serial_icounter_struct m_reportedCounters{}; // user-interface thread
    serial_icounter_struct m_watchedCounters{};  // event thread
    bool m_ioReported = false;
    bool m_discardNull = false;
    TComTimeouts m_timeouts;
    std::atomic<int> m_eventMask{0};
    std::atomic<bool> m_hungUp{false};
    std::atomic<bool> m_waitBroken{false};
    std::atomic<quint64> m_wakeUps{0};
};
