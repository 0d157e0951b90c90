#include "link/settings/ComValueText.h"

#include <array>

namespace
{

constexpr std::array<const char *, 16> baudTexts{"Custom", "110",    "300",    "600",   "1200",  "2400",
                                                 "4800",   "9600",   "14400",  "19200", "38400", "56000",
                                                 "57600",  "115200", "128000", "256000"};
constexpr std::array<const char *, 4> dataTexts{"5", "6", "7", "8"};
constexpr std::array<const char *, 3> stopTexts{"1", "1.5", "2"};
constexpr std::array<const char *, 5> parTexts{"None", "Odd", "Even", "Mark", "Space"};
constexpr std::array<const char *, 4> flowTexts{"Hardware", "Software", "None", "Custom"};

template <size_t N> QString textAt(const std::array<const char *, N> &texts, int value)
{
    return QString::fromLatin1(texts.at(size_t(value)));
}

template <typename E, size_t N> E valueOf(const std::array<const char *, N> &texts, QStringView text, E fallback)
{
    for (size_t i = 0; i < N; ++i) {
        if (text.compare(QLatin1StringView(texts[i]), Qt::CaseInsensitive) == 0)
            return E(i);
    }
    return fallback;
}

template <size_t N> QStringList allTexts(const std::array<const char *, N> &texts)
{
    QStringList result;
    for (const char *text : texts)
        result << QString::fromLatin1(text);
    return result;
}

} // namespace

QString ComValueText::text(TBaudRate value)
{
    return textAt(baudTexts, value);
}
QString ComValueText::text(TDataBits value)
{
    return textAt(dataTexts, value);
}
QString ComValueText::text(TStopBits value)
{
    return textAt(stopTexts, value);
}
QString ComValueText::text(TParityBits value)
{
    return textAt(parTexts, value);
}
QString ComValueText::text(TFlowControl value)
{
    return textAt(flowTexts, value);
}

TBaudRate ComValueText::toBaudRate(QStringView text)
{
    return valueOf(baudTexts, text, br9600);
}
TDataBits ComValueText::toDataBits(QStringView text)
{
    return valueOf(dataTexts, text, dbEight);
}
TStopBits ComValueText::toStopBits(QStringView text)
{
    return valueOf(stopTexts, text, sbOneStopBit);
}
TParityBits ComValueText::toParity(QStringView text)
{
    return valueOf(parTexts, text, prNone);
}
TFlowControl ComValueText::toFlowControl(QStringView text)
{
    return valueOf(flowTexts, text, fcCustom);
}

QStringList ComValueText::baudRateTexts()
{
    return allTexts(baudTexts);
}
QStringList ComValueText::dataBitsTexts()
{
    return allTexts(dataTexts);
}
QStringList ComValueText::stopBitsTexts()
{
    return allTexts(stopTexts);
}
QStringList ComValueText::parityTexts()
{
    return allTexts(parTexts);
}
QStringList ComValueText::flowControlTexts()
{
    return allTexts(flowTexts);
}
