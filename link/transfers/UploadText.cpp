#include "link/transfers/UploadText.h"

QByteArrayView UploadText::next()
{
    qint64 length = 1;
    if (!m_noLineEndLeft) {
        const qint64 lineEnd = m_text.indexOf("\r\n", m_position);
        if (lineEnd < 0)
            m_noLineEndLeft = true;
        else
            length = lineEnd + 2 - m_position;
    }
    const QByteArrayView segment = QByteArrayView(m_text).sliced(m_position, length);
    m_position += length;
    return segment;
}

int UploadText::percent() const
{
    return m_text.isEmpty() ? 100 : int(m_position * 100 / m_text.size());
}

QByteArrayView UploadText::logLine(QByteArrayView segment)
{
    return segment.endsWith("\r\n") ? segment.chopped(2) : segment;
}

qsizetype UploadText::lineCount(QByteArrayView text)
{
    return text.count("\r\n") + (text.isEmpty() || text.endsWith("\r\n") ? 0 : 1);
}
