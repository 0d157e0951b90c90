#pragma once

#include "link/SerialDevice.h"

#include <QString>

#include <linux/serial.h>

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
// - Limits of the platform: queue sizes are fixed by the kernel; 1.5 stop bits
//   become 2; RTS/CTS is one flag for both directions; there is no DSR flow, DSR
//   sensitivity, continue-on-Xoff or Xon/Xoff limits; DTR handshake raises DTR;
//   RTS toggle raises RTS; a character with a parity error is read as NUL.
class PosixSerialDevice : public SerialDevice
{
public:
    explicit PosixSerialDevice(const QString &path);
    ~PosixSerialDevice() override;

    PosixSerialDevice(const PosixSerialDevice &) = delete;
    PosixSerialDevice &operator=(const PosixSerialDevice &) = delete;

    void setQueueSizes(int inputSize, int outputSize) override;
    void setLineSettings(const SerialLineSettings &line) override;
    void setTimeouts(const TComTimeouts &timeouts) override;
    void setEventMask(TComEvents events) override;
    std::optional<TComEvents> waitForEvent() override;
    void cancelWait() override;
    qint64 read(char *data, qint64 maxSize) override;
    qint64 write(const char *data, qint64 size) override;
    SerialErrorState fetchErrorState() override;
    qint64 inputQueueLength() override;
    void purge() override;

    // How often the event thread has woken, to show that it sleeps when idle.
    quint64 wakeUps() const { return m_wakeUps; }

private:
    using Clock = std::chrono::steady_clock;

    void openDevice(const QString &path);
    void setUpEventWait();
    void releaseAll();
    void setModemLines(const TComFlowControl &flow);
    TComEvents deviceEvents(quint32 epollFlags);
    TComEvents counterEvents();
    bool readCounters(serial_icounter_struct &counters);
    int readWaitMs(Clock::time_point start, Clock::time_point lastByte, qint64 got, qint64 maxSize) const;
    bool waitReady(short events, int timeoutMs, int errorCode);
    bool drained(Clock::time_point deadline);
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
    std::atomic<quint64> m_wakeUps{0};
};
