#include "i18n/LanguageTestWindows.h"

#include "editing/TEditFrm.h"
#include "editing/TfrmSeznam.h"

#include <QLineEdit>

using namespace LanguageTest;

namespace
{

QWidget *nextTabStop(const QWidget *widget)
{
    QWidget *next = widget->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

} // namespace

TEST(TEditFrm, FieldsStandOnOneLineInTabOrderAboveTheFormatAndTheButtons)
{
    TEditFrm dialog;
    dialog.show();
    QWidget *order[] = {dialog.cislo(), dialog.jmeno(),    dialog.hex(),
                        dialog.znak(),  dialog.okButton(), dialog.cancelButton()};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(nextTabStop(order[i]), order[i + 1]) << i;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(order[i]->y(), order[i + 1]->y());
        EXPECT_LT(order[i]->geometry().right(), order[i + 1]->x());
    }
    for (QLineEdit *edit : {dialog.cislo(), dialog.jmeno(), dialog.hex(), dialog.znak()}) {
        const auto *label = dialog.findChild<QLabel *>(edit->objectName() + QStringLiteral("Label"));
        ASSERT_TRUE(label);
        EXPECT_EQ(label->buddy(), edit);
    }
    EXPECT_GT(dialog.formatBox()->y(), dialog.znak()->geometry().bottom());
    EXPECT_LT(dialog.formatBox()->geometry().right(), dialog.okButton()->x());
}

// The real dialog and go-to window, beside stand-ins for the main and print
// windows, take every text of each delivered language, and the texts fit.
TEST(EditingWindows, TakeEveryDeliveredLanguageAndShowItWhole)
{
    auto main = mainWindow();
    auto print = printWindow();
    TEditFrm edit;
    TfrmSeznam goTo;
    const LanguageWindows windows{main.get(), &edit, print.get(), &goTo};
    for (const char *language : {"English", "\xE8"
                                            "e\x9Atina"}) {
        KeptTexts kept;
        applySection(deliveredLanguageFile(), language, windows, kept);
        expectLanguageTexts(windows, kept, sectionTexts(deliveredLanguageFile(), language));
        expectCaptionsFit(&edit);
        expectCaptionsFit(&goTo);
    }
}
