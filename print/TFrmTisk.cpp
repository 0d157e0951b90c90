#include "print/TFrmTisk.h"

#include "document/EntryModel.h"
#include "i18n/CodePage.h"
#include "print/ListingFooter.h"
#include "print/PageFont.h"
#include "print/PrintWindowTitles.h"
#include "print/TPrintPreview.h"
#include "print/TThumbnailPreview.h"
#include "prompts/QtPrintPrompts.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

constexpr QSize PageButtonSize(30, 20);
constexpr QSize ZoomButtonSize(30, 23);
// Where the window opens, from the main window's corner.
constexpr QPoint OffsetFromMainWindow(-80, 20);

// A rectangle whose right and bottom edges are the ones it was built with.
QRectF edges(const QRect &rect)
{
    return {QPointF(rect.topLeft()), QPointF(rect.bottomRight())};
}

// A magnifying glass with "+" or "-" in its lens, for when the desktop theme
// has no zoom icons.
QIcon drawnMagnifier(bool plus)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    painter.drawLine(QLineF(4, 6, 8, 6));
    if (plus)
        painter.drawLine(QLineF(6, 4, 6, 8));
    painter.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(10, 10, 14.5, 14.5));
    return QIcon(pixmap);
}

// A label never narrower than the widest text it is going to show, so the
// controls beside it stay put when the page count or the zoom changes.
void reserveWidth(QLabel *label, const QString &widest)
{
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest));
    label->setAlignment(Qt::AlignCenter);
}

} // namespace

TFrmTisk::TFrmTisk(QWidget *parent)
    : QDialog(parent), m_ownPrompts(std::make_unique<QtPrintPrompts>()), m_prompts(m_ownPrompts.get()),
      m_applicationTitle(PrintWindowTitles::ApplicationTitle(QCoreApplication::applicationFilePath()))
{
    setObjectName(QStringLiteral("FrmTisk"));
    setWindowTitle(QStringLiteral("Tisk"));
    resize(DesignWidth, DesignHeight);

    m_panel = new QWidget(this);
    m_panel->setFixedHeight(PanelHeight);
    auto *row = new QHBoxLayout(m_panel);
    // Tight spacing keeps the whole row within the design width with the
    // usual desktop fonts, which are wider than the ones the design was drawn with.
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(3);
    row->addStretch();

    m_pageCaption = addLabel("Label1", QStringLiteral("Stránka:"));
    m_pageLabel = addLabel("PageLabel", QStringLiteral("0 / 0"));
    reserveWidth(m_pageLabel, QStringLiteral("00 / 00"));
    m_prevPage = addButton("PrevPageBtn", QStringLiteral("<"));
    m_prevPage->setFixedSize(PageButtonSize);
    m_nextPage = addButton("NextPageBtn", QStringLiteral(">"));
    m_nextPage->setFixedSize(PageButtonSize);
    m_zoomCaption = addLabel("Label3", QStringLiteral("zvětšení:"));
    m_zoomLabel = addLabel("ZoomLabel", QStringLiteral("0%"));
    reserveWidth(m_zoomLabel, QStringLiteral("500%"));
    m_zoomIn = addZoomButton("ZoomInBtn", true);
    m_zoomOut = addZoomButton("ZoomOutBtn", false);
    m_allPage = addButton("AllPageBtn", QStringLiteral("Celá stránka"));
    m_print = addButton("PrintBtn", QStringLiteral("Tisk"));
    m_print->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    m_zavrit = addButton("ZavritBtn", QStringLiteral("Zavřít"));
    m_zavrit->setDefault(true);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(m_panel);
    buildPreview();
    auto *pages = new QHBoxLayout;
    pages->setSpacing(0);
    pages->addWidget(ThumbnailPreview1);
    pages->addWidget(PrintPreview, 1);
    outer->addLayout(pages, 1);
    wireButtons();
    wirePreview();
}

TFrmTisk::~TFrmTisk() = default;

