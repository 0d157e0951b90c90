#include "print/TPrintPreview.h"

#include "print/PageChoice.h"
#include "print/PageFont.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPrinter>
#include <QScopeGuard>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace
{

// Room between the sheet's shadow and the edges of the view.
constexpr int PaperMargin = 8;
// The scroll bars' line step, in screen pixels.
constexpr int LineStep = 8;
// One notch of a mouse wheel.
constexpr int WheelNotch = 120;

int percentOf(int part, int whole)
{
    return static_cast<int>(std::lround(100.0 * part / whole));
}

} // namespace

TPrintPreview::TPrintPreview(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Mid);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(LineStep);
    verticalScrollBar()->setSingleStep(LineStep);
    connect(&m_pages, &TMetafileList::pageAdded, this, &TPrintPreview::pageAdded);
    layOut();
}

TPrintPreview::~TPrintPreview()
{
    if (m_canvas.isActive())
        m_canvas.end();
}

// ---- paper --------------------------------------------------------------------

QSize TPrintPreview::uprightPaper() const
{
    return m_paperType == QPageSize::Custom ? m_customPaper
                                            : (QPageSize::size(m_paperType, QPageSize::Millimeter) * 100).toSize();
}

int TPrintPreview::PaperWidth() const
{
    return m_orientation == poPortrait ? uprightPaper().width() : uprightPaper().height();
}

int TPrintPreview::PaperHeight() const
{
    return m_orientation == poPortrait ? uprightPaper().height() : uprightPaper().width();
}

void TPrintPreview::SetPaperType(QPageSize::PageSizeId paperType)
{
    if (m_state != psReady || paperType == QPageSize::Custom)
        return;
    m_paperType = paperType;
    paperChanged();
}

void TPrintPreview::SetCustomPaper(QSize size)
{
    if (m_state != psReady || size.isEmpty())
        return;
    m_paperType = QPageSize::Custom;
    m_customPaper = size;
    paperChanged();
}

void TPrintPreview::SetOrientation(TPrinterOrientation orientation)
{
    if (m_state != psReady)
        return;
    m_orientation = orientation;
    paperChanged();
}

QSize TPrintPreview::PaperPixels() const
{
    return {ConvertUnits(PaperWidth(), Units(), mmPixel, logicalDpiX()),
            ConvertUnits(PaperHeight(), Units(), mmPixel, logicalDpiY())};
}

void TPrintPreview::paperChanged()
{
    m_pageImageOf = 0;
    layOut();
}

// ---- recording ----------------------------------------------------------------

void TPrintPreview::BeginDoc()
{
    if (m_state != psReady)
        return;
    Clear();
    m_state = psCreating;
    m_recordedPixels = PaperPixels();
    emit OnBeginDoc();
    NewPage();
}

void TPrintPreview::NewPage()
{
    if (m_state != psCreating)
        return;
    if (m_canvas.isActive())
        closePage();
    m_recording = QPicture();
    if (!m_canvas.begin(&m_recording)) {
        m_state = psReady;
        throw std::runtime_error("A page could not be recorded.");
    }
    // Page units are mapped onto the paper's size in screen pixels.
    m_canvas.setWindow(0, 0, PaperWidth(), PaperHeight());
    m_canvas.setViewport(QRect(QPoint(0, 0), m_recordedPixels));
    m_canvas.setFont(PageFont::InPageUnits(font(), Units(), logicalDpiY()));
    emit OnNewPage();
}

void TPrintPreview::EndDoc()
{
    if (m_state != psCreating)
        return;
    if (m_canvas.isActive())
        closePage();
    emit OnEndDoc();
    m_state = psReady;
}

void TPrintPreview::closePage()
{
    emit OnEndPage();
    m_canvas.end();
    m_pages.add(m_recording);
    m_recording = QPicture();
}

void TPrintPreview::Clear()
{
    if (m_state != psReady)
        return;
    m_pages.clear();
    m_currentPage = 0;
    m_pageImageOf = 0;
    m_pageImage = QImage();
    updateCursor();
    viewport()->update();
}

