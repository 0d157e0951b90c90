#include "PdfTools.h"

#include "print/TPrintPreview.h"

#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// Page k carries a black square 10 mm wide at k centimetres from the left and
// the word "Pagek" near the top.
void recordPages(TPrintPreview &preview, int count)
{
    preview.BeginDoc();
    for (int page = 1; page <= count; ++page) {
        if (page > 1)
            preview.NewPage();
        QPainter &canvas = *preview.Canvas();
        canvas.fillRect(QRect(page * 1000, 5000, 1000, 1000), Qt::black);
        QFont font = canvas.font();
        font.setPixelSize(400);
        canvas.setFont(font);
        canvas.drawText(QPointF(1000, 2000), QStringLiteral("Page%1").arg(page));
    }
    preview.EndDoc();
}

// Whether the page drawn on a sheet of 1 pixel per millimetre is black where
// the square of the given page would be.
bool showsSquareOf(TPrintPreview &preview, int drawnPage, int squareOf)
{
    QImage sheet(210, 297, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    preview.DrawPage(drawnPage, painter, QRectF(0, 0, 210, 297));
    painter.end();
    return qGray(sheet.pixel(squareOf * 10 + 5, 55)) < 64;
}

class Preview : public testing::Test
{
protected:
    void SetUp() override
    {
        preview.resize(400, 560);
        preview.show();
    }
    void wheel(int delta, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton)
    {
        const QPointF at(50, 50);
        QWheelEvent event(at, preview.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), buttons, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(preview.viewport(), &event);
    }

    TPrintPreview preview;
};

} // namespace

TEST_F(Preview, A4PortraitInHundredthsOfAMillimetreWithWholePageZoom)
{
    EXPECT_EQ(preview.Units(), mmHiMetric);
    EXPECT_EQ(preview.PaperType(), QPageSize::A4);
    EXPECT_EQ(QPageSize::windowsId(preview.PaperType()), 9);
    EXPECT_EQ(preview.PaperWidth(), 21000);
    EXPECT_EQ(preview.PaperHeight(), 29700);
    EXPECT_EQ(preview.ZoomState(), zsZoomToFit);
    EXPECT_EQ(preview.CurrentPage(), 0);
    preview.SetOrientation(TPrintPreview::poLandscape);
    EXPECT_EQ(preview.PaperWidth(), 29700);
}

// Pages go into one stream; any of them, the middle ones included, is loaded back by itself.
TEST_F(Preview, RecordedPagesComeBackOneByOneFromTheStream)
{
    QSignalSpy added(&preview.Pages(), &TMetafileList::pageAdded);
    recordPages(preview, 4);
    EXPECT_EQ(added.count(), 4);
    EXPECT_EQ(preview.TotalPages(), 4);
    EXPECT_EQ(preview.CurrentPage(), 1);
    EXPECT_GT(preview.Pages().streamSize(), 0);
    for (int page : {3, 1, 4, 2}) {
        EXPECT_TRUE(showsSquareOf(preview, page, page)) << page;
        EXPECT_FALSE(showsSquareOf(preview, page, page == 1 ? 2 : 1)) << page;
    }
}

TEST_F(Preview, SecondBeginWhileRecordingIsIgnored)
{
    QSignalSpy begun(&preview, &TPrintPreview::OnBeginDoc);
    QSignalSpy newPages(&preview, &TPrintPreview::OnNewPage);
    QSignalSpy ended(&preview, &TPrintPreview::OnEndDoc);
    preview.BeginDoc();
    preview.Canvas()->fillRect(QRect(1000, 5000, 1000, 1000), Qt::black);
    preview.BeginDoc();
    EXPECT_EQ(preview.State(), TPrintPreview::psCreating);
    preview.EndDoc();
    EXPECT_EQ(begun.count(), 1);
    EXPECT_EQ(newPages.count(), 1);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(preview.TotalPages(), 1);
    EXPECT_TRUE(showsSquareOf(preview, 1, 1));
    // Outside recording, new page and end do nothing and there is no canvas.
    preview.NewPage();
    preview.EndDoc();
    EXPECT_EQ(preview.TotalPages(), 1);
    EXPECT_EQ(preview.Canvas(), nullptr);
}

