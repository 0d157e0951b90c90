#pragma once

#include "print/PageUnits.h"

#include <QFont>

// Fonts on a recorded page are sized in page units (a pixel size in the page
// unit): a point size would be scaled again by the page's mapping.
namespace PageFont
{

// The font with its size held in page units: a point size keeps its true
// length, a pixel size counts at the screen's pixels per inch.
QFont InPageUnits(const QFont &font, TUnits units, int pixelsPerInch);

// The font sized so that its whole character cell (ascent and descent) is the
// given height, as a positive font height on the reference platform means.
QFont WithCellHeight(const QFont &font, int cellHeight);

} // namespace PageFont
