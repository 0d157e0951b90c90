#include "PdfTools.h"
#include "i18n/LanguageTestWindows.h"
#include "prompts/FakePrintPrompts.h"

#include "document/EntryModel.h"
#include "i18n/CodePage.h"
#include "print/TFrmTisk.h"
#include "print/TPrintPreview.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace LanguageTest;

TEST(TFrmTisk, TopPanelHoldsItsControlsInOrderAgainstTheRightEdge)
{
    TFrmTisk window;
    window.show();
    EXPECT_EQ(window.size(), QSize(595, 704));
    EXPECT_EQ(window.topPanel()->geometry(), QRect(0, 0, 595, 38));
    int right = 0;
    for (const char *name : {"Label1", "PageLabel", "PrevPageBtn", "NextPageBtn", "Label3", "ZoomLabel", "ZoomInBtn",
                             "ZoomOutBtn", "AllPageBtn", "PrintBtn", "ZavritBtn"}) {
        const QWidget *control = window.findChild<QWidget *>(QLatin1StringView(name));
        ASSERT_TRUE(control) << name;
        EXPECT_GT(control->x(), right) << name;
        right = control->geometry().right();
    }
    EXPECT_GT(right, 595 - 10);
}

TEST(TFrmTisk, CloseButtonIsTheDefaultAndClosesTheWindow)
{
    TFrmTisk window;
    window.show();
    EXPECT_TRUE(window.closeButton()->isDefault());
    window.closeButton()->click();
    EXPECT_FALSE(window.isVisible());
}

// The print window takes every text of each delivered language from its own
// rows, and the texts fit its design width.
TEST(TFrmTisk, TakesEveryDeliveredLanguageAndShowsItWhole)
{
    TFrmTisk print;
    const LanguageRows rows = print.languageRows();
    for (const char *language : {"English", "\xE8"
                                            "e\x9Atina"}) {
        applySection(deliveredLanguageFile(), language, rows);
        expectWindowTexts(&print, PrintWindowTargets, sectionTexts(deliveredLanguageFile(), language));
        expectCaptionsFit(&print);
        EXPECT_EQ(print.width(), 595);
    }
}

// ---- the listing ------------------------------------------------------------------

namespace
{

// Entries whose texts name their index: "n7", "o7", "h7", "c7".
void fillEntries(EntryModel &model, int count)
{
    std::vector<Entry> entries;
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        entries.push_back(Entry{"n" + n, "o" + n, "h" + n, "c" + n});
    }
    model.assign(std::move(entries));
}

class PrintWindow : public testing::Test
{
protected:
    void SetUp() override { window.SetPrompts(&prompts); }

    // Opens the window on the entries and waits until its pages are built.
    void open(int count)
    {
        fillEntries(entries, count);
        openOnEntries();
    }
    void openOnEntries()
    {
        QSignalSpy built(&preview(), &TPrintPreview::OnEndDoc);
        window.SetEntries(&entries);
        window.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return built.count() == 1; }));
    }
    QString pageLabel() const { return window.pageLabel()->text(); }
    QString zoomLabel() const { return window.zoomLabel()->text(); }
    TPrintPreview &preview() { return *window.printPreview(); }
    void printInto(const QString &file)
    {
        prompts.outputFile = file;
        window.printButton()->click();
    }

    QTemporaryDir dir;
    QString pdf = dir.filePath("listing.pdf");
    FakePrintPrompts prompts;
    EntryModel entries;
    TFrmTisk window;
};

} // namespace

TEST_F(PrintWindow, PagesOf220EntriesAndAlwaysOne)
{
    for (const auto &[count, pages] : {std::pair{0, 1}, {110, 1}, {111, 1}, {220, 1}, {221, 2}, {440, 2}, {441, 3}}) {
        open(count);
        EXPECT_EQ(preview().TotalPages(), pages) << count;
        EXPECT_EQ(pageLabel(), QStringLiteral("1 / %1").arg(pages)) << count;
        window.closeButton()->click();
        EXPECT_EQ(preview().TotalPages(), 0);
    }
}