void TFrmTisk::buildPreview()
{
    PrintPreview = new TPrintPreview(this);
    PrintPreview->setObjectName(QStringLiteral("PrintPreview"));
    PrintPreview->setFont(QFont(QStringLiteral("Arial")));
    ThumbnailPreview1 = new TThumbnailPreview(this);
    ThumbnailPreview1->setObjectName(QStringLiteral("ThumbnailPreview1"));
    ThumbnailPreview1->setFixedWidth(ThumbnailWidth);
    ThumbnailPreview1->SetPrintPreview(PrintPreview);
}

void TFrmTisk::wireButtons()
{
    const std::pair<QPushButton *, void (TFrmTisk::*)()> handlers[] = {
        {m_prevPage, &TFrmTisk::PrevPageBtnClick}, {m_nextPage, &TFrmTisk::NextPageBtnClick},
        {m_zoomIn, &TFrmTisk::ZoomInBtnClick},     {m_zoomOut, &TFrmTisk::ZoomOutBtnClick},
        {m_allPage, &TFrmTisk::AllPageBtnClick},   {m_print, &TFrmTisk::PrintBtnClick},
        {m_zavrit, &TFrmTisk::ZavritBtnClick},
    };
    for (const auto &[button, handler] : handlers)
        connect(button, &QPushButton::clicked, this, [this, handler] { run([this, handler] { (this->*handler)(); }); });
}

void TFrmTisk::wirePreview()
{
    connect(PrintPreview, &TPrintPreview::OnBeginDoc, this, &TFrmTisk::PrintPreviewBeginDoc);
    connect(PrintPreview, &TPrintPreview::OnNewPage, this, &TFrmTisk::PrintPreviewNewPage);
    connect(PrintPreview, &TPrintPreview::OnEndPage, this, &TFrmTisk::PrintPreviewEndPage);
    connect(PrintPreview, &TPrintPreview::OnEndDoc, this, &TFrmTisk::PrintPreviewEndDoc);
    connect(PrintPreview, &TPrintPreview::OnPrintProgress, this,
            [this](int page, int percent, bool &) { PrintPreviewPrintProgress(page, percent); });
    connect(PrintPreview, &TPrintPreview::OnCanResize, this, &TFrmTisk::PrintPreviewCanResize);
    // A fitted zoom follows the preview's size; the label follows the zoom.
    connect(PrintPreview, &TPrintPreview::OnZoomChange, this, &TFrmTisk::showZoomLabel);
}

LanguageRows TFrmTisk::languageRows()
{
    using namespace LanguageTargets;
    return {
        title("21", this),                              // print
        caption("21", m_print),                         // print
        caption("22", m_allPage),                       // whole page
        caption("23", m_zavrit),                        // close
        caption("40", m_zoomCaption),                   // zoom
        caption("41", m_pageCaption),                   // page
        kept("140", &m_titles.building),                // title while the pages are built
        kept("141", &m_titles.finished),                // title once they are built
        kept("142", &m_titles.printing),                // title while printing
        kept("143", &PrintPreview->PrintFailedMessage), // a print that cannot start
    };
}

void TFrmTisk::SetPrompts(PrintPrompts *prompts)
{
    m_prompts = prompts ? prompts : m_ownPrompts.get();
}

void TFrmTisk::run(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &failure) {
        m_prompts->showError(this, QString::fromUtf8(failure.what()));
    }
}

void TFrmTisk::ShowListing(const EntryModel &entries, const QString &fileName)
{
    m_entries = &entries;
    m_fileName = fileName;
    exec();
    m_entries = nullptr;
}

// ---- opening and building --------------------------------------------------------

void TFrmTisk::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A window brought back from the task bar is not opened again.
    if (event->spontaneous())
        return;
    FormShow();
    // The pages are built once the window is on screen, so its title can
    // tell the operator what is going on meanwhile.
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            run([this] { FormActivate(); });
    });
}

