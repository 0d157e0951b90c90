#include "devsim/ProgramInput.h"

namespace
{

constexpr QByteArrayView CommandStart = "*KORAX@";
constexpr QByteArrayView CommandEnd = "$!";
constexpr QByteArrayView EndOfFile = "SFE";
// The longest command is "*KORAX@DEL001%" with a file number and "$!"; far
// longer text without "$!" is no command that will ever end.
constexpr qsizetype LongestCommand = 64;

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Where the first line end at or after from begins, or -1.
qsizetype findLineEnd(QByteArrayView text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (isLineEnd(text[i]))
            return i;
    }
    return -1;
}

} // namespace

QList<ProgramInput::Item> ProgramInput::take(QByteArrayView bytes)
{
    m_buffer.append(bytes);
    QList<Item> items;
    for (;;) {
        const qsizetype before = m_buffer.size();
        const bool wasInFile = m_inFile;
        if (m_inFile)
            takeFile(items);
        else
            takeCommands(items);
        if (m_buffer.isEmpty() || (m_buffer.size() == before && m_inFile == wasInFile))
            return items;
    }
}

QList<ProgramInput::Item> ProgramInput::finish()
{
    QList<Item> items;
    if (!m_buffer.isEmpty()) {
        const bool endLineBegun = m_inFile && QByteArrayView(m_buffer).sliced(m_lineStart).startsWith(EndOfFile);
        emitBytes(items, endLineBegun ? Item::File : Item::Dropped, m_buffer.size());
    }
    m_inFile = false;
    return items;
}

void ProgramInput::takeCommands(QList<Item> &items)
{
    while (!m_buffer.isEmpty()) {
        if (!m_buffer.startsWith(CommandStart)) {
            if (CommandStart.startsWith(m_buffer))
                return;
            m_inFile = true;
            return;
        }
        const qsizetype end = m_buffer.indexOf(CommandEnd, CommandStart.size());
        if (end < 0) {
            if (m_buffer.size() > LongestCommand)
                emitBytes(items, Item::Dropped, m_buffer.size());
            return;
        }
        emitBytes(items, Item::Command, end + CommandEnd.size());
    }
}

void ProgramInput::takeFile(QList<Item> &items)
{
    for (;;) {
        const QByteArrayView line = QByteArrayView(m_buffer).sliced(m_lineStart);
        if (line.startsWith(EndOfFile)) {
            const qsizetype end = endOfEndLine();
            if (end >= 0) {
                emitBytes(items, Item::File, end);
                m_inFile = false;
            }
            return;
        }
        if (line.startsWith(CommandStart) && line.contains(CommandEnd)) {
            // A command between lines: the file was given up.
            if (m_lineStart > 0)
                emitBytes(items, Item::Dropped, m_lineStart);
            m_inFile = false;
            return;
        }
        const qsizetype end = findLineEnd(m_buffer, qMax(m_lineStart, m_searched));
        if (end < 0) {
            // A long line that comes a character at a time is searched once.
            m_searched = m_buffer.size();
            return;
        }
        m_lineStart = end + 1;
    }
}

qsizetype ProgramInput::endOfEndLine() const
{
    const qsizetype end = findLineEnd(m_buffer, m_lineStart);
    if (end < 0)
        return -1;
    if (m_buffer[end] == '\n')
        return end + 1;
    // A CR may still be followed by the LF of a CR LF.
    if (end + 1 == m_buffer.size())
        return -1;
    return m_buffer[end + 1] == '\n' ? end + 2 : end + 1;
}

void ProgramInput::emitBytes(QList<Item> &items, Item::Kind kind, qsizetype size)
{
    items.append(Item{kind, m_buffer.first(size)});
    m_buffer.remove(0, size);
    m_lineStart = 0;
    m_searched = 0;
}
