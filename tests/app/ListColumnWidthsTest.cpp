#include "app/ListColumnWidths.h"

#include <gtest/gtest.h>

#include <numeric>

TEST(ListColumnWidths, FillTheWidthWithinTheLimits)
{
    for (int number : {35, 52})
        for (int width : {0, 300, 360, 410, 427, 500, 640, 680, 1200}) {
            const auto w = ComputeListColumnWidths(width, number);
            SCOPED_TRACE(width);
            EXPECT_EQ(w[0], number);
            for (size_t c = 1; c < 4; ++c) {
                EXPECT_GE(w[c], ListColumns[c].minimum);
                EXPECT_LE(w[c], ListColumns[c].maximum);
            }
            const int total = std::accumulate(w.begin(), w.end(), 0);
            EXPECT_EQ(total, std::clamp(width, number + 150 + 85 + 90, number + 300 + 170 + 130));
        }
}

TEST(ListColumnWidths, SharesTheSpareWidthEvenly)
{
    const auto w = ComputeListColumnWidths(35 + 325 + 60, 35);
    EXPECT_EQ(w[1], 170);
    EXPECT_EQ(w[2], 105);
    EXPECT_EQ(w[3], 110);
}

TEST(ListColumnWidths, NumberColumnHoldsItsWidestNumberButNeverLessThanTheDesign)
{
    EXPECT_EQ(NumberColumnWidth(20), 35);
    EXPECT_EQ(NumberColumnWidth(61), 61);
}

// A column the operator sized keeps its width, narrower or wider than its
// limits; the others share what is left.
TEST(ListColumnWidths, ColumnsTheOperatorSizedKeepTheirWidth)
{
    const auto w = ComputeListColumnWidths(600, 40, {0, 0, 400, 0});
    EXPECT_EQ(w[0], 40);
    EXPECT_EQ(w[1], 150);
    EXPECT_EQ(w[2], 400);
    EXPECT_EQ(w[3], 90);
    const auto narrowed = ComputeListColumnWidths(600, 40, {60, 100, 0, 0});
    EXPECT_EQ(narrowed[0], 60);
    EXPECT_EQ(narrowed[1], 100);
    EXPECT_EQ(narrowed[2], 170);
    EXPECT_EQ(narrowed[3], 130);
}
