#pragma once

#include "devsim/LineFraming.h"

#include <QtGlobal>

// The pace of a serial line: how long characters take on the wire at a baud
// rate with a framing. Times are whole nanoseconds; a time given for a count
// of characters is rounded up, a count for a time down, so that the count in
// the time given for n characters is n again.
class WireRate
{
public:
    WireRate(qint64 baud, LineFraming framing);

    // The time n characters take, back to back.
    qint64 nanosecondsFor(qint64 characters) const;
    // How many characters have crossed entirely within the time.
    qint64 charactersIn(qint64 nanoseconds) const;
    double charactersPerSecond() const;

private:
    qint64 m_baud;
    qint64 m_halfBits;
};
