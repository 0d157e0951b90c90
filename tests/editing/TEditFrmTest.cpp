#include "editing/TEditFrm.h"

#include "support/ModalOperator.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// The dialog over a stand-in for the main window, opened modally as the list
// commands open it and worked with the keyboard and the mouse.
class EditDialog : public testing::Test
{
protected:
    void SetUp() override
    {
        main.setGeometry(120, 80, 426, 724);
        main.show();
    }

    void fill(QByteArrayView cislo, QByteArrayView jmeno, QByteArrayView hex, QByteArrayView znak)
    {
        dialog->setText(efCislo, cislo);
        dialog->setText(efJmeno, jmeno);
        dialog->setText(efHex, hex);
        dialog->setText(efZnak, znak);
    }
    void fillField(QByteArrayView hex, QByteArrayView znak, std::optional<HexFormat> format)
    {
        fill("", "4", hex, znak);
        dialog->setFormat(format);
    }
    // Opens the dialog; the operator's part runs while it is open. True for OK.
    bool open(const std::function<void()> &operatorPart)
    {
        return RunModalAsOperator(*dialog, [&](QDialog &) { operatorPart(); });
    }
    // Replaces a field's text key by key, as the operator does.
    static void retype(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    QByteArray typedHexShows(const QString &hex)
    {
        retype(dialog->hex(), hex);
        return dialog->text(efZnak);
    }
    QByteArray typedZnakGives(const QString &znak)
    {
        retype(dialog->znak(), znak);
        return dialog->text(efHex);
    }
    static void press(QWidget *widget, Qt::Key key) { QTest::keyClick(widget, key); }

    QWidget main;
    TEditFrm *dialog = new TEditFrm(&main);
    QSignalSpy failures{dialog, &TEditFrm::conversionFailed};
};

} // namespace

TEST_F(EditDialog, HasItsCaptionAFixedBorderAndNoTitleBarButtons)
{
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Upravit položku"));
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));
    open([&] {
        const QSize size = dialog->size();
        EXPECT_EQ(dialog->minimumSize(), size);
        EXPECT_EQ(dialog->maximumSize(), size);
        press(dialog->focusWidget(), Qt::Key_Escape);
    });
}

TEST_F(EditDialog, ARecordHeaderOpensWithOnlyNumberAndNameAndTheFocusOnTheName)
{
    fill("   2 ", "Beta    ", "    40     3 0 ", "");
    dialog->setNameWidth(8);
    open([&] {
        EXPECT_TRUE(dialog->cislo()->isEnabled());
        EXPECT_TRUE(dialog->jmeno()->isEnabled());
        EXPECT_FALSE(dialog->hex()->isEnabled());
        EXPECT_FALSE(dialog->znak()->isEnabled());
        EXPECT_FALSE(dialog->formatBox()->isEnabled());
        EXPECT_TRUE(dialog->okButton()->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), dialog->jmeno());
        EXPECT_EQ(dialog->jmeno()->maxLength(), 8);
        // The whole name is selected, so typing replaces it; it stops at the name width.
        QTest::keyClicks(dialog->jmeno(), "Delta-Epsilon");
        EXPECT_EQ(dialog->jmeno()->text(), "Delta-Ep");
        press(dialog->jmeno(), Qt::Key_Return);
    });
    // A record header hands back its header tail unchanged.
    EXPECT_EQ(dialog->text(efHex), "    40     3 0 ");
    EXPECT_EQ(dialog->text(efJmeno), "Delta-Ep");
}

TEST_F(EditDialog, AFieldOpensWithTheNumberDisabledAndTheFocusOnTheValue)
{
    fillField("$41", "A", hfByte);
    dialog->setNameWidth(0);
    const bool confirmed = open([&] {
        EXPECT_FALSE(dialog->cislo()->isEnabled());
        EXPECT_TRUE(dialog->hex()->isEnabled());
        EXPECT_TRUE(dialog->formatBox()->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), dialog->znak());
        EXPECT_EQ(dialog->jmeno()->maxLength(), 30);
        // Text the program put into the fields converted nothing.
        EXPECT_EQ(dialog->text(efZnak), "A");
        press(dialog->znak(), Qt::Key_Escape);
    });
    EXPECT_FALSE(confirmed);
}

TEST_F(EditDialog, OpensCentredOnTheMainWindow)
{
    open([&] {
        const QRect frame = dialog->frameGeometry();
        const QRect mainFrame = main.frameGeometry();
        EXPECT_EQ(frame.left(), mainFrame.left() + mainFrame.width() / 2 - frame.width() / 2);
        EXPECT_EQ(frame.top(), mainFrame.top() + mainFrame.height() / 2 - frame.height() / 2);
    });
}

