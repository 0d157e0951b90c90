#pragma once

#include "link/ComTypes.h"

#include <functional>
#include <thread>

class SerialDevice;

// The event thread of an open port: it waits without time limit for the
// selected line events and passes each wake-up's events to the hand-over
// function, which must not wait for the user-interface thread. It never reads
// or writes data. Destroying it stops the wait and joins the thread, which
// also works from inside a handler, because the thread never waits for one.
class TComThread
{
public:
    using HandOver = std::function<void(TComEvents)>;

    TComThread(SerialDevice &device, TComEvents events, HandOver handOver);
    ~TComThread();

    TComThread(const TComThread &) = delete;
    TComThread &operator=(const TComThread &) = delete;

private:
    void run();

    SerialDevice &m_device;
    HandOver m_handOver;
    std::thread m_thread;
};
