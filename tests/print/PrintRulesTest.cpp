#include "print/PageChoice.h"
#include "print/PageFont.h"
#include "print/PageUnits.h"
#include "print/PreviewZoom.h"
#include "print/PrintWindowTitles.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

using namespace PrintWindowTitles;

TEST(PrintWindowTitles, ApplicationTitleKeepsOnlyTheFirstLetterAsItIs)
{
    EXPECT_EQ(ApplicationTitle("/opt/winorba/WinOrba"), "Winorba");
    EXPECT_EQ(ApplicationTitle("C:/Program/WINORBA.EXE"), "Winorba");
    EXPECT_EQ(ApplicationTitle("/x/my.tool.bin"), "my.tool");
}

TEST(PrintWindowTitles, TextsWhileBuildingAndPrinting)
{
    const Patterns czech;
    EXPECT_EQ(Building(czech, "Winorba"), QString::fromUtf8("Winorba - vytvárím stránky..."));
    EXPECT_EQ(Finished(czech, "Winorba"), "Winorba - hotovo ...");
    EXPECT_EQ(Printing(czech, "Winorba", 3, 10, 33),
              QString::fromUtf8("Winorba - Tisknu stránku 3 of 10 (%33 hotovo)..."));
    // A program name with a percent sign in it is taken as it is.
    EXPECT_EQ(Printing(czech, "A%2b", 1, 2, 50), QString::fromUtf8("A%2b - Tisknu stránku 1 of 2 (%50 hotovo)..."));
    EXPECT_EQ(Building({"%1: %1 ...", "", ""}, "A%1"), "A%1: A%1 ...");
    // A language may put the numbers in another order.
    EXPECT_EQ(Printing({"", "", "%4% (%2/%3) %1"}, "A%2b", 3, 10, 33), "33% (3/10) A%2b");
    EXPECT_EQ(PageLabel(1, 955), "1 / 955");
    EXPECT_EQ(ZoomLabel(52), "52%");
}

TEST(PageUnits, ConversionsRoundToTheNearestUnit)
{
    EXPECT_EQ(ConvertUnits(100, mmLoMetric, mmHiMetric, 96), 1000);
    EXPECT_EQ(ConvertUnits(21000, mmHiMetric, mmPixel, 96), 794);
    EXPECT_EQ(ConvertUnits(29700, mmHiMetric, mmPixel, 1200), 14031);
    EXPECT_EQ(ConvertUnits(72, mmPoints, mmTWIPS, 96), 1440);
    EXPECT_EQ(ConvertUnits(1, mmLoEnglish, mmHiEnglish, 96), 10);
}

TEST(PageFont, PointSizeKeepsItsLengthInPageUnits)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(18); // a quarter of an inch
    EXPECT_EQ(PageFont::InPageUnits(font, mmHiMetric, 96).pixelSize(), 635);
    font.setPixelSize(96);
    EXPECT_EQ(PageFont::InPageUnits(font, mmHiMetric, 96).pixelSize(), 2540);
}

// A height of 250 is the whole character cell, ascent and descent, as the
// rows are 250 apart.
TEST(PageFont, CellHeightIsAscentAndDescent)
{
    const QFont font = PageFont::WithCellHeight(QFont(QStringLiteral("Arial")), 250);
    const QFontMetricsF metrics(font);
    EXPECT_NEAR(metrics.ascent() + metrics.descent(), 250, 2);
    EXPECT_LT(font.pixelSize(), 250);
}

TEST(PreviewZoom, FreeZoomScalesThePaper)
{
    const PaperDisplay d = ComputePaperDisplay(zsZoomOther, 200, QSize(794, 1123), QSize(100, 100));
    EXPECT_EQ(d.paper, QSize(1588, 2246));
    EXPECT_EQ(d.zoom, 200);
}

// A tall area fits the width, a wide one the height; the zoom follows the height shown.
TEST(PreviewZoom, WholePageFitsTheNarrowerSide)
{
    const PaperDisplay tall = ComputePaperDisplay(zsZoomToFit, 100, QSize(794, 1123), QSize(397, 2000));
    EXPECT_EQ(tall.paper, QSize(397, 562));
    EXPECT_EQ(tall.zoom, 50);
    const PaperDisplay wide = ComputePaperDisplay(zsZoomToFit, 100, QSize(794, 1123), QSize(2000, 337));
    EXPECT_EQ(wide.paper, QSize(238, 337));
    EXPECT_EQ(wide.zoom, 30);
    EXPECT_EQ(ComputePaperDisplay(zsZoomToWidth, 100, QSize(794, 1123), QSize(1588, 10)).paper, QSize(1588, 2246));
    EXPECT_EQ(ComputePaperDisplay(zsZoomToHeight, 100, QSize(794, 1123), QSize(10, 2246)).zoom, 200);
}

TEST(PreviewZoom, ScrollPositionKeepsItsFractionOfTheRange)
{
    EXPECT_EQ(KeepScrollFraction(50, 100, 300), 150);
    EXPECT_EQ(KeepScrollFraction(100, 100, 40), 40);
    EXPECT_EQ(KeepScrollFraction(0, 0, 500), 0);
}

TEST(PageChoice, ASpanIsHeldToThePagesThereAre)
{
    EXPECT_EQ(PageChoice::Span(2, 4, 10), std::vector<int>({2, 3, 4}));
    EXPECT_EQ(PageChoice::Span(0, 2, 10), std::vector<int>({1, 2}));
    EXPECT_EQ(PageChoice::Span(9, 99, 10), std::vector<int>({9, 10}));
    EXPECT_TRUE(PageChoice::Span(4, 3, 10).empty());
    EXPECT_TRUE(PageChoice::Span(1, 1, 0).empty());
}

// A list prints the pages it names and none between them, in order and once
// each, however the operator wrote it.
TEST(PageChoice, AListNamesItsPagesAlone)
{
    const auto listed = [](const char *text, int total) {
        return PageChoice::Listed(QPageRanges::fromString(QString::fromLatin1(text)), total);
    };
    EXPECT_EQ(listed("2,4", 10), std::vector<int>({2, 4}));
    EXPECT_EQ(listed("7,1-3,2", 10), std::vector<int>({1, 2, 3, 7}));
    EXPECT_EQ(listed("2,9-12,40", 10), std::vector<int>({2, 9, 10}));
    EXPECT_TRUE(listed("11,12", 10).empty());
    EXPECT_TRUE(listed("", 10).empty());
}
