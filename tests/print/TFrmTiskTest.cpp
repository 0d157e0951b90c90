#include "i18n/LanguageTestWindows.h"

#include "print/TFrmTisk.h"

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

// The real print window, beside stand-ins for the other windows, takes every
// text of each delivered language, and the texts fit its design width.
TEST(TFrmTisk, TakesEveryDeliveredLanguageAndShowsItWhole)
{
    auto main = mainWindow();
    auto edit = editWindow();
    auto goTo = goToWindow();
    TFrmTisk print;
    const LanguageWindows windows{main.get(), edit.get(), &print, goTo.get()};
    for (const char *language : {"English", "\xE8"
                                            "e\x9Atina"}) {
        KeptTexts kept;
        applySection(deliveredLanguageFile(), language, windows, kept);
        expectLanguageTexts(windows, kept, sectionTexts(deliveredLanguageFile(), language));
        expectCaptionsFit(&print);
        EXPECT_EQ(print.width(), 595);
    }
}