void TFrmTisk::FormShow()
{
    if (const QWidget *parent = parentWidget())
        move(parent->window()->frameGeometry().topLeft() + OffsetFromMainWindow);
}

void TFrmTisk::FormActivate()
{
    m_metrics = ComputeListingMetrics(QSize(PrintPreview->PaperWidth(), PrintPreview->PaperHeight()),
                                      PrintPreview->Units(), PrintPreview->logicalDpiX(), PrintPreview->logicalDpiY());
    PrintPreview->SetZoomState(zsZoomToFit);
    PrintPreview->Clear();
    PrintPreview->PrintJobTitle = ListingTitle(m_fileName);
    BuildPages();
    AllPageBtnClick();
    // The page keys and the wheel work at once; Enter still closes the window.
    PrintPreview->setFocus();
}

void TFrmTisk::BuildPages()
{
    const int count = m_entries ? m_entries->count() : 0;
    m_listingDate = QDate::currentDate();
    m_listingPages = ListingPageCount(count);
    PrintPreview->BeginDoc();
    for (int index = 0; index < count; ++index) {
        if (index > 0 && index % ListingMetrics::EntriesPerPage == 0)
            PrintPreview->NewPage();
        printEntry(m_entries->at(index), PlaceListingEntry(m_metrics, index));
    }
    PrintPreview->EndDoc();
}

void TFrmTisk::printEntry(const Entry &entry, const ListingPlace &place)
{
    QPainter &canvas = *PrintPreview->Canvas();
    const qreal baseline = place.y + m_ascent;
    for (int cell = 0; cell < int(place.x.size()); ++cell) {
        const QByteArrayView text = entry.cellView(cell);
        if (!text.isEmpty())
            canvas.drawText(
                QPointF(place.x[size_t(cell)], baseline),
                CodePage::toUnicode(text.first(std::min<qsizetype>(text.size(), ListingMetrics::MaxTextLength))));
    }
}

// ---- the preview's events ---------------------------------------------------------

void TFrmTisk::setNavigationEnabled(bool enabled)
{
    for (QPushButton *button : {m_print, m_zoomIn, m_zoomOut, m_prevPage, m_nextPage, m_allPage})
        button->setEnabled(enabled);
}

void TFrmTisk::PrintPreviewBeginDoc()
{
    setWindowTitle(PrintWindowTitles::Building(m_titles, m_applicationTitle));
    setNavigationEnabled(false);
}

void TFrmTisk::PrintPreviewNewPage()
{
    QPainter &canvas = *PrintPreview->Canvas();
    canvas.setPen(QPen(Qt::black, 0));
    canvas.setBrush(Qt::NoBrush);
    const ListingFrame frame = ListingPageFrame(m_metrics);
    canvas.drawRect(edges(frame.left));
    canvas.drawRect(edges(frame.right));
    canvas.setFont(PageFont::WithCellHeight(canvas.font(), m_metrics.fontCellHeight));
    canvas.setBackgroundMode(Qt::TransparentMode);
    m_ascent = canvas.fontMetrics().ascent();
}

// The footer comes after the entries, so a page's text reads in its order.
void TFrmTisk::PrintPreviewEndPage()
{
    // The page being finished follows the ones recorded before it.
    printFooter(*PrintPreview->Canvas(), PrintPreview->TotalPages() + 1);
}

void TFrmTisk::printFooter(QPainter &canvas, int page)
{
    const ListingFooterPlace place = PlaceListingFooter(m_metrics);
    const ListingFooterTexts texts = ComposeListingFooter(m_fileName, m_listingDate, page, m_listingPages);
    const qreal baseline = place.y + m_ascent;
    const QFontMetricsF metrics(canvas.font(), canvas.device());
    canvas.drawText(QPointF(place.left, baseline), texts.fileName);
    canvas.drawText(QPointF(place.centre - metrics.horizontalAdvance(texts.date) / 2, baseline), texts.date);
    canvas.drawText(QPointF(place.right - metrics.horizontalAdvance(texts.pageNumbers), baseline), texts.pageNumbers);
}

