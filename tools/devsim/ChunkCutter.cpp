#include "devsim/ChunkCutter.h"

ChunkCutter::ChunkCutter(quint32 seed, qsizetype maxChunk)
    : m_seed(seed), m_maxChunk(qMax<qsizetype>(1, maxChunk)), m_random(seed)
{
}

qsizetype ChunkCutter::next(qsizetype available)
{
    if (!cuts())
        return available;
    const auto size = static_cast<qsizetype>(m_random.bounded(quint32(1), quint32(m_maxChunk) + 1));
    return qMin(size, available);
}
