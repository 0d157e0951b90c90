#include "devsim/ReadPace.h"

#include <limits>

ReadPace::ReadPace(std::optional<WireRate> rate)
{
    if (rate)
        m_pace.emplace(*rate);
}

qint64 ReadPace::allowance(qint64 now)
{
    if (!m_pace)
        return std::numeric_limits<qint64>::max();
    if (!m_running) {
        m_pace->begin(qMax(now, m_pace->timeOf(1)), 1);
        m_running = true;
    }
    return m_pace->crossed(now);
}

void ReadPace::read(qint64 count, bool drained)
{
    if (!m_pace)
        return;
    m_pace->take(count);
    m_running = !drained;
}

qint64 ReadPace::nextAt() const
{
    return m_pace ? m_pace->timeOf(1) : 0;
}
