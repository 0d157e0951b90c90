#include "app/ListColumnWidths.h"

#include <gtest/gtest.h>

#include <numeric>

TEST(ListColumnWidths, FillTheWidthWithinTheLimits)
{
    for (int width : {0, 300, 360, 410, 427, 500, 640, 680, 1200}) {
        const auto w = ComputeListColumnWidths(width);
        SCOPED_TRACE(width);
        EXPECT_EQ(w[0], 35);
        for (size_t c = 1; c < 4; ++c) {
            EXPECT_GE(w[c], ListColumns[c].minimum);
            EXPECT_LE(w[c], ListColumns[c].maximum);
        }
        const int total = std::accumulate(w.begin(), w.end(), 0);
        EXPECT_EQ(total, std::clamp(width, 35 + 150 + 85 + 90, 35 + 300 + 170 + 130));
    }
}

TEST(ListColumnWidths, SharesTheSpareWidthEvenly)
{
    const auto w = ComputeListColumnWidths(35 + 325 + 60);
    EXPECT_EQ(w[1], 170);
    EXPECT_EQ(w[2], 105);
    EXPECT_EQ(w[3], 110);
}