TEST_F(EditDialog, TypedHexShowsTheCharacterOrNumberAndWithholdsOkUntilItIsComplete)
{
    fillField("$00", "0", hfByte);
    open([&] {
        EXPECT_EQ(typedHexShows("41"), "A");
        EXPECT_EQ(typedHexShows("$41"), "A");
        EXPECT_EQ(typedHexShows("$0a"), "10");
        EXPECT_EQ(dialog->text(efHex), "$0A"); // typed letters become capitals
        EXPECT_EQ(typedHexShows("$7F"), "\x7F");
        EXPECT_EQ(typedHexShows("$80"), "128");
        EXPECT_EQ(typedHexShows("$3412"), "4660");
        EXPECT_EQ(typedHexShows("$00000080"), "-2147483648");
        EXPECT_TRUE(dialog->okButton()->isEnabled());
        EXPECT_EQ(typedHexShows("4"), "");
        EXPECT_FALSE(dialog->okButton()->isEnabled());
        EXPECT_EQ(typedHexShows("$123"), "");
        EXPECT_FALSE(dialog->okButton()->isEnabled());
        EXPECT_EQ(typedHexShows("$1234"), "13330"); // the chosen format does not count here
        EXPECT_TRUE(dialog->okButton()->isEnabled());
        press(dialog->hex(), Qt::Key_Escape);
    });
}

