#include "print/TPaperView.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

TPaperView::TPaperView() : shadowColor(QGuiApplication::palette().color(QPalette::Dark)) {}

QRect TPaperView::paperRect(QPoint boxCorner, QSize paper) const
{
    return {boxCorner + QPoint(borderWidth, borderWidth), paper};
}

void TPaperView::drawFrame(QPainter &painter, const QRect &paper, bool fillPaper) const
{
    const QRect bordered = paper.adjusted(-borderWidth, -borderWidth, borderWidth, borderWidth);
    painter.fillRect(bordered.translated(shadowWidth, shadowWidth), shadowColor);
    painter.fillRect(bordered, borderColor);
    if (fillPaper)
        painter.fillRect(paper, paperColor);
}
