#pragma once

// A rectangle in screen pixels with exclusive right and bottom edges.
struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ScreenRect &) const = default;
};

enum class WindowShowState { Normal, Minimized, Maximized };

// Where a window that the operator drags to `proposed` ends up: closer than
// 20 pixels to an edge of the work area it jumps flush to that edge; the size
// always stays width × height. The edge snapping applies only to a visible
// window in its normal state.
ScreenRect ApplyWindowMoveRule(ScreenRect proposed, const ScreenRect &workArea, int width, int height,
                               WindowShowState state, bool visible);

inline constexpr int MainWindowMinimumWidth = 426;
inline constexpr int MainWindowMinimumHeight = 426;
