#pragma once

#include "link/port/SerialSystem.h"

#include <QByteArray>

#include <condition_variable>
#include <mutex>

// A serial line whose output queue empties onto the wire at a fixed rate, on
// a clock of its own that moves only while the program waits for the line:
// in a write (which waits until the queue has emptied, as a write within the
// time limits does) and in waitForOutput. A test thus sees how much of the
// line's time passed between two of the window's event passes without
// depending on the machine's speed.
//
// The queue takes at most `capacity` bytes; like a serial tty it signals room
// only once it holds fewer than `roomMark` bytes. Received bytes never come.
class DrainingLine
{
public:
    qint64 capacity = 4096;
    qint64 roomMark = 256;
    // Wire time of one character, nanoseconds (11 bits at 4800 baud by default).
    qint64 characterNs = 2291667;

    // The line's clock, nanoseconds since the port opened.
    qint64 now() const { return m_now; }
    // Every byte the program handed to the driver, in order.
    const QByteArray &written() const { return m_written; }
    // Bytes in the output queue now, not yet on the wire.
    qint64 queued() const;
    // Bytes that have reached the device.
    qint64 delivered() const { return m_written.size() - m_discarded - queued(); }
    // Bytes thrown away from the output queue by a purge.
    qint64 discarded() const { return m_discarded; }

    qint64 take(const char *data, qint64 size);
    // Waits (moves the clock) until the queue is empty.
    void drain() { advanceTo(m_busyUntil); }
    void waitForOutput(int timeoutMs);
    void purge();

    // The event thread's wait: until the port stops it.
    void waitUntilCancelled();
    void cancel();
    void reset();

private:
    void advanceTo(qint64 time) { m_now = qMax(m_now, time); }

    qint64 m_now = 0;
    // When the wire will have carried everything queued.
    qint64 m_busyUntil = 0;
    QByteArray m_written;
    qint64 m_discarded = 0;
    std::mutex m_mutex;
    std::condition_variable m_cancelled;
    bool m_cancel = false;
};

class DrainingSerialSystem : public SerialSystem
{
public:
    DrainingLine line;

    std::unique_ptr<SerialDevice> open(const QString &portName) override;
    QStringList portNames() override { return {}; }
};
