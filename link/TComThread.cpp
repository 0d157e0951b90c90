#include "link/TComThread.h"

#include "link/SerialDevice.h"

TComThread::TComThread(SerialDevice &device, TComEvents events, HandOver handOver)
    : m_device(device), m_handOver(std::move(handOver))
{
    m_device.setEventMask(events);
    m_thread = std::thread(&TComThread::run, this);
}

TComThread::~TComThread()
{
    m_device.cancelWait();
    m_thread.join();
}

void TComThread::run()
{
    while (const std::optional<TComEvents> events = m_device.waitForEvent())
        m_handOver(*events);
}
