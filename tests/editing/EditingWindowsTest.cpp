#include "i18n/LanguageTestWindows.h"

#include "editing/TEditFrm.h"
#include "editing/TFindDialog.h"
#include "editing/TfrmSeznam.h"

#include <QLineEdit>
#include <QPushButton>

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

// The edit dialog, the find window and the go-to window take every text of
// each delivered language from their own rows, and the texts fit.
TEST(EditingWindows, TakeEveryDeliveredLanguageAndShowItWhole)
{
    TEditFrm edit;
    TFindDialog find(nullptr);
    TfrmSeznam goTo;
    const std::pair<QWidget *, LanguageRows> windows[] = {
        {&edit, edit.languageRows()}, {&find, find.languageRows()}, {&goTo, goTo.languageRows()}};
    for (const char *language : {"English", "\xE8"
                                            "e\x9Atina"}) {
        const TextOf texts = sectionTexts(deliveredLanguageFile(), language);
        for (const auto &[window, rows] : windows) {
            applySection(deliveredLanguageFile(), language, rows);
            expectCaptionsFit(window);
        }
        expectWindowTexts(&edit, EditWindowTargets, texts);
        expectWindowTexts(&find, FindWindowTargets, texts);
        expectWindowTexts(&goTo, GoToWindowTargets, texts);
    }
    EXPECT_EQ(find.windowTitle(), QString::fromUtf8("Hledat"));
    EXPECT_EQ(find.findNextButton()->text(), QString::fromUtf8("Hledat &další"));
}