void TPrintPreview::pageAdded(int count)
{
    if (count != 1)
        return;
    m_currentPage = 1;
    m_pageImageOf = 0;
    layOut();
    emit OnChange();
}

void TPrintPreview::SetCurrentPage(int page)
{
    if (TotalPages() == 0)
        return;
    page = std::clamp(page, 1, TotalPages());
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    viewport()->update();
    emit OnChange();
}

// ---- zoom and layout -----------------------------------------------------------

void TPrintPreview::SetZoomState(TZoomState state)
{
    m_zoomState = state;
    layOut();
}

void TPrintPreview::SetZoom(int zoom)
{
    m_zoom = std::clamp(zoom, ZoomMin, ZoomMax);
    m_zoomState = zsZoomOther;
    layOut();
    emit OnZoomChange();
}

void TPrintPreview::layOut()
{
    const int extra = PaperView.extraWidth() + 2 * PaperMargin;
    const QSize available = (viewport()->size() - QSize(extra, extra)).expandedTo(QSize(1, 1));
    const int oldZoom = m_zoom;
    const PaperDisplay display = ComputePaperDisplay(m_zoomState, m_zoom, PaperPixels(), available);
    m_shownPaper = display.paper;
    m_zoom = display.zoom;
    const QSize content = m_shownPaper + QSize(extra, extra);
    const std::pair<QScrollBar *, int> bars[] = {{horizontalScrollBar(), content.width() - viewport()->width()},
                                                 {verticalScrollBar(), content.height() - viewport()->height()}};
    for (const auto &[bar, maximum] : bars) {
        const int position = bar->value();
        const int oldMaximum = bar->maximum();
        bar->setRange(0, std::max(0, maximum));
        bar->setPageStep(bar == horizontalScrollBar() ? viewport()->width() : viewport()->height());
        if (ZoomSavePos)
            bar->setValue(KeepScrollFraction(position, oldMaximum, bar->maximum()));
    }
    updateCursor();
    viewport()->update();
    // The fitted states follow the view's size, and with it the zoom.
    if (m_zoom != oldZoom && m_zoomState != zsZoomOther)
        emit OnZoomChange();
}

QRect TPrintPreview::paperRectOnScreen() const
{
    const QSize box = m_shownPaper + QSize(PaperView.extraWidth(), PaperView.extraWidth());
    const QSize view = viewport()->size();
    const auto place = [](int boxLength, int viewLength, int scrolled) {
        return boxLength + 2 * PaperMargin <= viewLength ? (viewLength - boxLength) / 2 : PaperMargin - scrolled;
    };
    const QPoint corner(place(box.width(), view.width(), horizontalScrollBar()->value()),
                        place(box.height(), view.height(), verticalScrollBar()->value()));
    return PaperView.paperRect(corner, m_shownPaper);
}

// ---- painting -----------------------------------------------------------------

