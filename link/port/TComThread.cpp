#include "link/port/TComThread.h"

#include "link/port/SerialDevice.h"

TComThread::TComThread(SerialDevice &device, TComEvents events, HandOver handOver)
    : m_device(device), m_handOver(std::move(handOver))
{
    m_device.setEventMask(events);
    m_thread = std::thread(&TComThread::run, this);
}

TComThread::~TComThread()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_stopChanged.notify_all();
    m_device.cancelWait();
    m_thread.join();
}

void TComThread::run()
{
    try {
        waitForEvents();
        return;
    } catch (...) {
        m_failed = true;
    }
    try {
        m_handOver(evError);
    } catch (...) {
        // The hand-over only posts; if even that fails there is nobody left to tell.
    }
    waitUntilStopped();
}

void TComThread::waitForEvents()
{
    while (const std::optional<TComEvents> events = m_device.waitForEvent())
        m_handOver(*events);
}

void TComThread::waitUntilStopped()
{
    std::unique_lock lock(m_mutex);
    m_stopChanged.wait(lock, [this] { return m_stopping; });
}