// While the pages are built the title says so and the page, zoom and print
// buttons are off; the window's own caption never shows.
TEST_F(PrintWindow, TitleTellsWhatIsGoingOn)
{
    QStringList titles;
    QObject::connect(&window, &QWidget::windowTitleChanged, &window, [&](const QString &title) { titles << title; });
    QList<bool> printEnabled;
    QObject::connect(&preview(), &TPrintPreview::OnNewPage, &window,
                     [&] { printEnabled << window.printButton()->isEnabled() << window.allPageButton()->isEnabled(); });
    open(300);
    EXPECT_EQ(titles,
              QStringList({QString::fromUtf8("tests_print - vytvárím stránky..."), "tests_print - hotovo ..."}));
    EXPECT_EQ(printEnabled, QList<bool>({false, false, false, false}));
    EXPECT_TRUE(window.printButton()->isEnabled());
    EXPECT_TRUE(window.nextPageButton()->isEnabled());
}

// The titles shown while the window works follow the language applied.
TEST_F(PrintWindow, TitlesWhileWorkingFollowTheLanguage)
{
    applySection(deliveredLanguageFile(), "English", window.languageRows());
    QStringList titles;
    QObject::connect(&window, &QWidget::windowTitleChanged, &window, [&](const QString &title) { titles << title; });
    open(300);
    printInto(pdf);
    EXPECT_EQ(titles.mid(0, 3), QStringList({"tests_print - building the pages...", "tests_print - done ...",
                                             "tests_print - printing page 1 of 2 (0% done)..."}));
    EXPECT_EQ(titles.last(), "tests_print - printing page 2 of 2 (100% done)...");
}

TEST_F(PrintWindow, OpensWholePageBesideTheMainWindow)
{
    QWidget main;
    main.move(300, 200);
    main.show();
    TFrmTisk child(&main);
    child.SetEntries(&entries);
    child.show();
    EXPECT_EQ(child.frameGeometry().topLeft(), main.frameGeometry().topLeft() + QPoint(-80, 20));
    ASSERT_TRUE(QTest::qWaitFor([&] { return child.windowTitle().endsWith(" - hotovo ..."); }));
    EXPECT_EQ(child.printPreview()->ZoomState(), zsZoomToFit);
    EXPECT_EQ(child.zoomLabel()->text(), QStringLiteral("%1%").arg(child.printPreview()->Zoom()));
}

TEST_F(PrintWindow, ZoomButtonsDoubleAndHalveWithinTheLimits)
{
    open(10);
    preview().SetZoom(300);
    window.zoomInButton()->click();
    EXPECT_EQ(zoomLabel(), "500%");
    EXPECT_EQ(preview().ZoomState(), zsZoomOther);
    preview().SetZoom(15);
    window.zoomOutButton()->click();
    EXPECT_EQ(zoomLabel(), "10%");
    window.zoomInButton()->click();
    EXPECT_EQ(zoomLabel(), "20%");
    window.allPageButton()->click();
    EXPECT_EQ(preview().ZoomState(), zsZoomToFit);
    EXPECT_EQ(zoomLabel(), QStringLiteral("%1%").arg(preview().Zoom()));
}

// "<" and ">" stop at the ends; the page label follows only them and the end of building.
TEST_F(PrintWindow, PageButtonsStopAtTheEndsAndAloneMoveTheLabel)
{
    open(600);
    window.prevPageButton()->click();
    EXPECT_EQ(pageLabel(), "1 / 3");
    EXPECT_EQ(preview().CurrentPage(), 1);
    window.nextPageButton()->click();
    window.nextPageButton()->click();
    window.nextPageButton()->click();
    EXPECT_EQ(pageLabel(), "3 / 3");
    EXPECT_EQ(preview().CurrentPage(), 3);
    preview().SetCurrentPage(1);
    EXPECT_EQ(pageLabel(), "3 / 3");
}

