#include "print/TThumbnailPreview.h"
#include "print/TPrintPreview.h"

#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

class Thumbnails : public testing::Test
{
protected:
    void SetUp() override
    {
        preview.resize(400, 560);
        strip.resize(121, 400);
        strip.SetPrintPreview(&preview);
        preview.show();
        strip.show();
        preview.BeginDoc();
        for (int page = 2; page <= 12; ++page)
            preview.NewPage();
        preview.EndDoc();
    }
    void click(int page)
    {
        const QRect cell = strip.ThumbnailRect(page).translated(0, -strip.verticalScrollBar()->value());
        QTest::mouseClick(strip.viewport(), Qt::LeftButton, {}, cell.center());
    }

    TPrintPreview preview;
    TThumbnailPreview strip;
};

} // namespace

// In a strip 121 pixels wide the thumbnails stand one under another, 10 % of
// the paper plus border, shadow and number, 6 pixels apart.
TEST_F(Thumbnails, OneThumbnailPerPageInOneColumn)
{
    const QSize paper = preview.PaperPixels() / 10;
    const QRect first = strip.ThumbnailRect(1);
    EXPECT_EQ(first.topLeft(), QPoint(6, 6));
    EXPECT_EQ(first.width(), paper.width() + 5);
    EXPECT_GT(first.height(), paper.height() + 5);
    EXPECT_EQ(strip.ThumbnailRect(2).topLeft(), QPoint(6, first.bottom() + 1 + 6));
    EXPECT_GT(strip.verticalScrollBar()->maximum(), 0);
}

TEST_F(Thumbnails, ClickingAThumbnailMakesItsPageCurrent)
{
    click(2);
    EXPECT_EQ(preview.CurrentPage(), 2);
    // Between thumbnails there is no page.
    EXPECT_EQ(strip.PageAt(QPoint(3, 3)), 0);
}

TEST_F(Thumbnails, TheCurrentPageIsScrolledIntoViewAndFramedInBlue)
{
    preview.SetCurrentPage(12);
    const QRect cell = strip.ThumbnailRect(12).translated(0, -strip.verticalScrollBar()->value());
    EXPECT_TRUE(strip.viewport()->rect().contains(cell));
    const QImage shot = strip.viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(cell.left() - 2, cell.center().y()), QColor(Qt::blue));
    click(12);
    EXPECT_EQ(preview.CurrentPage(), 12);
}

TEST_F(Thumbnails, ClearingThePreviewEmptiesTheStrip)
{
    preview.Clear();
    EXPECT_EQ(strip.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(strip.PageAt(strip.ThumbnailRect(1).center()), 0);
}
