#include "print/PreviewZoom.h"

#include <algorithm>
#include <cmath>

namespace
{

int scaled(int length, double factor)
{
    return std::max(1, static_cast<int>(std::lround(length * factor)));
}

QSize fitWidth(QSize paper, QSize available)
{
    return {std::max(1, available.width()), scaled(paper.height(), double(available.width()) / paper.width())};
}

QSize fitHeight(QSize paper, QSize available)
{
    return {scaled(paper.width(), double(available.height()) / paper.height()), std::max(1, available.height())};
}

} // namespace

PaperDisplay ComputePaperDisplay(TZoomState state, int zoom, QSize paperAt100, QSize available)
{
    if (paperAt100.isEmpty())
        return {paperAt100, zoom};
    QSize shown;
    switch (state) {
    case zsZoomOther:
        return {QSize(scaled(paperAt100.width(), zoom / 100.0), scaled(paperAt100.height(), zoom / 100.0)), zoom};
    case zsZoomToWidth:
        shown = fitWidth(paperAt100, available);
        break;
    case zsZoomToHeight:
        shown = fitHeight(paperAt100, available);
        break;
    case zsZoomToFit: {
        const bool areaTallerThanPaper = double(available.height()) / std::max(1, available.width()) >
                                         double(paperAt100.height()) / paperAt100.width();
        shown = areaTallerThanPaper ? fitWidth(paperAt100, available) : fitHeight(paperAt100, available);
        break;
    }
    }
    return {shown, static_cast<int>(std::lround(shown.height() * 100.0 / paperAt100.height()))};
}

int KeepScrollFraction(int position, int oldMaximum, int newMaximum)
{
    if (oldMaximum <= 0)
        return 0;
    return static_cast<int>(std::lround(double(position) * newMaximum / oldMaximum));
}
