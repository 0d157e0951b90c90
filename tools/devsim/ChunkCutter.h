#pragma once

#include <QRandomGenerator>
#include <QtGlobal>

// Decides how much of what the device has to send goes out in one piece. A
// real device hands its text to the line in pieces of its own choosing, and
// the program must take any division; cutting with a seed gives a division
// that varies from piece to piece yet comes out the same on every run.
class ChunkCutter
{
public:
    // A seed of 0 sends everything in one piece; any other seed cuts pieces of
    // 1 to maxChunk bytes.
    ChunkCutter(quint32 seed, qsizetype maxChunk);

    bool cuts() const { return m_seed != 0; }
    // The size of the next piece when available bytes wait to be sent.
    qsizetype next(qsizetype available);

private:
    quint32 m_seed;
    qsizetype m_maxChunk;
    QRandomGenerator m_random;
};