TEST_F(Preview, ClearRemovesThePagesAndBeginStartsAfresh)
{
    recordPages(preview, 3);
    preview.Clear();
    EXPECT_EQ(preview.TotalPages(), 0);
    EXPECT_EQ(preview.CurrentPage(), 0);
    preview.SetCurrentPage(2);
    EXPECT_EQ(preview.CurrentPage(), 0);
    recordPages(preview, 2);
    EXPECT_EQ(preview.TotalPages(), 2);
    EXPECT_TRUE(showsSquareOf(preview, 2, 2));
}

TEST_F(Preview, ZoomIsClampedAndLeavesTheWholePageState)
{
    QSignalSpy zoomChanges(&preview, &TPrintPreview::OnZoomChange);
    preview.SetZoom(600);
    EXPECT_EQ(preview.Zoom(), 500);
    EXPECT_EQ(preview.ZoomState(), zsZoomOther);
    preview.SetZoom(5);
    EXPECT_EQ(preview.Zoom(), 10);
    EXPECT_EQ(zoomChanges.count(), 2);
    // The whole page fits the view again, whatever zoom that takes.
    preview.SetZoomState(zsZoomToFit);
    EXPECT_LT(preview.Zoom(), 100);
    EXPECT_EQ(preview.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(preview.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(zoomChanges.count(), 3);
}

TEST_F(Preview, SettingAPageClampsToThePagesThereAre)
{
    recordPages(preview, 3);
    QSignalSpy changes(&preview, &TPrintPreview::OnChange);
    preview.SetCurrentPage(7);
    EXPECT_EQ(preview.CurrentPage(), 3);
    preview.SetCurrentPage(-1);
    EXPECT_EQ(preview.CurrentPage(), 1);
    preview.SetCurrentPage(1);
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(Preview, PageKeysLeafAndStopAtTheEnds)
{
    recordPages(preview, 3);
    preview.setFocus();
    QSignalSpy changes(&preview, &TPrintPreview::OnChange);
    QTest::keyClick(&preview, Qt::Key_PageUp);
    EXPECT_EQ(preview.CurrentPage(), 1);
    QTest::keyClick(&preview, Qt::Key_PageDown);
    QTest::keyClick(&preview, Qt::Key_PageDown);
    EXPECT_EQ(preview.CurrentPage(), 3);
    QTest::keyClick(&preview, Qt::Key_PageDown);
    EXPECT_EQ(preview.CurrentPage(), 3);
    EXPECT_EQ(changes.count(), 2);
    QTest::keyClick(&preview, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(preview.CurrentPage(), 1);
    QTest::keyClick(&preview, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(preview.CurrentPage(), 3);
}

TEST_F(Preview, KeypadPlusAndMinusStepTheZoom)
{
    recordPages(preview, 1);
    preview.SetZoom(100);
    QTest::keyClick(&preview, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(preview.Zoom(), 110);
    QTest::keyClick(&preview, Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyClick(&preview, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(preview.Zoom(), 90);
    // The main keyboard's plus is no zoom key.
    QTest::keyClick(&preview, Qt::Key_Plus);
    EXPECT_EQ(preview.Zoom(), 90);
}

TEST_F(Preview, ScrollKeysMoveThroughALargePage)
{
    recordPages(preview, 1);
    preview.SetZoom(300);
    QScrollBar *h = preview.horizontalScrollBar();
    QScrollBar *v = preview.verticalScrollBar();
    ASSERT_GT(h->maximum(), 0);
    QTest::keyClick(&preview, Qt::Key_End);
    EXPECT_EQ(h->value(), h->maximum());
    EXPECT_EQ(v->value(), 0);
    QTest::keyClick(&preview, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(v->value(), v->maximum());
    QTest::keyClick(&preview, Qt::Key_Home);
    EXPECT_EQ(h->value(), 0);
    QTest::keyClick(&preview, Qt::Key_Right);
    EXPECT_EQ(h->value(), h->singleStep());
    QTest::keyClick(&preview, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(h->value(), h->singleStep() + 1);
    QTest::keyClick(&preview, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(v->value(), v->maximum() - preview.viewport()->height());
    QTest::keyClick(&preview, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(v->value(), 0);
}

// The wheel scrolls, zooms with Ctrl and leafs with Shift, one step per whole notch.
TEST_F(Preview, WheelScrollsZoomsAndLeafs)
{
    recordPages(preview, 3);
    preview.SetZoom(200);
    wheel(-60, Qt::NoModifier);
    EXPECT_EQ(preview.verticalScrollBar()->value(), 0);
    wheel(-60, Qt::NoModifier);
    EXPECT_EQ(preview.verticalScrollBar()->value(), preview.verticalScrollBar()->singleStep());
    wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(preview.Zoom(), 190);
    wheel(240, Qt::ControlModifier);
    EXPECT_EQ(preview.Zoom(), 210);
    wheel(-120, Qt::ShiftModifier);
    EXPECT_EQ(preview.CurrentPage(), 2);
    wheel(-120, Qt::NoModifier, Qt::MiddleButton);
    EXPECT_EQ(preview.CurrentPage(), 3);
    wheel(120, Qt::ShiftModifier);
    EXPECT_EQ(preview.CurrentPage(), 2);
}

TEST_F(Preview, ZoomKeepsTheScrollPositionAsAFraction)
{
    recordPages(preview, 1);
    preview.SetZoom(200);
    QScrollBar *v = preview.verticalScrollBar();
    v->setValue(v->maximum() / 2);
    preview.SetZoom(400);
    EXPECT_NEAR(v->value(), v->maximum() / 2, 2);
}

TEST_F(Preview, DraggingMovesALargePageWithTheGrabCursor)
{
    recordPages(preview, 1);
    QWidget *view = preview.viewport();
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
    preview.SetZoom(300);
    EXPECT_EQ(view->cursor().shape(), Qt::OpenHandCursor);
    preview.horizontalScrollBar()->setValue(200);
    preview.verticalScrollBar()->setValue(300);
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(view->cursor().shape(), Qt::ClosedHandCursor);
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 40), view->mapToGlobal(QPointF(60, 40)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(60, 40));
    EXPECT_EQ(preview.horizontalScrollBar()->value(), 240);
    EXPECT_EQ(preview.verticalScrollBar()->value(), 360);
    EXPECT_EQ(view->cursor().shape(), Qt::OpenHandCursor);
}

TEST_F(Preview, ThePaperIsWhiteWithABlackBorderAndAShadow)
{
    recordPages(preview, 1);
    const QImage shot = preview.viewport()->grab().toImage();
    const QPoint middle(shot.width() / 2, shot.height() / 2);
    int left = middle.x();
    while (left > 0 && shot.pixelColor(left - 1, 20) != QColor(Qt::black))
        --left;
    ASSERT_GT(left, 0);
    EXPECT_EQ(shot.pixelColor(left, 20), QColor(Qt::white));
    EXPECT_NE(shot.pixelColor(left - 2, 20), QColor(Qt::black));
}

// ---- printing ---------------------------------------------------------------------

class PreviewPrinting : public Preview
{
protected:
    void SetUp() override
    {
        Preview::SetUp();
        recordPages(preview, 10);
        preview.Printer().setOutputFormat(QPrinter::PdfFormat);
        preview.Printer().setOutputFileName(pdf);
    }

    QTemporaryDir dir;
    QString pdf = dir.filePath("listing.pdf");
};

TEST_F(PreviewPrinting, RangeReportsProgressBeforeAndAfterEachPage)
{
    QList<std::pair<int, int>> progress;
    QObject::connect(&preview, &TPrintPreview::OnPrintProgress, &preview, [&](int page, int percent, bool &) {
        progress.append({page, percent});
        EXPECT_EQ(preview.State(), TPrintPreview::psPrinting);
    });
    QSignalSpy before(&preview, &TPrintPreview::OnBeforePrint);
    QSignalSpy after(&preview, &TPrintPreview::OnAfterPrint);
    QSignalSpy aborted(&preview, &TPrintPreview::OnAbort);
    preview.PrintPages(2, 4);
    const QList<std::pair<int, int>> expected{{2, 0}, {2, 33}, {3, 33}, {3, 67}, {4, 67}, {4, 100}};
    EXPECT_EQ(progress, expected);
    EXPECT_EQ(before.count(), 1);
    EXPECT_EQ(after.count(), 1);
    EXPECT_EQ(aborted.count(), 0);
    EXPECT_EQ(preview.State(), TPrintPreview::psReady);
    EXPECT_EQ(PdfTools::pageCount(pdf), 3);
    EXPECT_TRUE(PdfTools::text(pdf, 1).contains("Page2"));
    EXPECT_TRUE(PdfTools::text(pdf, 3).contains("Page4"));
}

// Pages 2, 4 and 9 of a list: each once, the percentages through the three.
TEST_F(PreviewPrinting, ListOfPagesPrintsThoseAloneWithProgressThroughThem)
{
    QList<std::pair<int, int>> progress;
    QObject::connect(&preview, &TPrintPreview::OnPrintProgress, &preview, [&](int page, int percent, bool &) {
        progress.append({page, percent});
    });
    preview.PrintPages(QPageRanges::fromString("9,2,4,11-20"));
    const QList<std::pair<int, int>> expected{{2, 0}, {2, 33}, {4, 33}, {4, 67}, {9, 67}, {9, 100}};
    EXPECT_EQ(progress, expected);
    ASSERT_EQ(PdfTools::pageCount(pdf), 3);
    for (const auto &[sheet, page] : {std::pair{1, 2}, {2, 4}, {3, 9}})
        EXPECT_EQ(PdfTools::text(pdf, sheet).trimmed(), QStringLiteral("Page%1").arg(page)) << sheet;
}

TEST_F(PreviewPrinting, AllPagesLandAtTheirPlaceOnA4)
{
    preview.Print();
    EXPECT_EQ(PdfTools::pageCount(pdf), 10);
    EXPECT_TRUE(PdfTools::run("pdfinfo", {pdf}).contains("(A4)"));
    // The word starts 10 mm from the left edge of the sheet.
    EXPECT_NEAR(PdfTools::wordPosition(pdf, "Page1").x(), 1000 / 2540.0 * 72, 1.0);
}

TEST_F(PreviewPrinting, CancelFromTheProgressHandlerAbortsTheJob)
{
    QObject::connect(&preview, &TPrintPreview::OnPrintProgress, &preview,
                     [](int page, int, bool &cancel) { cancel = page == 3; });
    QSignalSpy after(&preview, &TPrintPreview::OnAfterPrint);
    QSignalSpy aborted(&preview, &TPrintPreview::OnAbort);
    preview.Print();
    EXPECT_EQ(after.count(), 1);
    EXPECT_EQ(aborted.count(), 1);
    EXPECT_EQ(preview.State(), TPrintPreview::psReady);
}

TEST_F(PreviewPrinting, NothingIsPrintedWithoutARangeOrATarget)
{
    QSignalSpy before(&preview, &TPrintPreview::OnBeforePrint);
    preview.PrintPages(4, 3);
    preview.Printer().setOutputFileName(QString());
    preview.Print();
    EXPECT_EQ(before.count(), 0);
    EXPECT_FALSE(QFile::exists(pdf));
}

// A range beyond the last page prints up to the last page.
TEST_F(PreviewPrinting, RangeIsHeldToThePagesThereAre)
{
    preview.PrintPages(9, 99);
    EXPECT_EQ(PdfTools::pageCount(pdf), 2);
}

TEST_F(PreviewPrinting, AFileThatCannotBeWrittenIsAnError)
{
    preview.Printer().setOutputFileName(dir.filePath("missing/listing.pdf"));
    EXPECT_THROW(preview.Print(), std::runtime_error);
    EXPECT_EQ(preview.State(), TPrintPreview::psReady);
}

TEST_F(PreviewPrinting, PaperAndOrientationGoToThePrinterAndComeBack)
{
    preview.SetOrientation(TPrintPreview::poLandscape);
    preview.PushPrinterSettings();
    QPrinter &printer = preview.Printer();
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    preview.PullPrinterSettings();
    EXPECT_EQ(preview.PaperType(), QPageSize::Letter);
    EXPECT_EQ(preview.Orientation(), TPrintPreview::poPortrait);
    EXPECT_EQ(preview.PaperWidth(), 21590);
    printer.setPageSize(QPageSize(QSizeF(100, 150), QPageSize::Millimeter));
    preview.PullPrinterSettings();
    EXPECT_EQ(preview.PaperType(), QPageSize::Custom);
    EXPECT_EQ(preview.PaperHeight(), 15000);
}
