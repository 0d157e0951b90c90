#include "FakeSerialSystem.h"

#include "link/port/EComPort.h"

#include <cstring>

namespace
{

class FakeSerialDevice : public SerialDevice
{
public:
    explicit FakeSerialDevice(FakeLine &line) : m_line(line) {}

    void setQueueSizes(int, int) override {}
    void setLineSettings(const SerialLineSettings &line) override
    {
        if (m_line.failLineSettings)
            throw EComPort(EComPort::SetStateFailed, 22);
        m_line.lastLine = line;
    }
    void setTimeouts(const TComTimeouts &) override {}
    void setEventMask(TComEvents) override {}
    std::optional<TComEvents> waitForEvent() override { return m_line.next(); }
    void cancelWait() override { m_line.cancel(); }
    qint64 read(char *data, qint64 maxSize) override
    {
        const qint64 n = std::min(maxSize, m_line.queued);
        std::memset(data, 'x', size_t(n));
        m_line.queued -= n;
        return n;
    }
    qint64 write(const char *data, qint64 size) override { return writeNow(data, size); }
    qint64 writeNow(const char *data, qint64 size) override
    {
        const qint64 taken = m_line.writeLimit < 0 ? size : std::min(size, m_line.writeLimit);
        m_line.written.append(data, taken);
        return taken;
    }
    qint64 outputQueueLength() override { return m_line.outputQueued; }
    void waitForOutput(int) override { ++m_line.outputWaits; }
    SerialErrorState fetchErrorState() override { return std::exchange(m_line.errors, {}); }
    qint64 inputQueueLength() override { return m_line.queued; }
    void purge() override
    {
        if (m_line.failPurge)
            throw EComPort(EComPort::PurgeFailed, 5);
    }

private:
    FakeLine &m_line;
};

} // namespace

void FakeLine::wakeUp(TComEvents events)
{
    std::lock_guard lock(m_mutex);
    m_wakeUps.push_back(events);
    m_changed.notify_all();
}

void FakeLine::waitUntilHandedOver()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_wakeUps.empty() && m_waiting; });
}

std::optional<TComEvents> FakeLine::next()
{
    std::unique_lock lock(m_mutex);
    m_waiting = true;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return m_cancelled || !m_wakeUps.empty(); });
    m_waiting = false;
    ++waits;
    if (failWait && !m_cancelled)
        throw std::runtime_error("the line cannot be watched");
    if (m_cancelled)
        return std::nullopt;
    const TComEvents events = m_wakeUps.front();
    m_wakeUps.pop_front();
    return events;
}

void FakeLine::cancel()
{
    std::lock_guard lock(m_mutex);
    m_cancelled = true;
    m_changed.notify_all();
}

void FakeLine::reset()
{
    std::lock_guard lock(m_mutex);
    m_cancelled = false;
    m_wakeUps.clear();
}

std::unique_ptr<SerialDevice> FakeSerialSystem::open(const QString &portName)
{
    line.reset();
    line.openedName = portName;
    return std::make_unique<FakeSerialDevice>(line);
}

QStringList FakeSerialSystem::portNames()
{
    if (listError != 0)
        throw EComPort(EComPort::RegistryError, listError);
    return ports;
}
