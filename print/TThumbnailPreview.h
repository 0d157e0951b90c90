#pragma once

#include <QAbstractScrollArea>
#include <QCache>
#include <QImage>
#include <QPointer>

class TPrintPreview;

// A strip of every recorded page in small (10 % of the paper at 100 % zoom),
// each with its number beneath it, bound to a TPrintPreview. The preview's
// current page is framed in blue; clicking a page makes it current. Only the
// thumbnails in view are painted.
class TThumbnailPreview : public QAbstractScrollArea
{
    Q_OBJECT
public:
    static constexpr int ThumbnailZoom = 10;
    // Between thumbnails and from the edges.
    static constexpr int Spacing = 6;

    explicit TThumbnailPreview(QWidget *parent = nullptr);

    TPrintPreview *PrintPreview() const { return m_preview; }
    void SetPrintPreview(TPrintPreview *preview);
    QColor MarkerColor = Qt::blue;

    // Where the thumbnail of a page (from 1) and its number sit, in the
    // strip's own coordinates (not scrolled).
    QRect ThumbnailRect(int page) const;
    // The page whose thumbnail or number is at a point of the view; 0 for none.
    int PageAt(QPoint viewportPoint) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSize paperSize() const;
    QSize cellSize() const;
    int columns() const;
    void layOut();
    void pagesCleared();
    void showCurrentPage();
    const QImage &thumbnail(int page);

    QPointer<TPrintPreview> m_preview;
    // Painted thumbnails, so scrolling back does not load their pages again.
    QCache<int, QImage> m_images;
};
