#include "link/transfers/ReceiveBuffer.h"

#include <algorithm>

namespace
{

constexpr qsizetype TailOffset = 50;
constexpr qsizetype TailLength = 48;

} // namespace

void ReceiveBuffer::append(QByteArrayView chunk)
{
    const qsizetype oldSize = m_text.size();
    m_text.append(chunk);
    // An "SFE" that was not whole before must use at least one new byte.
    for (qsizetype at = std::max<qsizetype>(oldSize - 2, 0); !m_fileEnd; ++at) {
        at = m_text.indexOf("SFE", at);
        if (at < 0)
            break;
        m_fileEnd = at == 0 || m_text.at(at - 1) == '\n';
    }
}

void ReceiveBuffer::clear()
{
    m_text.clear();
    m_fileEnd = false;
}

std::optional<QByteArray> ReceiveBuffer::logLine(QByteArrayView chunk) const
{
    if (chunk.indexOf("\r\n") < 1)
        return std::nullopt;
    const qsizetype start = m_text.size() > TailOffset ? m_text.size() - TailOffset : 0;
    const QByteArrayView tail = QByteArrayView(m_text).sliced(start, std::min(TailLength, m_text.size() - start));
    const qsizetype lineEnd = tail.indexOf("\r\n");
    return (lineEnd < 0 ? tail.sliced(std::min<qsizetype>(1, tail.size())) : tail.sliced(lineEnd + 2)).toByteArray();
}
