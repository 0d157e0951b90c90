#pragma once

#include "link/port/ComTypes.h"
#include "link/transfers/UploadText.h"

#include <QByteArrayView>
#include <QList>

#include <chrono>
#include <deque>

class TCustomComPort;

// An upload kept flowing through the port's output queue: the segments of
// UploadText are handed to the driver as far as its queue takes them, without
// waiting for one to reach the line before the next goes, so the line never
// waits for the program; and they are accounted for as they leave the port,
// which is what the progress shows.
//
// The write time limit (WriteTotalConstant + WriteTotalMultiplier x length,
// none when both are 0) holds for each segment from the moment the bytes
// before it have left the port: as when each was written on its own once the
// one before had gone, only without the line idling in between. A segment
// still not gone by then means a line that stopped carrying (a device that
// holds CTS low, a reader that reads no more): EComPort 2 with the system's
// timed-out error.
class UploadWriter
{
public:
    using Clock = std::chrono::steady_clock;

    UploadWriter(QByteArray text, const TComTimeouts &timeouts, Clock::time_point start);

    qint64 size() const { return m_text.size(); }
    // Bytes that have left the port.
    qint64 left() const { return m_left; }
    // Whole percent of the text that has left the port, the fraction dropped; 100 for an empty text.
    int percent() const;
    bool finished() const { return m_left == m_text.size(); }

    // Hands the port as much of the rest as its output queue takes now.
    void handOver(TCustomComPort &port);
    // Takes account of the bytes the port still holds at now; returns the
    // segments that have left it entirely since the last call, in order.
    QList<QByteArrayView> account(qint64 queued, Clock::time_point now);

private:
    struct Segment {
        QByteArrayView bytes;
        qint64 end = 0; // offset just past it in the text
    };
    Clock::duration limitFor(const Segment &segment) const;

    UploadText m_text;
    TComTimeouts m_timeouts;
    // Segments whose bytes have not all left the port; the last may not all be handed over yet.
    std::deque<Segment> m_waiting;
    qint64 m_handed = 0;
    qint64 m_left = 0;
    // When the first waiting segment's time limit began.
    Clock::time_point m_headSince;
};
