#include "link/transfers/LinkReceiver.h"

#include <algorithm>

namespace
{

struct Message {
    QByteArrayView text;
    LinkReceiver::Kind kind;
    bool dropped;
};

constexpr Message Messages[] = {
    {"STRANS$!", LinkReceiver::Kind::DirectoryReady, false},
    {"SDOWN$!", LinkReceiver::Kind::ReadyForFile, false},
    {"SOK$!\r\n", LinkReceiver::Kind::FileText, true},
};

// The starts of a command the device repeats; it runs to its "$!".
constexpr QByteArrayView RepeatedCommands[] = {"*KORAX@D", "EL"};
constexpr QByteArrayView CommandEnd = "$!";

} // namespace

void LinkReceiver::feed(QByteArrayView chunk)
{
    if (m_taken > 0) {
        m_input.remove(0, m_taken);
        m_taken = 0;
    }
    m_input.append(chunk);
}

std::optional<LinkReceiver::Item> LinkReceiver::next()
{
    while (m_taken < m_input.size()) {
        if (passEndLineRest())
            continue;
        if (!atLineStart())
            return takeLineOfText();
        Kind kind = Kind::FileText;
        qsizetype length = 0;
        switch (readMessage(kind, length)) {
        case Reading::Message:
            m_taken += length;
            return Item{kind, {}};
        case Reading::Dropped:
            m_taken += length;
            break;
        case Reading::Held:
            return std::nullopt;
        case Reading::FileText:
            return takeLineOfText();
        }
    }
    return std::nullopt;
}

QByteArray LinkReceiver::takeFile()
{
    QByteArray file = m_buffer.text();
    m_buffer.clear();
    m_endLineRest = !file.isEmpty() && !file.endsWith('\n');
    return file;
}

bool LinkReceiver::passEndLineRest()
{
    if (!m_endLineRest)
        return false;
    const char byte = m_input.at(m_taken);
    m_endLineRest = byte == '\r';
    if (byte != '\r' && byte != '\n')
        return false;
    ++m_taken;
    return true;
}

void LinkReceiver::clear()
{
    m_input.clear();
    m_taken = 0;
    m_buffer.clear();
}

bool LinkReceiver::atLineStart() const
{
    return m_buffer.isEmpty() || m_buffer.text().endsWith('\n');
}

LinkReceiver::Reading LinkReceiver::readMessage(Kind &kind, qsizetype &length) const
{
    const QByteArrayView in = held();
    for (const Message &message : Messages) {
        if (in.startsWith(message.text)) {
            kind = message.kind;
            length = message.text.size();
            return message.dropped ? Reading::Dropped : Reading::Message;
        }
    }
    for (const QByteArrayView start : RepeatedCommands) {
        if (!in.startsWith(start))
            continue;
        const qsizetype end = in.indexOf(CommandEnd, start.size());
        const qsizetype lineEnd = in.indexOf('\n', start.size());
        if (end >= 0 && (lineEnd < 0 || end < lineEnd)) {
            length = end + CommandEnd.size();
            return Reading::Dropped;
        }
        return lineEnd >= 0 ? Reading::FileText : Reading::Held;
    }
    const auto couldBecome = [in](QByteArrayView text) { return text.startsWith(in); };
    const bool held = std::any_of(std::begin(Messages), std::end(Messages),
                                  [&](const Message &message) { return couldBecome(message.text); }) ||
                      std::any_of(std::begin(RepeatedCommands), std::end(RepeatedCommands), couldBecome);
    return held ? Reading::Held : Reading::FileText;
}

LinkReceiver::Item LinkReceiver::takeLineOfText()
{
    const QByteArrayView in = held();
    const qsizetype lineEnd = in.indexOf('\n');
    const QByteArrayView line = lineEnd < 0 ? in : in.first(lineEnd + 1);
    m_buffer.append(line);
    m_taken += line.size();
    return Item{Kind::FileText, line.toByteArray()};
}