void TFrmTisk::PrintPreviewEndDoc()
{
    setWindowTitle(PrintWindowTitles::Finished(m_titles, m_applicationTitle));
    showPageLabel();
    setNavigationEnabled(true);
}

void TFrmTisk::PrintPreviewPrintProgress(int page, int percent)
{
    setWindowTitle(
        PrintWindowTitles::Printing(m_titles, m_applicationTitle, page, PrintPreview->TotalPages(), percent));
}

void TFrmTisk::PrintPreviewCanResize()
{
    showZoomLabel();
}

void TFrmTisk::showPageLabel()
{
    m_pageLabel->setText(PrintWindowTitles::PageLabel(PrintPreview->CurrentPage(), PrintPreview->TotalPages()));
}

void TFrmTisk::showZoomLabel()
{
    m_zoomLabel->setText(PrintWindowTitles::ZoomLabel(PrintPreview->Zoom()));
}

// ---- buttons ----------------------------------------------------------------------

void TFrmTisk::ZoomInBtnClick()
{
    PrintPreview->SetZoom(PrintPreview->Zoom() * 2);
    showZoomLabel();
}

void TFrmTisk::ZoomOutBtnClick()
{
    PrintPreview->SetZoom(PrintPreview->Zoom() / 2);
    showZoomLabel();
}

void TFrmTisk::AllPageBtnClick()
{
    PrintPreview->SetZoomState(zsZoomToFit);
    showZoomLabel();
}

void TFrmTisk::PrevPageBtnClick()
{
    if (PrintPreview->CurrentPage() > 1) {
        PrintPreview->SetCurrentPage(PrintPreview->CurrentPage() - 1);
        showPageLabel();
    }
}

void TFrmTisk::NextPageBtnClick()
{
    if (PrintPreview->CurrentPage() < PrintPreview->TotalPages()) {
        PrintPreview->SetCurrentPage(PrintPreview->CurrentPage() + 1);
        showPageLabel();
    }
}

void TFrmTisk::PrintBtnClick()
{
    PrintPreview->PushPrinterSettings();
    if (PrintPreview->State() != TPrintPreview::psReady)
        return;
    QPrinter &printer = PrintPreview->Printer();
    if (!m_prompts->choosePrinter(this, printer, PrintPreview->TotalPages()))
        return;
    PrintPreview->PullPrinterSettings();
    PrintPreview->viewport()->update();
    // The dialog's pages are taken as it names them: for "2,4" the printer's
    // first and last page would be 2 and 4, and page 3 would come out too.
    if (printer.printRange() == QPrinter::PageRange)
        PrintPreview->PrintPages(printer.pageRanges());
    else
        PrintPreview->Print();
    close();
}

void TFrmTisk::ZavritBtnClick()
{
    PrintPreview->Clear();
    close();
}

QLabel *TFrmTisk::addLabel(const char *name, const QString &text)
{
    auto *label = new QLabel(text, m_panel);
    label->setObjectName(QLatin1StringView(name));
    m_panel->layout()->addWidget(label);
    return label;
}

QPushButton *TFrmTisk::addButton(const char *name, const QString &text)
{
    auto *button = new QPushButton(text, m_panel);
    button->setObjectName(QLatin1StringView(name));
    m_panel->layout()->addWidget(button);
    return button;
}

QPushButton *TFrmTisk::addZoomButton(const char *name, bool zoomIn)
{
    const QString themeName = zoomIn ? QStringLiteral("zoom-in") : QStringLiteral("zoom-out");
    QPushButton *button = addButton(name, {});
    button->setIcon(QIcon::fromTheme(themeName, drawnMagnifier(zoomIn)));
    button->setFixedSize(ZoomButtonSize);
    return button;
}
