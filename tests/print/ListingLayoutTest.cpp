#include "print/ListingLayout.h"

#include <gtest/gtest.h>

namespace
{

ListingMetrics a4()
{
    return ComputeListingMetrics(QSize(21000, 29700), mmHiMetric, 96, 96);
}

} // namespace

TEST(ListingLayout, A4ValuesInHundredthsOfAMillimetre)
{
    const ListingMetrics m = a4();
    EXPECT_EQ(m.marginX, 1000);
    EXPECT_EQ(m.marginY, 1000);
    EXPECT_EQ(m.halfMarginX, 500);
    EXPECT_EQ(m.quarterMarginY, 250);
    EXPECT_EQ(m.pageRect.left(), 1000);
    EXPECT_EQ(m.pageRect.top(), 1000);
    EXPECT_EQ(m.pageRect.right(), 20000);
    EXPECT_EQ(m.pageRect.bottom(), 28700);
    EXPECT_EQ(m.linePitch, 250);
    EXPECT_EQ(m.fontCellHeight, 250);
    EXPECT_EQ(m.rightColumnOffset, 9500);
}

TEST(ListingLayout, FrameOfTwoBoxesSharingTheMiddleLine)
{
    const ListingFrame frame = ListingPageFrame(a4());
    EXPECT_EQ(frame.left.topLeft(), QPoint(750, 750));
    EXPECT_EQ(frame.left.bottomRight(), QPoint(10000, 28700));
    EXPECT_EQ(frame.right.topLeft(), QPoint(10000, 750));
    EXPECT_EQ(frame.right.bottomRight(), QPoint(20250, 28700));
}

// 110 entries fill the left column, the 111th starts the right one at its
// top, the 221st starts the next page.
TEST(ListingLayout, ColumnsOf110AndPagesOf220)
{
    const ListingMetrics m = a4();
    struct Expected {
        int index, page, column, row, y;
        std::array<int, 4> x;
    };
    const std::array<int, 4> left{1000, 2000, 6000, 8000};
    const std::array<int, 4> right{10500, 11500, 15500, 17500};
    for (const Expected &e :
         {Expected{0, 1, 0, 0, 1000, left}, Expected{109, 1, 0, 109, 28250, left}, Expected{110, 1, 1, 0, 1000, right},
          Expected{219, 1, 1, 109, 28250, right}, Expected{220, 2, 0, 0, 1000, left},
          Expected{440, 3, 0, 0, 1000, left}, Expected{441, 3, 0, 1, 1250, left}}) {
        const ListingPlace place = PlaceListingEntry(m, e.index);
        EXPECT_EQ(place.page, e.page) << e.index;
        EXPECT_EQ(place.column, e.column) << e.index;
        EXPECT_EQ(place.row, e.row) << e.index;
        EXPECT_EQ(place.y, e.y) << e.index;
        EXPECT_EQ(place.x, e.x) << e.index;
    }
}

TEST(ListingLayout, PageCountRoundsUpAndNeverFallsBelowOne)
{
    EXPECT_EQ(ListingPageCount(0), 1);
    EXPECT_EQ(ListingPageCount(1), 1);
    EXPECT_EQ(ListingPageCount(220), 1);
    EXPECT_EQ(ListingPageCount(221), 2);
    EXPECT_EQ(ListingPageCount(440), 2);
    EXPECT_EQ(ListingPageCount(441), 3);
    EXPECT_EQ(ListingPageCount(210000), 955);
}

// The margins are ten millimetres in any unit: in pixels they follow the
// resolution of each axis.
TEST(ListingLayout, MarginsInPixelsFollowEachAxis)
{
    const ListingMetrics m = ComputeListingMetrics(QSize(794, 1123), mmPixel, 96, 192);
    EXPECT_EQ(m.marginX, 38);
    EXPECT_EQ(m.marginY, 76);
}
