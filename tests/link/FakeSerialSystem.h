#pragma once

#include "link/port/SerialSystem.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

// A serial line whose events, error state and queue the test sets, standing
// in for drivers a pseudo-terminal cannot imitate (error counters).
struct FakeLine {
    SerialErrorState errors;
    qint64 queued = 0;
    bool failLineSettings = false;
    bool failPurge = false;
    // The most bytes one write hands on, as a device that stops taking them; -1: all.
    qint64 writeLimit = -1;
    QByteArray written;
    // Bytes the output queue reports still holding; the test moves them on.
    qint64 outputQueued = 0;
    int outputWaits = 0;
    // The next wait for line events throws, as a broken binding might.
    bool failWait = false;
    std::atomic<int> waits{0};
    SerialLineSettings lastLine;
    QString openedName;

    // One wake-up of the event thread with these events.
    void wakeUp(TComEvents events);
    // Returns once the event thread has handed over every wake-up and waits again.
    void waitUntilHandedOver();

    std::optional<TComEvents> next();
    void cancel();
    void reset();

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<TComEvents> m_wakeUps;
    bool m_cancelled = false;
    bool m_waiting = false;
};

class FakeSerialSystem : public SerialSystem
{
public:
    FakeLine line;
    QStringList ports;
    // The system's error number of a port list that cannot be read, 0 while it can.
    int listError = 0;

    std::unique_ptr<SerialDevice> open(const QString &portName) override;
    QStringList portNames() override;
};
