#include "document/TextHelpers.h"

#include "document/DocumentErrors.h"

#include <limits>

namespace
{

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<qint32> readHexDigits(QByteArrayView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<quint64>(digit);
        if (value > std::numeric_limits<quint32>::max())
            return std::nullopt;
    }
    return static_cast<qint32>(static_cast<quint32>(value));
}

std::optional<qint32> readSignedDecimal(QByteArrayView text)
{
    const bool negative = text.startsWith('-');
    if (negative || text.startsWith('+'))
        text = text.sliced(1);
    if (text.isEmpty())
        return std::nullopt;
    // The magnitude of the most negative value is one more than the largest positive one.
    const qint64 limit = qint64(std::numeric_limits<qint32>::max()) + (negative ? 1 : 0);
    qint64 value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<qint32>(negative ? -value : value);
}

} // namespace

QByteArray PadLeft(QByteArrayView text, qsizetype width)
{
    const qsizetype length = text.size();
    if (length <= width)
        return QByteArray(width - length, ' ').append(text);
    if (length == width + 1)
        return text.first(width).toByteArray();
    return text.last(width + 1).toByteArray();
}

QByteArray PadRight(QByteArrayView text, qsizetype width)
{
    if (text.size() >= width)
        return text.first(width).toByteArray();
    return text.toByteArray() + QByteArray(width - text.size(), ' ');
}

QByteArray SwapHexBytes(QByteArrayView hex)
{
    if (hex.startsWith('$'))
        hex = hex.sliced(1);
    QByteArray swapped("$");
    for (qsizetype pair = 6; pair >= 0; pair -= 2) {
        if (pair < hex.size())
            swapped.append(hex.sliced(pair, qMin<qsizetype>(2, hex.size() - pair)));
    }
    return swapped;
}

int FieldsPerRecord(const std::vector<Entry> &entries)
{
    for (size_t row = 1; row < entries.size(); ++row) {
        if (entries[row].isRecordHeader())
            return static_cast<int>(row - 1);
    }
    return entries.empty() ? 0 : static_cast<int>(entries.size() - 1);
}

std::optional<qint32> TryReadWholeNumber(QByteArrayView text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start] == ' ')
        ++start;
    const QByteArrayView rest = text.sliced(start);
    if (rest.startsWith('$'))
        return readHexDigits(rest.sliced(1));
    return readSignedDecimal(rest);
}

qint32 ReadWholeNumber(QByteArrayView text)
{
    const std::optional<qint32> value = TryReadWholeNumber(text);
    if (!value)
        throw NotAnIntegerError(text);
    return *value;
}

qsizetype HexByteCount(QByteArrayView hex)
{
    return (hex.size() - 1) / 2;
}

QByteArray FieldCharNumber(QByteArrayView hex)
{
    if (hex.size() == 3 && hex.startsWith('$'))
        return QByteArray(1, static_cast<char>(ReadWholeNumber(hex)));
    return QByteArray::number(ReadWholeNumber(SwapHexBytes(hex)));
}
