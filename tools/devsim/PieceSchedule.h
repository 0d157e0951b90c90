#pragma once

#include "devsim/ChunkCutter.h"
#include "devsim/WirePace.h"

#include <QtGlobal>

#include <limits>
#include <optional>

// When what the device sends reaches the program, and in what pieces.
//
// On a line that is not paced everything waiting goes at once or, when
// cutting, in pieces of the cutter's sizes a millisecond apart, so that each
// arrives on its own. On a paced line the bytes cross the wire back to back
// at its rate and reach the program as a UART hands them over: a piece as
// soon as its last byte has crossed, a piece being the receive FIFO's trigger
// level (or the cutter's size when cutting), and the rest of a piece that the
// device leaves shorter once the line has been silent for four character
// times.
class PieceSchedule
{
public:
    struct Piece {
        qsizetype size;
        // Nanoseconds from now until it is due; 0 when it is.
        qint64 dueIn;
        bool operator==(const Piece &other) const = default;
    };

    // The FIFO trigger level of a 16550 UART as Linux sets it.
    static constexpr qsizetype FifoTrigger = 8;
    static constexpr qint64 SilenceCharacters = 4;
    static constexpr qint64 CutPauseNanoseconds = 1'000'000;

    PieceSchedule(std::optional<WireRate> rate, ChunkCutter cutter);

    // Bytes are about to join the `waiting` ones that have not been handed over.
    void queued(qint64 now, qsizetype waiting);
    // The next piece of the waiting bytes, of at most `limit` bytes.
    Piece next(qint64 now, qsizetype waiting, qsizetype limit = std::numeric_limits<qsizetype>::max());
    // count bytes of the piece reached the program.
    void handed(qint64 now, qsizetype count);

private:
    Piece nextCut(qint64 now, qsizetype size) const;

    std::optional<WirePace> m_pace;
    ChunkCutter m_cutter;
    // The size of the piece under way; drawn once, so that a piece that waits
    // keeps its size and a seed cuts the same way however the timers run.
    qsizetype m_drawn = 0;
    qint64 m_lastHanded = std::numeric_limits<qint64>::min();
};
