#include "editing/EntrySearch.h"

#include "i18n/CodePage.h"

#include <span>

namespace
{

constexpr char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// A place in a text made of several parts read one after another, without
// joining them into one buffer.
class JoinedCursor
{
public:
    explicit JoinedCursor(std::span<const QByteArrayView> parts) : m_parts(parts) { skipEnds(); }

    bool atEnd() const { return m_part == m_parts.size(); }
    char current() const { return upper(m_parts[m_part][m_offset]); }
    void advance()
    {
        ++m_offset;
        skipEnds();
    }

private:
    void skipEnds()
    {
        while (m_part < m_parts.size() && m_offset >= m_parts[m_part].size()) {
            ++m_part;
            m_offset = 0;
        }
    }

    std::span<const QByteArrayView> m_parts;
    size_t m_part = 0;
    qsizetype m_offset = 0;
};

bool startsHere(JoinedCursor at, QByteArrayView text)
{
    for (const char c : text) {
        if (at.atEnd() || at.current() != upper(c))
            return false;
        at.advance();
    }
    return true;
}

qsizetype positionIn(std::span<const QByteArrayView> parts, QByteArrayView text)
{
    if (text.isEmpty())
        return 0;
    qsizetype total = 0;
    for (QByteArrayView part : parts)
        total += part.size();
    const char first = upper(text.front());
    JoinedCursor at(parts);
    for (qsizetype start = 0; start + text.size() <= total; ++start, at.advance()) {
        if (at.current() == first && startsHere(at, text))
            return start + 1;
    }
    return 0;
}

const QByteArrayView LineBreak("\r\n");

bool numberMatches(QByteArrayView number, QByteArrayView text, bool wholeWord)
{
    const qsizetype p = positionIn({&number, 1}, text);
    if (!wholeWord)
        return p > 0;
    const qsizetype d = number.size() - text.size();
    return p == d && d > 0;
}

bool cellsMatch(const Entry &entry, QByteArrayView text, bool wholeWord)
{
    const QByteArrayView nameOffset = entry.cellView(Entry::NameOffset);
    const QByteArrayView joined[] = {
        nameOffset, LineBreak, entry.cellView(Entry::Hex), LineBreak, entry.cellView(Entry::CharNumber), LineBreak};
    const qsizetype q = positionIn(joined, text);
    if (!wholeWord)
        return q > 0;
    const qsizetype e = nameOffset.size() - text.size();
    return q == e && e > 0;
}

} // namespace

bool EntrySearch::matches(const Entry &entry, QByteArrayView text, bool wholeWord)
{
    return numberMatches(entry.cellView(Entry::Number), text, wholeWord) || cellsMatch(entry, text, wholeWord);
}

int EntrySearch::findNext(const std::vector<Entry> &entries, int after, QByteArrayView text, bool wholeWord)
{
    for (size_t i = static_cast<size_t>(after + 1); i < entries.size(); ++i) {
        if (matches(entries[i], text, wholeWord))
            return static_cast<int>(i);
    }
    return -1;
}

int EntrySearch::findRecord(const std::vector<Entry> &entries, QByteArrayView name)
{
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry &entry = entries[i];
        const QByteArrayView recordName = entry.cellView(Entry::NameOffset);
        if (entry.isRecordHeader() && positionIn({&recordName, 1}, name) > 0)
            return static_cast<int>(i);
    }
    return -1;
}

QList<QByteArray> EntrySearch::recordNames(const std::vector<Entry> &entries)
{
    QList<QByteArray> names;
    for (const Entry &entry : entries) {
        if (entry.isRecordHeader())
            names.append(entry.cell(Entry::NameOffset));
    }
    return names;
}

std::optional<QByteArray> EntrySearch::searchBytes(QStringView typed)
{
    QByteArray bytes = CodePage::fromUnicode(typed);
    if (CodePage::toUnicode(bytes) != typed)
        return std::nullopt;
    return bytes;
}
