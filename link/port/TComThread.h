#pragma once

#include "link/port/ComTypes.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class SerialDevice;

// The event thread of an open port: it waits without time limit for the
// selected line events and passes each wake-up's events to the hand-over
// function, which must not wait for the user-interface thread. It never reads
// or writes data. Destroying it stops the wait and joins the thread, which
// also works from inside a handler, because the thread never waits for one.
//
// Nothing may escape the thread (that would end the program): a failure of
// the wait is caught, handed over once as a line error that TakeFailure then
// reports, and the thread does nothing more until it is stopped.
class TComThread
{
public:
    using HandOver = std::function<void(TComEvents)>;

    TComThread(SerialDevice &device, TComEvents events, HandOver handOver);
    ~TComThread();

    TComThread(const TComThread &) = delete;
    TComThread &operator=(const TComThread &) = delete;

    // Whether the thread has failed since the last call; true only once per failure.
    bool TakeFailure() { return m_failed.exchange(false); }

private:
    void run();
    void waitForEvents();
    void waitUntilStopped();

    SerialDevice &m_device;
    HandOver m_handOver;
    std::atomic<bool> m_failed{false};
    std::mutex m_mutex;
    std::condition_variable m_stopChanged;
    bool m_stopping = false;
    std::thread m_thread;
};
