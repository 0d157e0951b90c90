#include "ProgramFixture.h"
#include "app/LanguageChoice.h"
#include "i18n/LanguageTestWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// A language file of two languages whose every text names its language and key ("A7", "B25"...).
QByteArray twoLanguages()
{
    QByteArray file = "[Jazyk]\r\nPoradi=A,B\r\nactive=0\r\n";
    for (const char *language : {"A", "B"}) {
        file += QByteArray("[") + language + "]\r\n";
        for (const QByteArray &key : LanguageTest::languageKeys())
            file += key + '=' + language + key + "\r\n";
    }
    return file;
}

class LanguageSwitch : public ProgramFixture
{
protected:
    void SetUp() override
    {
        writeLanguageFile(twoLanguages());
        start();
        windows = {form.get(), form->findChild<QWidget *>("EditFrm"), form->findChild<QWidget *>("FrmTisk"),
                   form->findChild<QWidget *>("frmSeznam")};
        box = form->findChild<QComboBox *>("cbJazyk");
    }

    static LanguageTest::TextOf textsOf(const QString &language)
    {
        return [language](const char *key) { return language.isEmpty() ? QString() : language + key; };
    }

    LanguageWindows windows{};
    QComboBox *box = nullptr;
};

} // namespace

TEST_F(LanguageSwitch, EveryTargetOfTheRealWindowsFollowsTheLanguageBox)
{
    LanguageTest::expectLanguageTexts(windows, form->Texts, textsOf("A"));
    box->setCurrentIndex(1);
    LanguageTest::expectLanguageTexts(windows, form->Texts, textsOf("B"));
    // A text that names no language leaves the language in use.
    box->setEditText("Bx");
    LanguageTest::expectLanguageTexts(windows, form->Texts, textsOf("B"));
    box->setCurrentIndex(0);
    LanguageTest::expectLanguageTexts(windows, form->Texts, textsOf("A"));
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

TEST_F(LanguageSwitch, AStrayKeyInTheLanguageBoxKeepsTheLanguageForThisRunAndTheNext)
{
    box->setCurrentIndex(1);
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    box->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    ASSERT_EQ(box->currentText(), "");
    LanguageTest::expectLanguageTexts(windows, form->Texts, textsOf("B"));
    QTest::keyClicks(QApplication::focusWidget(), "x");
    LanguageTest::expectLanguageTexts(windows, form->Texts, textsOf("B"));
    form->close();
    EXPECT_EQ(ProfileFile(languagePath).readString("Jazyk", "active", ""), "1");

    start();
    EXPECT_EQ(child<QAbstractButton>("btnNacti")->text(), "B1");
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

TEST_F(LanguageSwitch, ATypedNameOfALanguageAppliesItAndIsSaved)
{
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "B");
    ASSERT_EQ(box->currentText(), "B");
    LanguageTest::expectLanguageTexts(windows, form->Texts, textsOf("B"));
    form->close();
    EXPECT_EQ(ProfileFile(languagePath).readString("Jazyk", "active", ""), "1");
}

TEST_F(LanguageSwitch, FixedTextsAreNotTouched)
{
    box->setEditText("none");
    const QAbstractItemModel *model = form->findChild<QAbstractItemView *>("Seznam")->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "#");
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "Hex");
    EXPECT_EQ(form->findChild<QCheckBox *>("cbOnLine")->text(), "On Line");
    EXPECT_EQ(form->windowTitle(), "WinOrba          ver.1.8.5 (20.9.2008)");
}

TEST_F(LanguageSwitch, NoCaptionOfTheMainWindowIsCutInADeliveredLanguage)
{
    const QString delivered = LanguageTest::deliveredLanguageFile();
    writeLanguageFile(TestFiles::read(delivered));
    start();
    const auto languages = SplitLanguageList(ProfileFile(languagePath).readString("Jazyk", "Poradi", ""));
    ASSERT_GE(languages.size(), 2);
    for (const QByteArray &language : languages) {
        SCOPED_TRACE(CodePage::toUnicode(language).toStdString());
        child<QComboBox>("cbJazyk")->setEditText(CodePage::toUnicode(language));
        form->show();
        QCoreApplication::sendPostedEvents();
        // The other windows belong to the main window but are hidden and laid out on their own.
        for (QWidget *widget : form->findChildren<QWidget *>()) {
            if (widget->window() != form.get() || !widget->isVisible())
                continue;
            if (qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget)) {
                EXPECT_GE(widget->width(), widget->minimumSizeHint().width()) << widget->objectName().toStdString();
            }
        }
        EXPECT_GE(form->width(), 426);
    }
}
