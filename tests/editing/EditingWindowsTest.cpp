#include "i18n/LanguageTestWindows.h"

#include "editing/TEditFrm.h"
#include "editing/TfrmSeznam.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

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

TEST(TEditFrm, CarriesItsDesignCaptionsBeforeAnyLanguage)
{
    TEditFrm dialog;
    EXPECT_EQ(dialog.objectName(), QStringLiteral("EditFrm"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Upravit položku"));
    const std::tuple<const char *, const char *, QLineEdit *> fields[] = {{"CisloLabel", "22", dialog.cislo()},
                                                                          {"JmenoLabel", "23", dialog.jmeno()},
                                                                          {"HexLabel", "Hex", dialog.hex()},
                                                                          {"ZnakLabel", "24", dialog.znak()}};
    for (const auto &[name, caption, edit] : fields) {
        const auto *label = dialog.findChild<QLabel *>(QLatin1StringView(name));
        ASSERT_TRUE(label) << name;
        EXPECT_EQ(label->text(), QLatin1StringView(caption));
        EXPECT_EQ(label->buddy(), edit) << name;
    }
    EXPECT_EQ(dialog.okButton()->objectName(), QStringLiteral("btn_OK"));
    EXPECT_EQ(dialog.okButton()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(dialog.okButton()->isDefault());
    EXPECT_EQ(dialog.cancelButton()->objectName(), QStringLiteral("Zrusit"));
    EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("Zrušit"));
    EXPECT_EQ(dialog.formatBox()->objectName(), QStringLiteral("rg_Hex_Format"));
    EXPECT_EQ(dialog.formatBox()->title(), QStringLiteral("25"));
    const QString choices[] = {QStringLiteral("Byte"), QStringLiteral("Word"), QStringLiteral("DWord")};
    for (int index = 0; index < 3; ++index)
        EXPECT_EQ(dialog.formatGroup()->button(index)->text(), choices[index]);
    EXPECT_EQ(dialog.formatGroup()->checkedId(), -1);
}

TEST(TEditFrm, FieldsStandOnOneLineInTabOrderAboveTheFormatAndTheButtons)
{
    TEditFrm dialog;
    dialog.show();
    QWidget *order[] = {dialog.cislo(), dialog.jmeno(), dialog.hex(), dialog.znak()};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(nextTabStop(order[i]), order[i + 1]);
        EXPECT_EQ(order[i]->y(), order[i + 1]->y());
        EXPECT_LT(order[i]->geometry().right(), order[i + 1]->x());
    }
    EXPECT_EQ(nextTabStop(dialog.znak()), dialog.okButton());
    EXPECT_EQ(nextTabStop(dialog.okButton()), dialog.cancelButton());
    EXPECT_GT(dialog.formatBox()->y(), dialog.znak()->geometry().bottom());
    EXPECT_LT(dialog.formatBox()->geometry().right(), dialog.okButton()->x());
    EXPECT_LT(dialog.okButton()->geometry().right(), dialog.cancelButton()->x());
}

TEST(TfrmSeznam, IsASmallFixedWindowOnTop)
{
    TfrmSeznam window;
    EXPECT_EQ(window.objectName(), QStringLiteral("frmSeznam"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("frmSeznam"));
    EXPECT_EQ(window.minimumSize(), QSize(289, 66));
    EXPECT_EQ(window.maximumSize(), QSize(289, 66));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window.titleLabel()->objectName(), QStringLiteral("Label1"));
    EXPECT_EQ(window.titleLabel()->text(), QStringLiteral("Label1"));
    EXPECT_EQ(window.countLabel()->objectName(), QStringLiteral("Label2"));
    EXPECT_TRUE(window.countLabel()->text().isEmpty());
    EXPECT_TRUE(window.countLabel()->alignment().testFlag(Qt::AlignRight));
    EXPECT_EQ(window.names()->objectName(), QStringLiteral("cbSeznam"));
    EXPECT_TRUE(window.names()->isEditable());
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
    const QString path = deliveredLanguageFile();
    for (const char *language : {"English", "\xE8"
                                            "e\x9Atina"}) {
        KeptTexts kept;
        applySection(path, language, windows, kept);
        expectLanguageTexts(windows, kept, sectionTexts(path, language));
        expectCaptionsFit(&edit);
        expectCaptionsFit(&goTo);
    }
}
