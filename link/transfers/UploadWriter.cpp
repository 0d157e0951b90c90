#include "link/transfers/UploadWriter.h"

#include "link/port/EComPort.h"
#include "link/port/TCustomComPort.h"

#include <cerrno>

UploadWriter::UploadWriter(QByteArray text, const TComTimeouts &timeouts, Clock::time_point start)
    : m_text(std::move(text)), m_timeouts(timeouts), m_headSince(start)
{
}

int UploadWriter::percent() const
{
    return size() == 0 ? 100 : int(m_left * 100 / size());
}

void UploadWriter::handOver(TCustomComPort &port)
{
    for (;;) {
        if (m_waiting.empty() || m_handed == m_waiting.back().end) {
            if (m_text.atEnd())
                return;
            const QByteArrayView bytes = m_text.next();
            m_waiting.push_back({bytes, m_text.taken()});
        }
        const Segment &last = m_waiting.back();
        const qint64 offset = m_handed - (last.end - last.bytes.size());
        const qint64 taken = port.OfferText(last.bytes.sliced(offset));
        m_handed += taken;
        if (m_handed < last.end)
            return;
    }
}

QList<QByteArrayView> UploadWriter::account(qint64 queued, Clock::time_point now)
{
    m_left = qMax(m_left, m_handed - queued);
    QList<QByteArrayView> gone;
    while (!m_waiting.empty() && m_waiting.front().end <= m_left) {
        gone.append(m_waiting.front().bytes);
        m_waiting.pop_front();
        m_headSince = now;
    }
    if (!m_waiting.empty() && now - m_headSince > limitFor(m_waiting.front()))
        throw EComPort(EComPort::WriteFailed, ETIMEDOUT);
    return gone;
}

UploadWriter::Clock::duration UploadWriter::limitFor(const Segment &segment) const
{
    if (m_timeouts.WriteTotalConstant == 0 && m_timeouts.WriteTotalMultiplier == 0)
        return Clock::duration::max();
    return std::chrono::milliseconds(m_timeouts.WriteTotalConstant +
                                     qint64(m_timeouts.WriteTotalMultiplier) * segment.bytes.size());
}
