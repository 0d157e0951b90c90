#pragma once

#include <array>

// Widths of the list's four columns for a given client width. The "#" column
// is as wide as its widest number needs in the font in use, never narrower
// than the design's 35 pixels; the other three fill the rest of the width,
// each kept within its limits (a list too narrow for their minimums scrolls
// sideways). A column the operator has sized keeps the width given to it.
// Recomputed whenever the list changes size.
struct ListColumnLimits {
    int minimum;
    int maximum;
};

inline constexpr int NumberColumnMinimum = 35;
// Limits of the columns after "#" (which has none): name or offset, "Hex", character or number.
inline constexpr std::array<ListColumnLimits, 4> ListColumns = {{{0, 0}, {150, 300}, {85, 170}, {90, 130}}};
// What the "#" column must show whole: a record number of four digits as the
// device's files hold it, and a file number of three.
inline constexpr std::array<const char *, 2> WidestNumbers = {"2996 ", "001"};

// The "#" column's width for the widest of WidestNumbers as the list draws it
// (text and cell margins), in pixels.
int NumberColumnWidth(int widestNumberWidth);

// chosen: the widths the operator gave the columns, 0 where none was given.
std::array<int, 4> ComputeListColumnWidths(int clientWidth, int numberColumnWidth,
                                           const std::array<int, 4> &chosen = {});
