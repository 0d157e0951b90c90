#include "devsim/WireRate.h"

namespace
{

constexpr qint64 HalfBitsPerSecondFactor = 2;
constexpr qint64 NanosecondsPerSecond = 1'000'000'000;

} // namespace

WireRate::WireRate(qint64 baud, LineFraming framing)
    : m_baud(qMax<qint64>(1, baud)), m_halfBits(framing.halfBitsPerCharacter())
{
}

// A character takes halfBits / (2 * baud) seconds; the products are formed
// in 128 bits so that no length of a session overflows them.
qint64 WireRate::nanosecondsFor(qint64 characters) const
{
    const __int128 numerator = static_cast<__int128>(characters) * m_halfBits * NanosecondsPerSecond;
    const __int128 denominator = static_cast<__int128>(HalfBitsPerSecondFactor) * m_baud;
    return static_cast<qint64>((numerator + denominator - 1) / denominator);
}

qint64 WireRate::charactersIn(qint64 nanoseconds) const
{
    if (nanoseconds <= 0)
        return 0;
    const __int128 numerator = static_cast<__int128>(nanoseconds) * HalfBitsPerSecondFactor * m_baud;
    return static_cast<qint64>(numerator / (static_cast<__int128>(m_halfBits) * NanosecondsPerSecond));
}

double WireRate::charactersPerSecond() const
{
    return double(HalfBitsPerSecondFactor * m_baud) / double(m_halfBits);
}
