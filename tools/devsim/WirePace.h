#pragma once

#include "devsim/WireRate.h"

// One direction of a line: characters crossing back to back at the wire's
// rate from the moment a run of them began. Times are nanoseconds of any clock
// that only moves forward.
class WirePace
{
public:
    explicit WirePace(WireRate rate) : m_rate(rate) {}

    // A run begins: at now, `crossed` characters have already crossed.
    void begin(qint64 now, qint64 crossed);
    // The characters of the run that have crossed by now and not been taken.
    qint64 crossed(qint64 now) const;
    void take(qint64 characters) { m_taken += characters; }
    // When `characters` more than those taken will have crossed.
    qint64 timeOf(qint64 characters) const;

private:
    WireRate m_rate;
    qint64 m_origin = 0;
    qint64 m_taken = 0;
};
