#include "DrainingSerialSystem.h"

namespace
{

class DrainingDevice : public SerialDevice
{
public:
    explicit DrainingDevice(DrainingLine &line) : m_line(line) {}

    void setQueueSizes(int, int) override {}
    void setLineSettings(const SerialLineSettings &) override {}
    void setTimeouts(const TComTimeouts &) override {}
    void setEventMask(TComEvents) override {}
    std::optional<TComEvents> waitForEvent() override
    {
        m_line.waitUntilCancelled();
        return std::nullopt;
    }
    void cancelWait() override { m_line.cancel(); }
    qint64 read(char *, qint64) override { return 0; }
    qint64 write(const char *data, qint64 size) override
    {
        qint64 taken = 0;
        while (taken < size) {
            taken += m_line.take(data + taken, size - taken);
            m_line.drain();
        }
        return taken;
    }
    qint64 writeNow(const char *data, qint64 size) override { return m_line.take(data, size); }
    qint64 outputQueueLength() override { return m_line.queued(); }
    void waitForOutput(int timeoutMs) override { m_line.waitForOutput(timeoutMs); }
    SerialErrorState fetchErrorState() override { return {}; }
    qint64 inputQueueLength() override { return 0; }
    void purge() override { m_line.purge(); }

private:
    DrainingLine &m_line;
};

} // namespace

qint64 DrainingLine::queued() const
{
    return (qMax<qint64>(m_busyUntil - m_now, 0) + characterNs - 1) / characterNs;
}

qint64 DrainingLine::take(const char *data, qint64 size)
{
    const qint64 taken = qMin(size, capacity - queued());
    m_written.append(data, taken);
    m_busyUntil = qMax(m_busyUntil, m_now) + taken * characterNs;
    return taken;
}

// Room is waited for until the queue has run down to the mark, else the whole time passes.
void DrainingLine::waitForOutput(int timeoutMs)
{
    const qint64 timeout = m_now + timeoutMs * qint64(1000000);
    if (queued() < roomMark) {
        advanceTo(timeout);
        return;
    }
    const qint64 room = m_busyUntil - (roomMark - 1) * characterNs;
    advanceTo(qMin(room, timeout));
}

void DrainingLine::purge()
{
    m_discarded += queued();
    m_busyUntil = m_now;
}

void DrainingLine::waitUntilCancelled()
{
    std::unique_lock lock(m_mutex);
    m_cancelled.wait(lock, [this] { return m_cancel; });
}

void DrainingLine::cancel()
{
    std::lock_guard lock(m_mutex);
    m_cancel = true;
    m_cancelled.notify_all();
}

void DrainingLine::reset()
{
    std::lock_guard lock(m_mutex);
    m_cancel = false;
}

std::unique_ptr<SerialDevice> DrainingSerialSystem::open(const QString &)
{
    line.reset();
    return std::make_unique<DrainingDevice>(line);
}
