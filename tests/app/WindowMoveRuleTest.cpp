#include "app/WindowMoveRule.h"

#include <gtest/gtest.h>

namespace
{
const ScreenRect workArea{0, 0, 1000, 800};
constexpr int W = 426, H = 724;

ScreenRect at(int left, int top)
{
    return {left, top, left + W, top + H};
}
} // namespace

TEST(WindowMoveRule, SnapsWithinNineteenPixelsOfAnEdgeButNotAtTwenty)
{
    EXPECT_EQ(ApplyWindowMoveRule(at(19, 40), workArea, W, H, WindowShowState::Normal, true).left, 0);
    EXPECT_EQ(ApplyWindowMoveRule(at(20, 40), workArea, W, H, WindowShowState::Normal, true).left, 20);
    EXPECT_EQ(ApplyWindowMoveRule(at(100, 19), workArea, W, H, WindowShowState::Normal, true).top, 0);
    EXPECT_EQ(ApplyWindowMoveRule(at(100, 20), workArea, W, H, WindowShowState::Normal, true).top, 20);
    // Right edge: proposed right 981 is within 20 of 1000.
    EXPECT_EQ(ApplyWindowMoveRule(at(555, 40), workArea, W, H, WindowShowState::Normal, true).left, 1000 - W);
    EXPECT_EQ(ApplyWindowMoveRule(at(554, 40), workArea, W, H, WindowShowState::Normal, true).left, 554);
    // Bottom edge: proposed bottom 781 is within 20 of 800.
    EXPECT_EQ(ApplyWindowMoveRule(at(100, 57), workArea, W, H, WindowShowState::Normal, true).top, 800 - H);
}

TEST(WindowMoveRule, WindowLargerThanWorkAreaAlignsWithBottomAndRight)
{
    const ScreenRect small{0, 0, 400, 600};
    const ScreenRect r = ApplyWindowMoveRule(at(5, 5), small, W, H, WindowShowState::Normal, true);
    EXPECT_EQ(r, (ScreenRect{400 - W, 600 - H, 400, 600}));
}

TEST(WindowMoveRule, OnlyNormalVisibleWindowsSnapButSizeIsAlwaysKept)
{
    const ScreenRect proposed{5, 5, 100, 100};
    const ScreenRect expected{5, 5, 5 + W, 5 + H};
    EXPECT_EQ(ApplyWindowMoveRule(proposed, workArea, W, H, WindowShowState::Maximized, true), expected);
    EXPECT_EQ(ApplyWindowMoveRule(proposed, workArea, W, H, WindowShowState::Minimized, true), expected);
    EXPECT_EQ(ApplyWindowMoveRule(proposed, workArea, W, H, WindowShowState::Normal, false), expected);
}

TEST(WindowMoveRule, WorkAreaWithOffsetOrigin)
{
    const ScreenRect offset{-1920, 30, 0, 1080};
    EXPECT_EQ(ApplyWindowMoveRule(at(-1905, 45), offset, W, H, WindowShowState::Normal, true).left, -1920);
    EXPECT_EQ(ApplyWindowMoveRule(at(-1905, 45), offset, W, H, WindowShowState::Normal, true).top, 30);
}
