#include "print/PageFont.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace PageFont
{

QFont InPageUnits(const QFont &font, TUnits units, int pixelsPerInch)
{
    QFont scaled(font);
    const bool inPoints = font.pointSizeF() > 0;
    const int size = inPoints ? static_cast<int>(std::lround(font.pointSizeF())) : font.pixelSize();
    scaled.setPixelSize(std::max(1, ConvertUnits(size, inPoints ? mmPoints : mmPixel, units, pixelsPerInch)));
    return scaled;
}

QFont WithCellHeight(const QFont &font, int cellHeight)
{
    QFont sized(font);
    sized.setPixelSize(std::max(1, cellHeight));
    const qreal cell = QFontMetricsF(sized).ascent() + QFontMetricsF(sized).descent();
    if (cell > 0)
        sized.setPixelSize(std::max(1, static_cast<int>(std::lround(cellHeight * cellHeight / cell))));
    return sized;
}

} // namespace PageFont
