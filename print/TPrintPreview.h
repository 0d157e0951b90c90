#pragma once

#include "print/PageUnits.h"
#include "print/PreviewZoom.h"
#include "print/TMetafileList.h"
#include "print/TPaperView.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QPageRanges>
#include <QPageSize>
#include <QPainter>
#include <QPicture>

#include <memory>
#include <vector>

class QPrinter;

// A scrolling control that records pages drawn in page units (0.01 mm on an
// A4 portrait sheet), keeps them in a TMetafileList, shows one page at a time
// as a sheet of paper at a chosen zoom and prints all or a range of them.
//
// Pages are drawn through Canvas() between BeginDoc() and EndDoc(); every
// step is announced by a signal so the owner can draw what belongs on each
// page. The shown page is painted through an off-screen image that is drawn
// again only when the page, the zoom or the size changes.
class TPrintPreview : public QAbstractScrollArea
{
    Q_OBJECT
public:
    enum TPreviewState { psReady, psCreating, psPrinting };
    enum TPrinterOrientation { poPortrait, poLandscape };

    static constexpr int ZoomMin = 10;
    static constexpr int ZoomMax = 500;
    static constexpr int ZoomStep = 10;

    explicit TPrintPreview(QWidget *parent = nullptr);
    ~TPrintPreview() override;

    TUnits Units() const { return mmHiMetric; }
    QPageSize::PageSizeId PaperType() const { return m_paperType; }
    TPrinterOrientation Orientation() const { return m_orientation; }
    // The paper in page units; landscape swaps width and height.
    int PaperWidth() const;
    int PaperHeight() const;
    // These change the paper only while no pages are being recorded or printed.
    void SetPaperType(QPageSize::PageSizeId paperType);
    // A paper of no listed size, given upright in page units.
    void SetCustomPaper(QSize size);
    void SetOrientation(TPrinterOrientation orientation);

    TZoomState ZoomState() const { return m_zoomState; }
    void SetZoomState(TZoomState state);
    int Zoom() const { return m_zoom; }
    // Clamped to ZoomMin..ZoomMax; leaves the fitted states for a free zoom.
    void SetZoom(int zoom);
    // Whether a change of zoom keeps the scroll position at the same fraction
    // of the scroll range.
    bool ZoomSavePos = true;

    QString PrintJobTitle;
    // The failure of a print that cannot start; %1 the printer or the file.
    QString PrintFailedMessage = QStringLiteral("Unable to print to %1");
    TPaperView PaperView;

    TPreviewState State() const { return m_state; }
    int CurrentPage() const { return m_currentPage; }
    // Clamped to 1..TotalPages(); nothing happens without pages.
    void SetCurrentPage(int page);
    int TotalPages() const { return m_pages.count(); }
    TMetafileList &Pages() { return m_pages; }

    // Recording. BeginDoc is ignored unless idle, NewPage and EndDoc unless recording.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    // The open page's canvas; null when no page is open.
    QPainter *Canvas() { return m_canvas.isActive() ? &m_canvas : nullptr; }
    // Removes all pages; ignored while recording or printing.
    void Clear();

    // The printer pages go to, made the first time it is asked for.
    QPrinter &Printer();
    // True when the printer can take a job: a printer of the system, or a
    // file to print into.
    static bool CanPrintOn(const QPrinter &printer);
    // Gives the paper and orientation to the printer.
    void PushPrinterSettings();
    // Takes the printer's paper and orientation back.
    void PullPrinterSettings();
    void Print();
    // Prints pages first..last; does nothing unless idle, with pages, a printer
    // that can take the job and first <= last. A printer that refuses the job
    // raises an error.
    void PrintPages(int first, int last);
    // Prints the pages the ranges name, as a printer holds the print dialog's
    // choice: "2,4" prints pages 2 and 4 alone. Pages beyond the last are left
    // out; otherwise as above.
    void PrintPages(const QPageRanges &ranges);

    // Draws a recorded page (from 1) stretched over the target rectangle.
    void DrawPage(int page, QPainter &painter, const QRectF &target);
    // The paper's size on screen at 100 %.
    QSize PaperPixels() const;

signals:
    void OnBeginDoc();
    void OnNewPage();
    void OnEndPage();
    void OnEndDoc();
    // Before and after each printed page; a handler may set cancel to stop.
    void OnPrintProgress(int page, int percent, bool &cancel);
    void OnChange();
    void OnZoomChange();
    void OnBeforePrint();
    void OnAfterPrint();
    void OnAbort();
    // Before the control's size changes.
    void OnCanResize();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSize uprightPaper() const;
    void closePage();
    void pageAdded(int count);
    void paperChanged();
    void layOut();
    void updateCursor();
    bool draggable() const;
    QRect paperRectOnScreen() const;
    const QImage &pageImage();
    void scrollBy(Qt::Orientation orientation, int pixels);
    void wheelStep(int direction, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
    void printList(const std::vector<int> &pages);
    bool printPage(QPainter &painter, int page, int printedBefore, int count, const QRectF &target);

    TMetafileList m_pages;
    QPicture m_recording;
    QPainter m_canvas;
    TPreviewState m_state = psReady;
    QPageSize::PageSizeId m_paperType = QPageSize::A4;
    QSize m_customPaper;
    TPrinterOrientation m_orientation = poPortrait;
    TZoomState m_zoomState = zsZoomToFit;
    int m_zoom = 100;
    int m_currentPage = 0;
    // The paper as shown: its size at the current zoom.
    QSize m_shownPaper;
    // The size in screen pixels the pages were recorded at.
    QSize m_recordedPixels;
    QImage m_pageImage;
    int m_pageImageOf = 0;
    int m_wheelDelta = 0;
    bool m_dragging = false;
    QPoint m_dragFrom;
    QPoint m_dragScroll;
    std::unique_ptr<QPrinter> m_printer;
};
