#pragma once

#include <array>

// Widths of the list's four columns for a given client width: "#" is fixed,
// the other three fill the rest of the width, each kept within its limits
// (a list too narrow for their minimums scrolls sideways). Recomputed
// whenever the list changes size.
struct ListColumnLimits {
    int minimum;
    int maximum;
};

inline constexpr int NumberColumnWidth = 35;
inline constexpr std::array<ListColumnLimits, 4> ListColumns = {{{35, 45}, {150, 300}, {85, 170}, {90, 130}}};

std::array<int, 4> ComputeListColumnWidths(int clientWidth);
