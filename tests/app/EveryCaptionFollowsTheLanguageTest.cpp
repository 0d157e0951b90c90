#include "ProgramFixture.h"
#include "i18n/LanguageTestWindows.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTableView>
#include <gtest/gtest.h>

namespace
{

const QByteArray Czech = "\xE8"
                         "e\x9Atina";
const QByteArray English = "English";

// Captions that read the same in every language: names of the program, of
// systems, ports and data sizes, an address, keys, and texts with no letter in them.
bool languageNeutral(const QString &text)
{
    static const QStringList names = {QStringLiteral("WinOrba          ver.1.8.5 (20.9.2008)"),
                                      QString::fromLatin1(TForm1::ContactAddress),
                                      QStringLiteral(" Port "),
                                      QStringLiteral("Hex"),
                                      QStringLiteral("Byte"),
                                      QStringLiteral("Word"),
                                      QStringLiteral("DWord"),
                                      QStringLiteral("OK")};
    static const QRegularExpression key(QStringLiteral("^(CTRL\\+[A-Z]|ESC|COM\\d+|/dev/\\S+)$"));
    return names.contains(text) || key.match(text).hasMatch() || !text.contains(QRegularExpression("\\p{L}"));
}

// Whether a caption is one of the section's texts, as it stands or filled in
// where the text has numbered places ("%1").
bool fromSection(const QString &caption, const QByteArray &section, const QString &path)
{
    for (const QByteArray &key : LanguageTest::languageKeys()) {
        const QString text = LanguageTest::sectionTexts(path, section)(key.constData());
        if (text.isEmpty())
            continue;
        if (caption == text || caption == u' ' + text + u' ')
            return true;
        QString pattern = QRegularExpression::escape(text);
        pattern.replace(QRegularExpression(QStringLiteral("%\\d")), QStringLiteral(".*"));
        if (text.contains(u'%') && QRegularExpression(u'^' + pattern + u'$').match(caption).hasMatch())
            return true;
    }
    return false;
}

// Every caption of every window the operator can see there, each under the
// place it is shown: window titles, labels, buttons and check boxes, group
// titles, tooltips, column titles and menu items. Hidden windows count with
// what they show once opened.
QMap<QString, QString> captions(TForm1 &form)
{
    QMap<QString, QString> shown;
    QList<QWidget *> windows = {&form};
    for (QDialog *dialog : form.findChildren<QDialog *>())
        windows.append(dialog);
    for (QWidget *window : windows) {
        const QString place = window->objectName() + u'/';
        shown[place + QStringLiteral("title")] = window->windowTitle();
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (LanguageTest::ownerWindow(widget) != window || !widget->isVisibleTo(window))
                continue;
            const QString at = place + QString::number(quintptr(widget), 16) + u' ' + widget->objectName();
            if (auto *label = qobject_cast<QLabel *>(widget))
                shown[at] = label->text();
            if (auto *button = qobject_cast<QAbstractButton *>(widget))
                shown[at] = button->text();
            if (auto *group = qobject_cast<QGroupBox *>(widget))
                shown[at] = group->title();
            if (!widget->toolTip().isEmpty())
                shown[at + QStringLiteral(" tip")] = widget->toolTip();
            if (auto *list = qobject_cast<QTableView *>(widget))
                for (int column = 0; column < list->model()->columnCount(); ++column)
                    shown[at + QString::number(column)] = list->model()->headerData(column, Qt::Horizontal).toString();
        }
    }
    for (QAction *item : form.findChild<QMenu *>("PopupMenu1")->actions())
        shown[QStringLiteral("menu/") + item->objectName()] = item->text();
    return shown;
}

class EveryCaption : public ProgramFixture
{
protected:
    void SetUp() override
    {
        writeLanguageFile(TestFiles::read(LanguageTest::deliveredLanguageFile()));
        start();
    }
    void choose(const QByteArray &language) { child<QComboBox>("cbJazyk")->setEditText(CodePage::toUnicode(language)); }
    void expectFromSection(const QMap<QString, QString> &shown, const QByteArray &language)
    {
        // A caption of several lines (a tooltip naming the port in use) is read line by line.
        for (auto caption = shown.begin(); caption != shown.end(); ++caption)
            for (const QString &line : caption->split(u'\n'))
                EXPECT_TRUE(languageNeutral(line) || fromSection(line, language, languagePath))
                    << caption.key().toStdString() << ": \"" << line.toStdString() << "\" in "
                    << CodePage::toUnicode(language).toStdString();
    }
};

} // namespace

TEST_F(EveryCaption, OfEveryWindowIsTheChosenLanguagesOwnText)
{
    choose(English);
    const QMap<QString, QString> english = captions(*form);
    expectFromSection(english, English);
    choose(Czech);
    const QMap<QString, QString> czech = captions(*form);
    expectFromSection(czech, Czech);
    ASSERT_EQ(czech.keys(), english.keys());
    // A caption fixed in one language would read the same in both.
    for (auto caption = czech.begin(); caption != czech.end(); ++caption)
        EXPECT_TRUE(languageNeutral(*caption) || *caption != english[caption.key()])
            << caption.key().toStdString() << ": \"" << caption->toStdString() << "\"";
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

// Qt's own dialogs speak the chosen language through the translations the
// system ships for Qt; English needs none.
TEST_F(EveryCaption, OfQtsOwnDialogsFollowsTheLanguageBox)
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_cs.qm")))
        GTEST_SKIP() << "Qt's Czech translation is not installed";
    const auto cancelButtonText = [] {
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Cancel);
        return box.button(QMessageBox::Cancel)->text();
    };
    choose(Czech);
    EXPECT_EQ(cancelButtonText(), QString::fromUtf8("Zrušit"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), QString::fromUtf8("Otevřít"));
    choose(English);
    EXPECT_EQ(cancelButtonText(), "Cancel");
    choose(Czech);
    form.reset();
    EXPECT_EQ(cancelButtonText(), "Cancel");
}
