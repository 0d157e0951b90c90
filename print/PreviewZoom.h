#pragma once

#include <QSize>

// How the preview sizes the paper on screen.
enum TZoomState { zsZoomOther, zsZoomToWidth, zsZoomToHeight, zsZoomToFit };

// The paper's size on screen and the zoom it stands for.
struct PaperDisplay {
    QSize paper;
    int zoom = 100;
};

// The paper's size on screen for a zoom state: a free percentage of its size
// at 100 %, or fitted to the width, the height or (whole page) into the area
// available. A fitted paper recomputes the zoom from the height it is shown at.
PaperDisplay ComputePaperDisplay(TZoomState state, int zoom, QSize paperAt100, QSize available);

// Keeps a scroll position at the same fraction of its range when the range
// changes; with no range before, the position starts at the beginning.
int KeepScrollFraction(int position, int oldMaximum, int newMaximum);