void TPrintPreview::DrawPage(int page, QPainter &painter, const QRectF &target)
{
    if (page < 1 || page > TotalPages() || m_recordedPixels.isEmpty())
        return;
    const QPicture &picture = m_pages.page(page - 1);
    const QPaintDevice *device = painter.device();
    painter.save();
    painter.translate(target.topLeft());
    // A picture plays itself scaled by the target's resolution over its own;
    // that is taken out again so that only the stretch onto the target remains.
    painter.scale(target.width() / m_recordedPixels.width() * picture.logicalDpiX() / device->logicalDpiX(),
                  target.height() / m_recordedPixels.height() * picture.logicalDpiY() / device->logicalDpiY());
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

const QImage &TPrintPreview::pageImage()
{
    if (m_pageImageOf != m_currentPage || m_pageImage.size() != m_shownPaper) {
        m_pageImage = QImage(m_shownPaper, QImage::Format_RGB32);
        m_pageImage.fill(PaperView.paperColor);
        QPainter painter(&m_pageImage);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        DrawPage(m_currentPage, painter, QRectF(QPointF(0, 0), QSizeF(m_shownPaper)));
        m_pageImageOf = m_currentPage;
    }
    return m_pageImage;
}

void TPrintPreview::paintEvent(QPaintEvent *)
{
    if (m_currentPage == 0)
        return;
    QPainter painter(viewport());
    const QRect paper = paperRectOnScreen();
    PaperView.drawFrame(painter, paper, false);
    painter.drawImage(paper.topLeft(), pageImage());
}

void TPrintPreview::resizeEvent(QResizeEvent *event)
{
    emit OnCanResize();
    QAbstractScrollArea::resizeEvent(event);
    layOut();
}

void TPrintPreview::scrollContentsBy(int, int)
{
    viewport()->update();
}

// ---- keys, wheel and dragging --------------------------------------------------

void TPrintPreview::scrollBy(Qt::Orientation orientation, int pixels)
{
    QScrollBar *bar = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    bar->setValue(bar->value() + pixels);
}

void TPrintPreview::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool ctrl = modifiers & Qt::ControlModifier;
    const auto step = [&](Qt::Orientation orientation) {
        if (modifiers & Qt::ShiftModifier)
            return 1;
        if (ctrl)
            return orientation == Qt::Horizontal ? viewport()->width() : viewport()->height();
        return (orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar())->singleStep();
    };
    QScrollBar *homeEndBar = ctrl ? verticalScrollBar() : horizontalScrollBar();
    const bool keypad = modifiers & Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Home:
        homeEndBar->setValue(homeEndBar->minimum());
        break;
    case Qt::Key_End:
        homeEndBar->setValue(homeEndBar->maximum());
        break;
    case Qt::Key_Left:
        scrollBy(Qt::Horizontal, -step(Qt::Horizontal));
        break;
    case Qt::Key_Right:
        scrollBy(Qt::Horizontal, step(Qt::Horizontal));
        break;
    case Qt::Key_Up:
        scrollBy(Qt::Vertical, -step(Qt::Vertical));
        break;
    case Qt::Key_Down:
        scrollBy(Qt::Vertical, step(Qt::Vertical));
        break;
    case Qt::Key_PageDown:
        SetCurrentPage(ctrl ? TotalPages() : m_currentPage + 1);
        break;
    case Qt::Key_PageUp:
        SetCurrentPage(ctrl ? 1 : m_currentPage - 1);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        if (!keypad) {
            QAbstractScrollArea::keyPressEvent(event);
            return;
        }
        SetZoom(m_zoom + (event->key() == Qt::Key_Plus ? ZoomStep : -ZoomStep));
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TPrintPreview::wheelEvent(QWheelEvent *event)
{
    const QPoint angle = event->angleDelta();
    m_wheelDelta += angle.y() != 0 ? angle.y() : angle.x();
    while (std::abs(m_wheelDelta) >= WheelNotch) {
        // Positive turns the wheel away from the user.
        const int away = m_wheelDelta > 0 ? 1 : -1;
        m_wheelDelta -= away * WheelNotch;
        wheelStep(away, event->modifiers(), event->buttons());
    }
    event->accept();
}

void TPrintPreview::wheelStep(int away, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    if (modifiers & Qt::ControlModifier)
        SetZoom(m_zoom + away * ZoomStep);
    else if ((modifiers & Qt::ShiftModifier) || (buttons & Qt::MiddleButton))
        SetCurrentPage(m_currentPage - away);
    else
        scrollBy(Qt::Vertical, -away * verticalScrollBar()->singleStep());
}

bool TPrintPreview::draggable() const
{
    return m_currentPage > 0 && (horizontalScrollBar()->maximum() > 0 || verticalScrollBar()->maximum() > 0);
}

void TPrintPreview::updateCursor()
{
    viewport()->setCursor(m_dragging ? PaperView.grabCursor : draggable() ? PaperView.dragCursor : PaperView.cursor);
}

void TPrintPreview::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !draggable()) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    m_dragFrom = event->position().toPoint();
    m_dragScroll = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    updateCursor();
}

