#include "app/WindowMoveRule.h"

namespace
{
constexpr int SnapDistance = 20;
}

ScreenRect ApplyWindowMoveRule(ScreenRect r, const ScreenRect &workArea, int width, int height, WindowShowState state,
                               bool visible)
{
    if (state == WindowShowState::Normal && visible) {
        // The right and bottom tests look at the proposed edges, which the
        // left and top steps leave untouched: a window larger than the work
        // area ends up aligned with its bottom or right edge.
        if (r.left < workArea.left + SnapDistance)
            r.left = workArea.left;
        if (r.top < workArea.top + SnapDistance)
            r.top = workArea.top;
        if (r.bottom > workArea.bottom - SnapDistance)
            r.top = workArea.bottom - height;
        if (r.right > workArea.right - SnapDistance)
            r.left = workArea.right - width;
    }
    r.right = r.left + width;
    r.bottom = r.top + height;
    return r;
}
