#include "i18n/ProfileFile.h"

#include "i18n/CodePage.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>
#include <vector>

namespace
{

struct Line {
    QByteArray text;   // without its line end
    QByteArray ending; // "\r\n", "\n" or empty for a last line without one
};

std::vector<Line> splitLines(const QByteArray &content)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype lf = content.indexOf('\n', start);
        if (lf < 0) {
            lines.push_back({content.mid(start), {}});
            break;
        }
        const bool crlf = lf > start && content[lf - 1] == '\r';
        const qsizetype end = crlf ? lf - 1 : lf;
        lines.push_back({content.mid(start, end - start), crlf ? QByteArray("\r\n") : QByteArray("\n")});
        start = lf + 1;
    }
    return lines;
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return CodePage::toUnicode(a).compare(CodePage::toUnicode(b), Qt::CaseInsensitive) == 0;
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<QByteArray> sectionName(const QByteArray &line)
{
    const QByteArray trimmed = line.trimmed();
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(']');
    return (close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1)).trimmed();
}

struct KeyValue {
    QByteArray key;
    QByteArray value;
};

std::optional<KeyValue> keyValue(const QByteArray &line)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0 || line.trimmed().startsWith(';'))
        return std::nullopt;
    QByteArray value = line.mid(eq + 1).trimmed();
    // A value in matching quotes is read without them, as profile strings always were.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return KeyValue{line.left(eq).trimmed(), value};
}

// Where a key lives in the lines of a file: the section's header line, the
// key's own line and the last non-blank line of the section.
struct KeyPlace {
    std::optional<size_t> section;
    std::optional<size_t> key;
    size_t lastInSection = 0;
};

KeyPlace findKey(const std::vector<Line> &lines, QByteArrayView section, QByteArrayView key)
{
    KeyPlace place;
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i].text)) {
            if (inSection)
                break;
            inSection = sameName(*name, section);
            if (inSection) {
                place.section = i;
                place.lastInSection = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!lines[i].text.trimmed().isEmpty())
            place.lastInSection = i;
        const auto kv = keyValue(lines[i].text);
        if (kv && sameName(kv->key, key)) {
            place.key = i;
            break;
        }
    }
    return place;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

ProfileFile::ProfileFile(QString path) : m_path(std::move(path)) {}

QByteArray ProfileFile::readString(QByteArrayView section, QByteArrayView key, QByteArrayView defaultValue) const
{
    const std::vector<Line> lines = splitLines(readFile(m_path));
    const KeyPlace place = findKey(lines, section, key);
    if (!place.key)
        return defaultValue.toByteArray().left(MaxValueLength);
    return keyValue(lines[*place.key].text)->value.left(MaxValueLength);
}

int ProfileFile::readInt(QByteArrayView section, QByteArrayView key, int defaultValue) const
{
    bool ok = false;
    const int value = readString(section, key, {}).toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool ProfileFile::writeString(QByteArrayView section, QByteArrayView key, QByteArrayView value) const
{
    const QFileInfo info(m_path);
    if (info.exists() && !info.isWritable())
        return false;
    std::vector<Line> lines = splitLines(readFile(m_path));
    const KeyPlace place = findKey(lines, section, key);
    const QByteArray keyLine = key.toByteArray() + '=' + value.toByteArray();
    const QByteArray crlf("\r\n");
    if (place.key) {
        lines[*place.key].text = keyLine;
    } else if (place.section) {
        Line &previous = lines[place.lastInSection];
        if (previous.ending.isEmpty())
            previous.ending = crlf;
        lines.insert(lines.begin() + place.lastInSection + 1, Line{keyLine, crlf});
    } else {
        if (!lines.empty() && lines.back().ending.isEmpty())
            lines.back().ending = crlf;
        lines.push_back({'[' + section.toByteArray() + ']', crlf});
        lines.push_back({keyLine, crlf});
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const Line &line : lines)
        file.write(line.text + line.ending);
    return file.commit();
}

bool ProfileFile::writeInt(QByteArrayView section, QByteArrayView key, int value) const
{
    return writeString(section, key, QByteArray::number(value));
}
