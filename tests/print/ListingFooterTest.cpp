#include "print/ListingFooter.h"

#include <gtest/gtest.h>

// Under the frame, so the columns keep their 110 rows: a quarter margin below
// it, a text a font cell high, and half a margin left to the sheet's edge.
TEST(ListingFooter, SitsUnderTheFrameWithinTheSheet)
{
    const ListingMetrics m = ComputeListingMetrics(QSize(21000, 29700), mmHiMetric, 96, 96);
    const ListingFooterPlace footer = PlaceListingFooter(m);
    const ListingFrame frame = ListingPageFrame(m);
    EXPECT_EQ(footer.y, 28950);
    EXPECT_GT(footer.y, frame.left.bottom());
    EXPECT_LE(footer.y + m.fontCellHeight, 29700 - m.halfMarginY);
    EXPECT_GT(footer.y, PlaceListingEntry(m, 109).y + m.linePitch);
    EXPECT_EQ(footer.left, frame.left.left());
    EXPECT_EQ(footer.centre, frame.left.right());
    EXPECT_EQ(footer.right, frame.right.right());
}

// A list that no file holds has no name in its footer.
TEST(ListingFooter, NamesTheFileWithoutItsFolderTheDateAndThePage)
{
    const ListingFooterTexts texts =
        ComposeListingFooter(QString::fromUtf8("/home/op/zkouška/Váhy 2.txt"), QDate(2026, 3, 7), 4, 12);
    EXPECT_EQ(texts.fileName, QString::fromUtf8("Váhy 2.txt"));
    EXPECT_EQ(texts.date, "07.03.2026");
    EXPECT_EQ(texts.pageNumbers, "4 / 12");
    EXPECT_TRUE(ComposeListingFooter(QString(), QDate(2026, 12, 31), 1, 1).fileName.isEmpty());
}
