#include "print/PageUnits.h"

#include <cmath>

namespace
{

double unitsPerInch(TUnits unit, int pixelsPerInch)
{
    switch (unit) {
    case mmPixel:
        return pixelsPerInch;
    case mmLoMetric:
        return 254.0;
    case mmHiMetric:
        return 2540.0;
    case mmLoEnglish:
        return 100.0;
    case mmHiEnglish:
        return 1000.0;
    case mmTWIPS:
        return 1440.0;
    case mmPoints:
        return 72.0;
    }
    return 1.0;
}

} // namespace

int ConvertUnits(int value, TUnits from, TUnits to, int pixelsPerInch)
{
    if (from == to)
        return value;
    return static_cast<int>(std::lround(value * unitsPerInch(to, pixelsPerInch) / unitsPerInch(from, pixelsPerInch)));
}