TEST_F(EditDialog, ALoneLetterTypedIntoAnEmptyHexReportsTheConversionErrorAndWithholdsOk)
{
    fillField("", "7", hfByte);
    open([&] {
        dialog->hex()->setFocus();
        QTest::keyClick(dialog->hex(), Qt::Key_A);
        ASSERT_EQ(failures.count(), 1);
        EXPECT_EQ(failures.front().front().toString(), "'A' is not a valid integer value");
        EXPECT_EQ(dialog->text(efZnak), "7");
        EXPECT_FALSE(dialog->okButton()->isEnabled());
        // Enter cannot confirm the text that does not read.
        press(dialog->hex(), Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        // Each further change while the text stays invalid reports again.
        QTest::keyClick(dialog->hex(), Qt::Key_G);
        EXPECT_EQ(failures.count(), 2);
        EXPECT_EQ(failures.back().front().toString(), "'$AG' is not a valid integer value");
        press(dialog->hex(), Qt::Key_Escape);
    });
}

TEST_F(EditDialog, TypedCharacterOrNumberGivesTheHexTextInTheChosenWidth)
{
    fillField("$00", "", hfByte);
    open([&] {
        for (HexFormat format : {hfByte, hfWord, hfDWord}) {
            dialog->setFormat(format);
            EXPECT_EQ(typedZnakGives("A"), "$41");
            EXPECT_EQ(typedZnakGives("5"), "$35");
            EXPECT_EQ(typedZnakGives(""), "$00");
        }
        dialog->setFormat(hfByte);
        EXPECT_EQ(typedZnakGives("05"), "$05");
        EXPECT_EQ(typedZnakGives("65"), "$41");
        dialog->setFormat(hfWord);
        EXPECT_EQ(typedZnakGives("XY"), "$0000");
        EXPECT_EQ(typedZnakGives("4660"), "$3412");
        dialog->setFormat(hfDWord);
        EXPECT_EQ(typedZnakGives("-1"), "$FFFFFFFF");
        // Typing in Znak does not read the hex text back.
        EXPECT_EQ(dialog->text(efZnak), "-1");
        EXPECT_TRUE(failures.isEmpty());
        press(dialog->znak(), Qt::Key_Escape);
    });
}

TEST_F(EditDialog, WithNoFormatTheNumberKeepsTheWidthOfTheHexText)
{
    fillField("$0102030405", "", std::nullopt);
    open([&] {
        EXPECT_EQ(dialog->format(), std::nullopt);
        // A value of five bytes takes a number in four, as far as it reaches.
        QTest::keyClicks(dialog->znak(), "258");
        EXPECT_EQ(dialog->text(efHex), "$02010000");
        // The width follows the hex text the operator types, not the one Znak wrote.
        retype(dialog->hex(), "$0000");
        retype(dialog->znak(), "258");
        EXPECT_EQ(dialog->text(efHex), "$0201");
        press(dialog->znak(), Qt::Key_Escape);
    });
}

TEST_F(EditDialog, ChoosingAFormatFillsOrCutsTheHexTextWithoutTouchingTheNumber)
{
    fillField("$41", "A", hfByte);
    open([&] {
        QTest::mouseClick(dialog->formatGroup()->button(hfDWord), Qt::LeftButton);
        EXPECT_EQ(dialog->text(efHex), "$41000000");
        QTest::mouseClick(dialog->formatGroup()->button(hfByte), Qt::LeftButton);
        EXPECT_EQ(dialog->text(efHex), "$41");
        retype(dialog->hex(), "$3412");
        QTest::mouseClick(dialog->formatGroup()->button(hfByte), Qt::LeftButton);
        EXPECT_EQ(dialog->text(efHex), "$34");
        EXPECT_EQ(dialog->text(efZnak), "4660");
        press(dialog->hex(), Qt::Key_Escape);
    });
}

TEST_F(EditDialog, OkPutsTheDollarInFrontOfAFieldsHexText)
{
    fillField("$00", "", hfByte);
    const bool confirmed = open([&] {
        retype(dialog->hex(), "41");
        press(dialog->hex(), Qt::Key_Return);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(dialog->text(efHex), "$41");
    EXPECT_EQ(dialog->text(efZnak), "A");
}

TEST_F(EditDialog, OkIsEnabledAgainAtTheNextOpeningWhenTheHexTextReadsAndTheFieldsAndFormatCarryOver)
{
    fillField("$00", "", hfWord);
    open([&] {
        retype(dialog->hex(), "$123");
        EXPECT_FALSE(dialog->okButton()->isEnabled());
        press(dialog->hex(), Qt::Key_Escape);
    });
    dialog->setText(efJmeno, "6");
    // The leftover hex text still does not read: OK stays withheld, as while typing.
    open([&] {
        EXPECT_FALSE(dialog->okButton()->isEnabled());
        EXPECT_EQ(dialog->text(efHex), "$123");
        EXPECT_EQ(dialog->format(), hfWord);
        press(dialog->znak(), Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        press(dialog->znak(), Qt::Key_Escape);
    });
    dialog->setText(efHex, "$1234");
    open([&] {
        EXPECT_TRUE(dialog->okButton()->isEnabled());
        press(dialog->znak(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog->text(efJmeno), "6");
}

TEST_F(EditDialog, AFieldOpensWithOkWithheldWhileItsHexTextDoesNotReadWithoutReportingIt)
{
    for (const QByteArrayView hex : {"    40     3 0 ", "", "$4G", "$12345"}) {
        fillField(hex, "", std::nullopt);
        open([&] {
            EXPECT_FALSE(dialog->okButton()->isEnabled()) << hex.data();
            press(dialog->znak(), Qt::Key_Escape);
        });
    }
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(EditDialog, AValueWiderThanANumberOpensConfirmableAndIsHandedBackAsItWas)
{
    fillField("$0102030405", "", std::nullopt);
    open([&] {
        EXPECT_TRUE(dialog->okButton()->isEnabled());
        retype(dialog->hex(), "$010203040");
        EXPECT_FALSE(dialog->okButton()->isEnabled());
        retype(dialog->hex(), "$0102030405");
        EXPECT_TRUE(dialog->okButton()->isEnabled());
        press(dialog->hex(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog->text(efHex), "$0102030405");
}

TEST_F(EditDialog, OkFollowsTheHexTextWhicheverControlChangedIt)
{
    fillField("$00", "", hfByte);
    open([&] {
        retype(dialog->hex(), "$4G");
        EXPECT_FALSE(dialog->okButton()->isEnabled());
        retype(dialog->znak(), "B");
        EXPECT_EQ(dialog->text(efHex), "$42");
        EXPECT_TRUE(dialog->okButton()->isEnabled());

        retype(dialog->hex(), "$123");
        EXPECT_FALSE(dialog->okButton()->isEnabled());
        QTest::mouseClick(dialog->formatGroup()->button(hfWord), Qt::LeftButton);
        EXPECT_EQ(dialog->text(efHex), "$1230");
        EXPECT_TRUE(dialog->okButton()->isEnabled());

        retype(dialog->hex(), "$4G");
        QTest::mouseClick(dialog->formatGroup()->button(hfByte), Qt::LeftButton);
        EXPECT_FALSE(dialog->okButton()->isEnabled());
        press(dialog->hex(), Qt::Key_Escape);
    });
}

TEST_F(EditDialog, TextsPutInByTheProgramAreKeptWholeWhateverTheLastLimit)
{
    dialog->setNameWidth(2);
    fillField("$41", "A", hfByte);
    open([&] { press(dialog->znak(), Qt::Key_Return); });
    dialog->setText(efJmeno, "100");
    EXPECT_EQ(dialog->text(efJmeno), "100");
    open([&] {
        EXPECT_EQ(dialog->text(efJmeno), "100");
        press(dialog->znak(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog->text(efJmeno), "100");

    // A record's name after an opening limited to a narrower width.
    dialog->setNameWidth(8);
    fill("   1 ", "Alpha   ", "    40     3 0 ", "");
    open([&] { press(dialog->jmeno(), Qt::Key_Return); });
    fill("   1 ", "Alpha-Centaur", "    40     3 0 ", "");
    dialog->setNameWidth(13);
    open([&] {
        EXPECT_EQ(dialog->text(efJmeno), "Alpha-Centaur");
        press(dialog->jmeno(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog->text(efJmeno), "Alpha-Centaur");
}

TEST_F(EditDialog, ARecordHeaderCannotBeConfirmedWithoutANumber)
{
    fill("4", "", "", "");
    const bool confirmed = open([&] {
        retype(dialog->cislo(), "");
        EXPECT_FALSE(dialog->okButton()->isEnabled());
        press(dialog->cislo(), Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        QTest::keyClicks(dialog->cislo(), " ");
        EXPECT_TRUE(dialog->okButton()->isEnabled());
        retype(dialog->cislo(), "12");
        press(dialog->cislo(), Qt::Key_Return);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(dialog->text(efCislo), "12");
}
