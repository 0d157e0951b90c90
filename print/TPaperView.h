#pragma once

#include <QColor>
#include <QCursor>
#include <QRect>

class QPainter;

// The look of a sheet of paper on screen: its colour, a thin border and a
// shadow to the lower right, and the pointer shapes over it.
struct TPaperView {
    QColor paperColor = Qt::white;
    QColor borderColor = Qt::black;
    int borderWidth = 1;
    QColor shadowColor;
    int shadowWidth = 3;
    QCursor cursor = Qt::ArrowCursor;
    // Over a page larger than the view, which can be dragged.
    QCursor dragCursor = Qt::OpenHandCursor;
    // While the page is being dragged.
    QCursor grabCursor = Qt::ClosedHandCursor;

    // The shadow takes the desktop's button-shadow colour.
    TPaperView();

    // How much the border and shadow add to the paper's size.
    int extraWidth() const { return 2 * borderWidth + shadowWidth; }
    // The paper's area when its border and shadow start at the given corner.
    QRect paperRect(QPoint boxCorner, QSize paper) const;
    // Draws the border and shadow around the paper, and the paper itself
    // when no page image is going to cover it.
    void drawFrame(QPainter &painter, const QRect &paper, bool fillPaper) const;
};
