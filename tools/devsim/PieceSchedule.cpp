#include "devsim/PieceSchedule.h"

#include <utility>

PieceSchedule::PieceSchedule(std::optional<WireRate> rate, ChunkCutter cutter) : m_cutter(std::move(cutter))
{
    if (rate)
        m_pace.emplace(*rate);
}

// Bytes that come while others are still on the wire follow them back to
// back; bytes that come to an idle wire begin to cross now.
void PieceSchedule::queued(qint64 now, qsizetype waiting)
{
    if (m_pace && m_pace->crossed(now) >= waiting)
        m_pace->begin(now, waiting);
}

PieceSchedule::Piece PieceSchedule::next(qint64 now, qsizetype waiting, qsizetype limit)
{
    if (m_drawn == 0) {
        const bool fifo = m_pace && !m_cutter.cuts();
        m_drawn = fifo ? FifoTrigger : m_cutter.next(std::numeric_limits<qsizetype>::max());
    }
    const qsizetype size = qMin(m_drawn, limit);
    const qsizetype want = qMin(size, waiting);
    if (!m_pace)
        return nextCut(now, want);
    const qint64 due = m_pace->timeOf(want < size ? want + SilenceCharacters : want);
    return Piece{want, qMax<qint64>(0, due - now)};
}

PieceSchedule::Piece PieceSchedule::nextCut(qint64 now, qsizetype size) const
{
    const bool pause = m_cutter.cuts() && m_lastHanded > now - CutPauseNanoseconds;
    return Piece{size, pause ? m_lastHanded + CutPauseNanoseconds - now : 0};
}

void PieceSchedule::handed(qint64 now, qsizetype count)
{
    if (m_pace)
        m_pace->take(count);
    m_drawn = 0;
    m_lastHanded = now;
}
