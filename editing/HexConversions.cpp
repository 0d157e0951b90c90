#include "editing/HexConversions.h"

#include "document/DocumentErrors.h"
#include "document/TextHelpers.h"

#include <algorithm>
#include <cctype>

namespace
{

constexpr int MaxValueBytes = 4;

QByteArrayView digitsOf(QByteArrayView hexText)
{
    return hexText.startsWith('$') ? hexText.sliced(1) : hexText;
}

QByteArray twoHexDigits(quint32 byte)
{
    return QByteArray::number(byte & 0xFF, 16).toUpper().rightJustified(2, '0');
}

} // namespace

int HexFormatDigits(HexFormat format)
{
    static constexpr int digits[] = {2, 4, 8};
    return digits[format];
}

std::optional<HexFormat> HexFormatOfCell(QByteArrayView hexCell)
{
    // Whole bytes behind the "$", less one; three bytes count as a DWord.
    const qsizetype index = (hexCell.size() - 1) / 2 - 1;
    if (index == 3)
        return hfDWord;
    if (index < hfByte || index > hfDWord)
        return std::nullopt;
    return static_cast<HexFormat>(index);
}

int HexTextDigits(QByteArrayView hexText)
{
    const qsizetype bytes = (digitsOf(hexText).size() + 1) / 2;
    return 2 * static_cast<int>(std::clamp<qsizetype>(bytes, 1, MaxValueBytes));
}

bool IsWholeByteHexText(QByteArrayView hexText)
{
    if (!hexText.startsWith('$') || hexText.size() < 3 || hexText.size() % 2 == 0)
        return false;
    return std::all_of(hexText.begin() + 1, hexText.end(), [](char c) { return std::isxdigit(uchar(c)) != 0; });
}

HexReading ReadHexText(QByteArrayView hexText)
{
    HexReading reading;
    if (hexText.isEmpty())
        return reading;
    QByteArray text = hexText.toByteArray();
    if (!text.startsWith('$') && text.size() >= 2)
        text.prepend('$');
    const std::optional<qint32> value = TryReadWholeNumber(text);
    if (!value) {
        reading.outcome = HexReading::hrInvalid;
        reading.error = QString::fromUtf8(NotAnIntegerError(text).what());
        return reading;
    }
    const qsizetype length = text.size();
    if (length == 3 && *value >= 32 && *value <= 127) {
        reading.outcome = HexReading::hrShown;
        reading.charNumber = QByteArray(1, static_cast<char>(*value));
    } else if (length >= 3 && length % 2 == 1) {
        reading.outcome = HexReading::hrShown;
        reading.charNumber = QByteArray::number(ReadWholeNumber(SwapHexBytes(text)));
    }
    return reading;
}

QByteArray CharNumberToHex(QByteArrayView charNumber, int widthDigits)
{
    if (charNumber.isEmpty())
        return QByteArrayLiteral("$00");
    if (charNumber.size() == 1)
        return '$' + twoHexDigits(static_cast<uchar>(charNumber.front()));
    const auto value = static_cast<quint32>(TryReadWholeNumber(charNumber).value_or(0));
    QByteArray hex("$");
    const int bytes = std::min(widthDigits / 2, MaxValueBytes);
    for (int byte = 0; byte < bytes; ++byte)
        hex.append(twoHexDigits(value >> (8 * byte)));
    return hex;
}

QByteArray ApplyHexWidth(QByteArrayView hexText, int widthDigits)
{
    const QByteArrayView digits = digitsOf(hexText);
    if (digits.size() > widthDigits)
        return '$' + digits.first(widthDigits).toByteArray();
    return '$' + digits.toByteArray() + QByteArray(widthDigits - digits.size(), '0');
}

QByteArray ConfirmedHex(QByteArrayView hexText)
{
    return hexText.startsWith('$') ? hexText.toByteArray() : '$' + hexText.toByteArray();
}
