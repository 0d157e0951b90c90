#include "i18n/LanguageTestWindows.h"

#include "print/TFrmTisk.h"

using namespace LanguageTest;

TEST(TFrmTisk, CarriesItsDesignCaptionsBeforeAnyLanguage)
{
    TFrmTisk window;
    EXPECT_EQ(window.objectName(), QStringLiteral("FrmTisk"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tisk"));
    EXPECT_EQ(window.size(), QSize(595, 704));
    const std::pair<const char *, const char *> captions[] = {
        {"Label1", "Stránka:"},         {"PageLabel", "0 / 0"},  {"PrevPageBtn", "<"},
        {"NextPageBtn", ">"},           {"Label3", "zvětšení:"}, {"ZoomLabel", "0%"},
        {"AllPageBtn", "Celá stránka"}, {"PrintBtn", "Tisk"},    {"ZavritBtn", "Zavřít"}};
    for (const auto &[name, caption] : captions)
        EXPECT_EQ(shown(&window, name), QString::fromUtf8(caption)) << name;
    EXPECT_TRUE(window.zoomInButton()->text().isEmpty());
    EXPECT_FALSE(window.zoomInButton()->icon().isNull());
    EXPECT_FALSE(window.zoomOutButton()->icon().isNull());
    EXPECT_TRUE(window.closeButton()->isDefault());
}

TEST(TFrmTisk, TopPanelHoldsItsControlsInOrderAgainstTheRightEdge)
{
    TFrmTisk window;
    window.show();
    EXPECT_EQ(window.topPanel()->geometry(), QRect(0, 0, 595, 38));
    const char *order[] = {"Label1",    "PageLabel",  "PrevPageBtn", "NextPageBtn", "Label3",   "ZoomLabel",
                           "ZoomInBtn", "ZoomOutBtn", "AllPageBtn",  "PrintBtn",    "ZavritBtn"};
    int left = 0;
    for (const char *name : order) {
        const QWidget *control = window.findChild<QWidget *>(QLatin1StringView(name));
        ASSERT_TRUE(control) << name;
        EXPECT_GE(control->x(), left) << name;
        left = control->geometry().right();
    }
    EXPECT_GT(left, 595 - 10);
    EXPECT_EQ(window.prevPageButton()->size(), QSize(30, 20));
    EXPECT_EQ(window.zoomOutButton()->size(), QSize(30, 23));
}

TEST(TFrmTisk, CloseButtonClosesTheWindow)
{
    TFrmTisk window;
    window.show();
    window.closeButton()->click();
    EXPECT_FALSE(window.isVisible());
}

// The real print window, beside stand-ins for the other windows, takes every
// text of each delivered language, and the texts fit its design width.
TEST(TFrmTisk, TakesEveryDeliveredLanguageAndShowsItWhole)
{
    auto main = mainWindow();
    auto edit = editWindow();
    auto goTo = goToWindow();
    TFrmTisk print;
    const LanguageWindows windows{main.get(), edit.get(), &print, goTo.get()};
    const QString path = deliveredLanguageFile();
    for (const char *language : {"English", "\xE8"
                                            "e\x9Atina"}) {
        KeptTexts kept;
        applySection(path, language, windows, kept);
        expectLanguageTexts(windows, kept, sectionTexts(path, language));
        expectCaptionsFit(&print);
        EXPECT_EQ(print.width(), 595);
    }
}
