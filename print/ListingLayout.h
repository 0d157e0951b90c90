#pragma once

#include "print/PageUnits.h"

#include <QRect>
#include <QSize>

#include <array>

// Where the printed listing puts things: two framed columns of entries per
// page, in the page unit of the preview. Computed from the paper size alone,
// so it can be checked without a window.
struct ListingMetrics {
    static constexpr int RowsPerColumn = 110;
    static constexpr int EntriesPerPage = 2 * RowsPerColumn;
    // Texts longer than this are printed cut.
    static constexpr int MaxTextLength = 255;

    int marginX = 0;
    int marginY = 0;
    int halfMarginX = 0;
    int halfMarginY = 0;
    int quarterMarginX = 0;
    int quarterMarginY = 0;
    // The paper shrunk by the margins; right() and bottom() are the edges themselves.
    QRect pageRect;
    int linePitch = 0;
    int fontCellHeight = 0;
    int rightColumnOffset = 0;
};

// The place of one entry: its page (from 1), column (0 left, 1 right), row in
// the column, the x of its four texts ("#", name or offset, hex, character or
// number) and the y of the top of its texts.
struct ListingPlace {
    int page = 1;
    int column = 0;
    int row = 0;
    std::array<int, 4> x{};
    int y = 0;
};

// The two boxes of the page frame; they share the vertical line in the middle.
struct ListingFrame {
    QRect left;
    QRect right;
};

// The layout values for a paper of the given size in the given unit; pixels per
// inch count only for pixel units.
ListingMetrics ComputeListingMetrics(QSize paper, TUnits units, int pixelsPerInchX, int pixelsPerInchY);
ListingPlace PlaceListingEntry(const ListingMetrics &metrics, int index);
ListingFrame ListingPageFrame(const ListingMetrics &metrics);
// One page per started 220 entries, and one page with only the frame for none.
int ListingPageCount(int entryCount);