// Once built, the preview has the focus: the page keys leaf (the label stays,
// as only "<" and ">" move it) and Enter presses the close button.
TEST_F(PrintWindow, PageKeysGoToThePreviewAndEnterCloses)
{
    open(600);
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_EQ(QApplication::focusWidget(), &preview());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(preview().CurrentPage(), 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(preview().CurrentPage(), 3);
    EXPECT_EQ(pageLabel(), "1 / 3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(preview().TotalPages(), 0);
}

TEST_F(PrintWindow, EntriesLandInTwoColumnsOnA4)
{
    open(221);
    printInto(pdf);
    ASSERT_EQ(PdfTools::pageCount(pdf), 2);
    const auto pt = [](double units) { return units / 2540.0 * 72; };
    // Left column: "#" at 10 mm, name at 20, hex at 60, character at 80.
    EXPECT_NEAR(PdfTools::wordPosition(pdf, "n0").x(), pt(1000), 0.5);
    EXPECT_NEAR(PdfTools::wordPosition(pdf, "o0").x(), pt(2000), 0.5);
    EXPECT_NEAR(PdfTools::wordPosition(pdf, "h0").x(), pt(6000), 0.5);
    EXPECT_NEAR(PdfTools::wordPosition(pdf, "c0").x(), pt(8000), 0.5);
    // The 111th entry tops the right column; the 110th is the left column's last row.
    EXPECT_NEAR(PdfTools::wordPosition(pdf, "n110").x(), pt(10500), 0.5);
    EXPECT_NEAR(PdfTools::wordPosition(pdf, "c110").x(), pt(17500), 0.5);
    const double top = PdfTools::wordPosition(pdf, "n0").y();
    EXPECT_NEAR(top, pt(1000), 1.5);
    EXPECT_NEAR(PdfTools::wordPosition(pdf, "n110").y(), top, 0.1);
    EXPECT_NEAR(PdfTools::wordPosition(pdf, "n109").y() - top, pt(109 * 250), 0.1);
    // The 221st starts the second page.
    EXPECT_TRUE(PdfTools::text(pdf, 2).startsWith("n220"));
}

TEST_F(PrintWindow, PrintsAllPagesIntoAPdfAndCloses)
{
    open(441);
    QStringList titles;
    QObject::connect(&window, &QWidget::windowTitleChanged, &window, [&](const QString &title) { titles << title; });
    printInto(pdf);
    EXPECT_EQ(prompts.asked, 1);
    EXPECT_EQ(prompts.lastPageOffered, 3);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(PdfTools::pageCount(pdf), 3);
    const QString text = PdfTools::text(pdf);
    for (const char *word : {"n0", "o219", "h220", "c440"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(word) + "\n") || text.contains(QString::fromLatin1(word) + " "))
            << word;
    EXPECT_EQ(titles.size(), 6);
    EXPECT_EQ(titles.value(0), QString::fromUtf8("tests_print - Tisknu stránku 1 of 3 (%0 hotovo)..."));
    EXPECT_EQ(titles.value(5), QString::fromUtf8("tests_print - Tisknu stránku 3 of 3 (%100 hotovo)..."));
    // The pages stay until the next opening.
    EXPECT_EQ(preview().TotalPages(), 3);
}

TEST_F(PrintWindow, PrintsTheRangeChosenInTheDialog)
{
    open(2200);
    prompts.pages = "2-4";
    printInto(pdf);
    EXPECT_EQ(PdfTools::pageCount(pdf), 3);
    EXPECT_TRUE(PdfTools::text(pdf, 1).startsWith("n220"));
}

// "2,4" prints pages 2 and 4 and nothing between; the title counts through
// the listing's pages, the percentage through the pages chosen.
TEST_F(PrintWindow, PrintsExactlyThePagesListedInTheDialog)
{
    open(2200);
    QStringList titles;
    QObject::connect(&window, &QWidget::windowTitleChanged, &window, [&](const QString &title) { titles << title; });
    prompts.pages = "2,4";
    printInto(pdf);
    ASSERT_EQ(PdfTools::pageCount(pdf), 2);
    EXPECT_TRUE(PdfTools::containsWord(PdfTools::text(pdf, 1), "n220"));
    EXPECT_TRUE(PdfTools::containsWord(PdfTools::text(pdf, 2), "n660"));
    EXPECT_FALSE(PdfTools::containsWord(PdfTools::text(pdf), "n440"));
    const QString printing = QString::fromUtf8("tests_print - Tisknu stránku %1 of 10 (%%2 hotovo)...");
    EXPECT_EQ(titles, QStringList({printing.arg(2).arg(0), printing.arg(2).arg(50), printing.arg(4).arg(50),
                                   printing.arg(4).arg(100)}));
}

// The desktop's own print dialog, as the program opens it: the pages typed
// into it reach the print as they were typed. The dialog offers a list of
// pages for a printer of the system, of which a test machine has none, so
// the test ticks that choice for the file printer itself and does the rest
// as the operator would.
TEST_F(PrintWindow, PagesTypedIntoThePrintDialogArePrinted)
{
    window.SetPrompts(nullptr);
    open(2200);
    preview().Printer().setOutputFormat(QPrinter::PdfFormat);
    preview().Printer().setOutputFileName(pdf);
    bool typed = false;
    QTimer::singleShot(0, &window, [&typed] {
        QDialog *dialog = nullptr;
        if (!QTest::qWaitFor([&dialog] {
                return (dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) != nullptr;
            }))
            return;
        auto *pages = dialog->findChild<QRadioButton *>("pagesRadioButton");
        auto *pageList = dialog->findChild<QLineEdit *>("pagesLineEdit");
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        if (pages && pageList && buttons) {
            pages->setChecked(true);
            pageList->selectAll();
            QTest::keyClicks(pageList, "2,4");
            typed = pageList->text() == "2,4";
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        }
        if (dialog->isVisible())
            dialog->reject();
    });
    window.printButton()->click();
    ASSERT_TRUE(typed);
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(PdfTools::pageCount(pdf), 2);
    EXPECT_TRUE(PdfTools::containsWord(PdfTools::text(pdf, 1), "n220"));
    EXPECT_TRUE(PdfTools::containsWord(PdfTools::text(pdf, 2), "n660"));
}

TEST_F(PrintWindow, CancelledDialogLeavesTheWindowOpen)
{
    open(5);
    printInto(QString());
    EXPECT_EQ(prompts.asked, 1);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(preview().TotalPages(), 1);
}

TEST_F(PrintWindow, APrintThatCannotStartIsShownInTheLanguageAndTheWindowStays)
{
    open(5);
    printInto(dir.filePath("missing/listing.pdf"));
    applySection(deliveredLanguageFile(),
                 "\xE8"
                 "e\x9Atina",
                 window.languageRows());
    printInto(dir.filePath("missing/listing.pdf"));
    ASSERT_EQ(prompts.errors.size(), 2);
    EXPECT_EQ(prompts.errors[0], "Unable to print to " + dir.filePath("missing/listing.pdf"));
    EXPECT_EQ(prompts.errors[1], QString::fromUtf8("Nelze tisknout do ") + dir.filePath("missing/listing.pdf"));
    EXPECT_TRUE(window.isVisible());
}

// An empty list prints one page with nothing on it but the frame and the footer.
TEST_F(PrintWindow, EmptyListGivesOneFramedPage)
{
    open(0);
    QImage sheet(2100, 2970, QImage::Format_RGB32); // 10 pixels per millimetre
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    preview().DrawPage(1, painter, QRectF(0, 0, 2100, 2970));
    painter.end();
    const auto darkAround = [&](int x, int y) {
        for (int dx = -2; dx <= 2; ++dx)
            if (qGray(sheet.pixel(x + dx, y)) < 160)
                return true;
        return false;
    };
    EXPECT_TRUE(darkAround(75, 1500));   // left edge of the left box
    EXPECT_TRUE(darkAround(1000, 1500)); // the shared middle line
    EXPECT_TRUE(darkAround(2025, 1500)); // right edge of the right box
    EXPECT_FALSE(darkAround(500, 1500));
    printInto(pdf);
    EXPECT_EQ(PdfTools::pageCount(pdf), 1);
    EXPECT_TRUE(PdfTools::text(pdf).trimmed().endsWith(" 1 / 1"));
}

// A long name is cut after its 255th character and runs on over the other
// columns: 255 narrow letters reach well into the right column, and all are there.
TEST_F(PrintWindow, TextsAreCutAfter255CharactersAndNotClipped)
{
    entries.assign({Entry{"1", QByteArray(255, 'i') + "TAIL", "", ""}});
    openOnEntries();
    printInto(pdf);
    const QString text = PdfTools::text(pdf);
    EXPECT_TRUE(text.contains(QString(255, 'i')));
    EXPECT_FALSE(text.contains(QString(256, 'i')));
    EXPECT_FALSE(text.contains("TAIL"));
}

// Cells are 8-bit Windows-1250 texts; the page shows their characters.
TEST_F(PrintWindow, CzechTextsArePrintedAsTheirCharacters)
{
    const QByteArray name = "\x9Elu\x9Dou\xE8k\xFD k\xF9\xF2";
    entries.assign({Entry{"1", name, "", ""}});
    openOnEntries();
    printInto(pdf);
    EXPECT_TRUE(PdfTools::text(pdf).contains(CodePage::toUnicode(name))) << PdfTools::text(pdf).toStdString();
}

// ---- the footer --------------------------------------------------------------------

namespace
{

// The listing's date as the footer gives it; a test that runs over midnight
// may find the day before.
bool isToday(const QString &text)
{
    const QDate today = QDate::currentDate();
    return text == today.toString("dd.MM.yyyy") || text == today.addDays(-1).toString("dd.MM.yyyy");
}

} // namespace

// Under the frame of every page: the file's name at the left, the date in the
// middle and the page of the pages at the right; the PDF takes the name as its title.
TEST_F(PrintWindow, FooterNamesTheFileTheDateAndThePage)
{
    window.SetFileName(QString::fromUtf8("/data/zkouška/Žluté_váhy.TXT"));
    open(221);
    printInto(pdf);
    ASSERT_EQ(PdfTools::pageCount(pdf), 2);
    const QString name = QString::fromUtf8("Žluté_váhy.TXT");
    const QStringList lastLine1 = PdfTools::text(pdf, 1).trimmed().split('\n').last().split(' ');
    const QStringList lastLine2 = PdfTools::text(pdf, 2).trimmed().split('\n').last().split(' ');
    ASSERT_EQ(lastLine1.size(), 5) << lastLine1.join(' ').toStdString();
    EXPECT_EQ(lastLine1[0], name);
    EXPECT_TRUE(isToday(lastLine1[1])) << lastLine1[1].toStdString();
    EXPECT_EQ(lastLine1.mid(2), QStringList({"1", "/", "2"}));
    EXPECT_EQ(lastLine2.mid(2), QStringList({"2", "/", "2"}));
    EXPECT_TRUE(PdfTools::run("pdfinfo", {pdf}).contains(QRegularExpression("Title: +" + name + "\n")));

    const auto pt = [](double units) { return units / 2540.0 * 72; };
    const QRectF nameBox = PdfTools::wordBox(pdf, name);
    EXPECT_NEAR(nameBox.left(), pt(750), 0.5);
    EXPECT_NEAR(nameBox.top(), pt(28950), 1.5);
    const QRectF dateBox = PdfTools::wordBox(pdf, lastLine1[1]);
    EXPECT_NEAR(dateBox.center().x(), pt(10000), 0.5);
    EXPECT_NEAR(dateBox.top(), nameBox.top(), 0.1);
    EXPECT_NEAR(PdfTools::wordBox(pdf, "2").right(), pt(20250), 0.5);
}

// The preview and the thumbnails show the same pages: the footer is drawn
// under the frame of the page on screen too.
TEST_F(PrintWindow, PreviewShowsTheFooter)
{
    const auto footerInk = [this] {
        QImage sheet(2100, 2970, QImage::Format_RGB32); // 10 pixels per millimetre
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        preview().DrawPage(1, painter, QRectF(0, 0, 2100, 2970));
        painter.end();
        QList<bool> inked; // under the name, the date, the page numbers
        for (const auto &[from, to] : {std::pair{75, 300}, {900, 1100}, {1900, 2025}}) {
            bool found = false;
            for (int x = from; x < to && !found; ++x)
                for (int y = 2895; y < 2920 && !found; ++y)
                    found = qGray(sheet.pixel(x, y)) < 128;
            inked << found;
        }
        return inked;
    };
    window.SetFileName("/data/VAHY.TXT");
    open(5);
    EXPECT_EQ(footerInk(), QList<bool>({true, true, true}));
    window.closeButton()->click();
    window.SetFileName(QString());
    open(5);
    EXPECT_EQ(footerInk(), QList<bool>({false, true, true}));
}

// Pages printed from a list keep the numbers they have in the whole listing.
TEST_F(PrintWindow, ListedPagesKeepTheirNumbers)
{
    open(2200);
    prompts.pages = "2,4";
    printInto(pdf);
    EXPECT_TRUE(PdfTools::text(pdf, 1).trimmed().endsWith(" 2 / 10"));
    EXPECT_TRUE(PdfTools::text(pdf, 2).trimmed().endsWith(" 4 / 10"));
}
