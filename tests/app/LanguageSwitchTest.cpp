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
        box = form->findChild<QComboBox *>("cbJazyk");
    }

    static LanguageTest::TextOf textsOf(const QString &language)
    {
        return [language](const char *key) { return language.isEmpty() ? QString() : language + key; };
    }

    // Every window's targets and the kept texts show the texts of the language.
    void expectLanguageTexts(const QString &language)
    {
        using namespace LanguageTest;
        const TextOf text = textsOf(language);
        const std::pair<const char *, const char *> windows[] = {{"EditFrm", EditWindowTargets},
                                                                 {"FindDialog1", FindWindowTargets},
                                                                 {"FrmTisk", PrintWindowTargets},
                                                                 {"frmSeznam", GoToWindowTargets}};
        expectWindowTexts(form.get(), MainWindowTargets, text);
        for (const auto &[name, targets] : windows)
            expectWindowTexts(form->findChild<QWidget *>(name), targets, text);
        for (const auto &[kept, key] : {std::pair(&KeptTexts::notFoundEnding, "12"),
                                        {&KeptTexts::namesUnit, "31"},
                                        {&KeptTexts::noDeviceData, "68"},
                                        {&KeptTexts::notFoundTitle, "138"}})
            EXPECT_EQ(CodePage::toUnicode(form->Texts.*kept), text(key)) << key;
    }

    QComboBox *box = nullptr;
};

} // namespace

TEST_F(LanguageSwitch, EveryTargetOfTheRealWindowsFollowsTheLanguageBox)
{
    expectLanguageTexts("A");
    box->setCurrentIndex(1);
    expectLanguageTexts("B");
    // A text that names no language leaves the language in use.
    box->setEditText("Bx");
    expectLanguageTexts("B");
    box->setCurrentIndex(0);
    expectLanguageTexts("A");
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
    expectLanguageTexts("B");
    QTest::keyClicks(QApplication::focusWidget(), "x");
    expectLanguageTexts("B");
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
    expectLanguageTexts("B");
    form->close();
    EXPECT_EQ(ProfileFile(languagePath).readString("Jazyk", "active", ""), "1");
}

TEST_F(LanguageSwitch, FixedTextsAreNotTouched)
{
    box->setCurrentIndex(1);
    const QAbstractItemModel *model = form->findChild<QAbstractItemView *>("Seznam")->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "#");
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "Hex");
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
