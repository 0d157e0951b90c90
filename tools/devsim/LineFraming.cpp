#include "devsim/LineFraming.h"

#include <QString>

int LineFraming::halfBitsPerCharacter() const
{
    const int parityBits = parity == Parity::None ? 0 : 1;
    const int stopHalves = stopBits == StopBits::One ? 2 : stopBits == StopBits::OneAndHalf ? 3 : 4;
    return 2 * (1 + dataBits + parityBits) + stopHalves;
}

std::optional<LineFraming::Parity> LineFraming::parityNamed(QStringView name)
{
    const QString key = name.toString().toLower();
    if (key == u"none")
        return Parity::None;
    if (key == u"odd")
        return Parity::Odd;
    if (key == u"even")
        return Parity::Even;
    if (key == u"mark")
        return Parity::Mark;
    if (key == u"space")
        return Parity::Space;
    return std::nullopt;
}

std::optional<LineFraming::StopBits> LineFraming::stopBitsNamed(QStringView text)
{
    if (text == u"1")
        return StopBits::One;
    if (text == u"1.5")
        return StopBits::OneAndHalf;
    if (text == u"2")
        return StopBits::Two;
    return std::nullopt;
}