void TPrintPreview::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    const QPoint moved = event->position().toPoint() - m_dragFrom;
    horizontalScrollBar()->setValue(m_dragScroll.x() - moved.x());
    verticalScrollBar()->setValue(m_dragScroll.y() - moved.y());
}

void TPrintPreview::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        updateCursor();
        return;
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

// ---- printing -------------------------------------------------------------------

QPrinter &TPrintPreview::Printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The painter's origin is the paper's corner, not the printable
        // area's, so page units land at their true place on the sheet.
        m_printer->setFullPage(true);
        m_printer->setCollateCopies(true);
    }
    return *m_printer;
}

bool TPrintPreview::CanPrintOn(const QPrinter &printer)
{
    const QString target =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
    return printer.isValid() && !target.isEmpty();
}

void TPrintPreview::PushPrinterSettings()
{
    QPrinter &printer = Printer();
    if (!printer.isValid())
        return;
    printer.setPageSize(m_paperType == QPageSize::Custom
                            ? QPageSize(QSizeF(m_customPaper) / 100.0, QPageSize::Millimeter)
                            : QPageSize(m_paperType));
    printer.setPageOrientation(m_orientation == poPortrait ? QPageLayout::Portrait : QPageLayout::Landscape);
}

void TPrintPreview::PullPrinterSettings()
{
    QPrinter &printer = Printer();
    if (m_state != psReady || !printer.isValid())
        return;
    const QPageLayout layout = printer.pageLayout();
    m_orientation = layout.orientation() == QPageLayout::Landscape ? poLandscape : poPortrait;
    // A paper the table does not know by its code is taken as a custom size.
    m_paperType = QPageSize::id(layout.pageSize().windowsId());
    if (m_paperType == QPageSize::Custom)
        m_customPaper = (layout.pageSize().size(QPageSize::Millimeter) * 100).toSize();
    paperChanged();
}

void TPrintPreview::Print()
{
    PrintPages(1, TotalPages());
}

void TPrintPreview::PrintPages(int first, int last)
{
    printList(PageChoice::Span(first, last, TotalPages()));
}

void TPrintPreview::PrintPages(const QPageRanges &ranges)
{
    printList(PageChoice::Listed(ranges, TotalPages()));
}

void TPrintPreview::printList(const std::vector<int> &pages)
{
    if (m_state != psReady || pages.empty() || !CanPrintOn(Printer()))
        return;
    m_state = psPrinting;
    const auto backToIdle = qScopeGuard([this] { m_state = psReady; });
    emit OnBeforePrint();
    PushPrinterSettings();
    QPrinter &printer = Printer();
    printer.setDocName(PrintJobTitle);
    QPainter painter;
    if (!painter.begin(&printer)) {
        emit OnAfterPrint();
        const QString target =
            printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
        throw std::runtime_error(PrintFailedMessage.arg(target).toStdString());
    }
    const QRectF target(0, 0, ConvertUnits(PaperWidth(), Units(), mmPixel, printer.logicalDpiX()),
                        ConvertUnits(PaperHeight(), Units(), mmPixel, printer.logicalDpiY()));
    const int count = static_cast<int>(pages.size());
    bool cancelled = false;
    for (int printed = 0; printed < count && !cancelled; ++printed) {
        cancelled = !printPage(painter, pages[size_t(printed)], printed, count, target);
        if (!cancelled && printed + 1 < count)
            printer.newPage();
    }
    if (cancelled)
        printer.abort();
    painter.end();
    m_state = psReady;
    emit OnAfterPrint();
    if (cancelled)
        emit OnAbort();
}

// The percentages count through the pages of this print, so a range and a
// list alike run from 0 to 100.
bool TPrintPreview::printPage(QPainter &painter, int page, int printedBefore, int count, const QRectF &target)
{
    bool cancel = false;
    emit OnPrintProgress(page, percentOf(printedBefore, count), cancel);
    if (cancel)
        return false;
    DrawPage(page, painter, target);
    emit OnPrintProgress(page, percentOf(printedBefore + 1, count), cancel);
    return !cancel;
}
