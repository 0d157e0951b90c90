#include "devsim/WirePace.h"

void WirePace::begin(qint64 now, qint64 crossed)
{
    m_origin = now - m_rate.nanosecondsFor(crossed);
    m_taken = 0;
}

qint64 WirePace::crossed(qint64 now) const
{
    return qMax<qint64>(0, m_rate.charactersIn(now - m_origin) - m_taken);
}

qint64 WirePace::timeOf(qint64 characters) const
{
    return m_origin + m_rate.nanosecondsFor(m_taken + characters);
}
