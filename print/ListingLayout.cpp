#include "print/ListingLayout.h"

#include <QPoint>

#include <algorithm>

namespace
{

// Ten millimetres, given in tenths of a millimetre.
constexpr int MarginInLoMetric = 100;

} // namespace

ListingMetrics ComputeListingMetrics(QSize paper, TUnits units, int pixelsPerInchX, int pixelsPerInchY)
{
    ListingMetrics m;
    m.marginX = ConvertUnits(MarginInLoMetric, mmLoMetric, units, pixelsPerInchX);
    m.marginY = ConvertUnits(MarginInLoMetric, mmLoMetric, units, pixelsPerInchY);
    m.halfMarginX = m.marginX / 2;
    m.halfMarginY = m.marginY / 2;
    m.quarterMarginX = m.halfMarginX / 2;
    m.quarterMarginY = m.halfMarginY / 2;
    m.pageRect = QRect(QPoint(m.marginX, m.marginY), QPoint(paper.width() - m.marginX, paper.height() - m.marginY));
    m.linePitch = m.halfMarginY / 2;
    m.fontCellHeight = m.halfMarginX / 2;
    m.rightColumnOffset = m.pageRect.right() / 2 - m.halfMarginX;
    return m;
}

ListingPlace PlaceListingEntry(const ListingMetrics &metrics, int index)
{
    ListingPlace place;
    place.page = index / ListingMetrics::EntriesPerPage + 1;
    place.column = index % ListingMetrics::EntriesPerPage / ListingMetrics::RowsPerColumn;
    place.row = index % ListingMetrics::RowsPerColumn;
    const int x0 = metrics.pageRect.left() + (place.column == 0 ? 0 : metrics.rightColumnOffset);
    place.x = {x0, x0 + metrics.marginX, x0 + 5 * metrics.marginX, x0 + 7 * metrics.marginX};
    place.y = metrics.pageRect.top() + place.row * metrics.linePitch;
    return place;
}

ListingFrame ListingPageFrame(const ListingMetrics &metrics)
{
    const QRect &page = metrics.pageRect;
    const int middle = page.right() / 2;
    const int top = page.top() - metrics.quarterMarginY;
    return {QRect(QPoint(page.left() - metrics.quarterMarginX, top), QPoint(middle, page.bottom())),
            QRect(QPoint(middle, top), QPoint(page.right() + metrics.quarterMarginX, page.bottom()))};
}

int ListingPageCount(int entryCount)
{
    return std::max(1, (entryCount + ListingMetrics::EntriesPerPage - 1) / ListingMetrics::EntriesPerPage);
}
