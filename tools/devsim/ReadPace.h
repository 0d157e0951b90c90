#pragma once

#include "devsim/WirePace.h"

#include <optional>

// How much of what the program wrote the device may read: on a paced line no
// more than the wire has carried since the program's bytes began to come, on
// any other line all of it.
//
// A run of the program's bytes begins when the device finds some after having
// read everything: the first of them counts as having crossed then, yet never
// sooner than one character time after the last byte of the run before.
class ReadPace
{
public:
    explicit ReadPace(std::optional<WireRate> rate);

    bool paced() const { return m_pace.has_value(); }
    // How many bytes may be read at now.
    qint64 allowance(qint64 now);
    // count bytes were read; drained when the program had written no more.
    void read(qint64 count, bool drained);
    // When the next byte of the run will have crossed.
    qint64 nextAt() const;

private:
    std::optional<WirePace> m_pace;
    bool m_running = false;
};
