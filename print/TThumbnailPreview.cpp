#include "print/TThumbnailPreview.h"

#include "print/TPrintPreview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace
{

// Room for the painted thumbnails, in kilobytes.
constexpr int ImageCacheKilobytes = 16 * 1024;

} // namespace

TThumbnailPreview::TThumbnailPreview(QWidget *parent) : QAbstractScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setBackgroundRole(QPalette::Mid);
    viewport()->setAutoFillBackground(true);
    m_images.setMaxCost(ImageCacheKilobytes);
}

void TThumbnailPreview::SetPrintPreview(TPrintPreview *preview)
{
    if (m_preview)
        disconnect(m_preview, nullptr, this, nullptr);
    m_preview = preview;
    m_images.clear();
    if (preview) {
        connect(&preview->Pages(), &TMetafileList::pageAdded, this, &TThumbnailPreview::layOut);
        connect(&preview->Pages(), &TMetafileList::cleared, this, &TThumbnailPreview::pagesCleared);
        connect(preview, &TPrintPreview::OnChange, this, &TThumbnailPreview::showCurrentPage);
    }
    layOut();
}

QSize TThumbnailPreview::paperSize() const
{
    return m_preview ? m_preview->PaperPixels() * ThumbnailZoom / 100 : QSize();
}

QSize TThumbnailPreview::cellSize() const
{
    const int extra = m_preview ? m_preview->PaperView.extraWidth() : 0;
    return paperSize() + QSize(extra, extra + fontMetrics().height());
}

int TThumbnailPreview::columns() const
{
    return std::max(1, (viewport()->width() - Spacing) / (cellSize().width() + Spacing));
}

QRect TThumbnailPreview::ThumbnailRect(int page) const
{
    const int index = page - 1;
    const QSize cell = cellSize();
    return {QPoint(Spacing + index % columns() * (cell.width() + Spacing),
                   Spacing + index / columns() * (cell.height() + Spacing)),
            cell};
}

int TThumbnailPreview::PageAt(QPoint viewportPoint) const
{
    if (!m_preview)
        return 0;
    const QPoint point = viewportPoint + QPoint(0, verticalScrollBar()->value());
    const QSize cell = cellSize();
    const int column = (point.x() - Spacing) / (cell.width() + Spacing);
    const int row = (point.y() - Spacing) / (cell.height() + Spacing);
    if (point.x() < Spacing || point.y() < Spacing || column >= columns())
        return 0;
    const int page = row * columns() + column + 1;
    return page <= m_preview->TotalPages() && ThumbnailRect(page).contains(point) ? page : 0;
}

void TThumbnailPreview::layOut()
{
    const int pages = m_preview ? m_preview->TotalPages() : 0;
    const int rows = (pages + columns() - 1) / columns();
    const int height = Spacing + rows * (cellSize().height() + Spacing);
    verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(cellSize().height() / 4 + 1);
    viewport()->update();
}

void TThumbnailPreview::pagesCleared()
{
    m_images.clear();
    layOut();
}

void TThumbnailPreview::showCurrentPage()
{
    const int page = m_preview->CurrentPage();
    if (page > 0) {
        const QRect cell = ThumbnailRect(page);
        QScrollBar *bar = verticalScrollBar();
        if (cell.top() - Spacing < bar->value())
            bar->setValue(cell.top() - Spacing);
        else if (cell.bottom() + Spacing > bar->value() + viewport()->height())
            bar->setValue(cell.bottom() + Spacing - viewport()->height());
    }
    viewport()->update();
}

const QImage &TThumbnailPreview::thumbnail(int page)
{
    // A thumbnail painted before the paper changed is painted again.
    if (QImage *cached = m_images.object(page); cached && cached->size() == paperSize())
        return *cached;
    auto *image = new QImage(paperSize(), QImage::Format_RGB32);
    image->fill(m_preview->PaperView.paperColor);
    {
        QPainter painter(image);
        painter.setRenderHint(QPainter::Antialiasing);
        m_preview->DrawPage(page, painter, QRectF(QPointF(0, 0), QSizeF(image->size())));
    }
    m_images.insert(page, image, std::max(1, static_cast<int>(image->sizeInBytes() / 1024)));
    return *m_images.object(page);
}

void TThumbnailPreview::paintEvent(QPaintEvent *event)
{
    if (!m_preview || m_preview->TotalPages() == 0)
        return;
    QPainter painter(viewport());
    const int scrolled = verticalScrollBar()->value();
    const QRect visible = event->rect().translated(0, scrolled);
    const TPaperView &look = m_preview->PaperView;
    for (int page = 1; page <= m_preview->TotalPages(); page += columns()) {
        if (ThumbnailRect(page).top() > visible.bottom())
            break;
        for (int column = 0; column < columns() && page + column <= m_preview->TotalPages(); ++column) {
            const QRect cell = ThumbnailRect(page + column);
            if (!cell.intersects(visible))
                continue;
            const QRect shown = cell.translated(0, -scrolled);
            const QRect paper = look.paperRect(shown.topLeft(), paperSize());
            look.drawFrame(painter, paper, false);
            painter.drawImage(paper.topLeft(), thumbnail(page + column));
            const QRect number(shown.left(), paper.bottom() + look.borderWidth + look.shadowWidth + 1, shown.width(),
                               fontMetrics().height());
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(number, Qt::AlignCenter, QString::number(page + column));
            if (page + column == m_preview->CurrentPage()) {
                painter.setPen(QPen(MarkerColor, 1));
                painter.drawRect(shown.adjusted(-2, -2, 1, 1));
            }
        }
    }
}

void TThumbnailPreview::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    layOut();
}

void TThumbnailPreview::mousePressEvent(QMouseEvent *event)
{
    const int page = PageAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || page == 0) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    m_preview->SetCurrentPage(page);
    event->accept();
}

void TThumbnailPreview::scrollContentsBy(int, int)
{
    viewport()->update();
}
