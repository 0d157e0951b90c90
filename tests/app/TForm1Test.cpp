#include "ProgramFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QMenu>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

using MainWindow = ProgramFixture;

} // namespace

TEST_F(MainWindow, EveryControlExistsUnderItsName)
{
    start();
    for (const char *name : {"btnNacti", "btnUloz", "btnHledej", "btnPosli", "btnPrijmi", "btnNovy", "btnKonec",
                             "btnZpet", "btnZrus", "btnTisk", "btnSeznam"})
        EXPECT_NE(child<QAbstractButton>(name), nullptr) << name;
    for (const char *name : {"cbOnLine", "cbOtevri"})
        EXPECT_NE(child<QCheckBox>(name), nullptr) << name;
    for (const char *name :
         {"cbJazyk", "ComComboBox1", "ComComboBox2", "ComComboBox3", "ComComboBox4", "ComComboBox5", "ComComboBox6"})
        EXPECT_NE(child<QComboBox>(name), nullptr) << name;
    for (const char *name : {"Panel_Tlacitka", "Panel1", "Progress", "Label1", "Label2", "DatePicker", "TimePicker",
                             "SpinVerze", "Memo1", "ProgressBar1", "Procenta"})
        EXPECT_NE(child<QWidget>(name), nullptr) << name;
    EXPECT_EQ(form->windowTitle(), "WinOrba          ver.1.8.5 (20.9.2008)");
    EXPECT_TRUE(child<QCheckBox>("cbOtevri")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("cbOnLine")->isChecked());
    EXPECT_TRUE(child<QWidget>("Progress")->isHidden());
}

TEST_F(MainWindow, PopupMenuHasTheTwelveEntriesInOrderWithTheProgramsOwn)
{
    start();
    const QList<QAction *> actions = child<QMenu>("PopupMenu1")->actions();
    ASSERT_EQ(actions.size(), 18);
    const QStringList names = {"Novy",     "NaposledyItem", "", "Pidat1",    "Upravit1", "",        "Hledej1",
                               "Jdina",    "tisk1",         "", "Smazat1",   "",         "Pesluj1", "",
                               "UndoItem", "RedoItem",      "", "Zalohovat1"};
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(actions[i]->isSeparator(), names[i].isEmpty()) << i;
        if (!names[i].isEmpty()) {
            EXPECT_EQ(actions[i]->objectName(), names[i]) << i;
        }
    }
}

TEST_F(MainWindow, ListHasFourColumnsWithinTheirLimits)
{
    start();
    auto *list = child<QTableView>("Seznam");
    ASSERT_EQ(list->model()->columnCount(), 4);
    EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString(), "#");
    EXPECT_EQ(list->model()->headerData(2, Qt::Horizontal).toString(), "Hex");
    form->show();
    QTest::qWait(10);
    EXPECT_GE(list->columnWidth(0), 35);
    EXPECT_GE(list->columnWidth(1), 150);
    EXPECT_LE(list->columnWidth(1), 300);
    EXPECT_GE(list->columnWidth(3), 90);
    EXPECT_LE(list->columnWidth(3), 130);
}

TEST_F(MainWindow, WindowCannotBeMadeSmallerThanTheMinimum)
{
    start();
    form->resize(100, 100);
    EXPECT_GE(form->width(), 426);
    EXPECT_GE(form->height(), 426);
}

TEST_F(MainWindow, ActiveOutOfRangeLeavesTheBoxEmptyAndCloseWritesMinusOne)
{
    writeLanguageFile("[Jazyk]\r\nPoradi=a,b\r\nactive=5\r\nautoopen=0\r\n");
    start();
    auto *box = child<QComboBox>("cbJazyk");
    EXPECT_EQ(box->count(), 2);
    EXPECT_EQ(box->currentText(), "");
    EXPECT_FALSE(child<QCheckBox>("cbOtevri")->isChecked());
    form->close();
    const ProfileFile file(languagePath);
    EXPECT_EQ(file.readString("Jazyk", "active", ""), "-1");
    EXPECT_EQ(file.readString("Jazyk", "autoopen", ""), "0");
    EXPECT_EQ(file.readString("Jazyk", "Poradi", ""), "a,b");
}

TEST_F(MainWindow, AnEmptyBoxWritesMinusOneEvenWithAnEmptyLanguageName)
{
    writeLanguageFile("[Jazyk]\r\nPoradi=\r\nactive=5\r\n");
    start();
    form->close();
    EXPECT_EQ(ProfileFile(languagePath).readString("Jazyk", "active", ""), "-1");
}

TEST_F(MainWindow, VersionIsWrittenAsPlainDecimalWhateverTheSystemNumberStyle)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Swedish));
    start();
    QLocale::setDefault(previous);
    auto *version = child<QSpinBox>("SpinVerze");
    version->setValue(-5);
    EXPECT_EQ(version->cleanText(), "-5");
}

TEST_F(MainWindow, CloseWritesTheSelectedLanguageAndCheckBox)
{
    writeLanguageFile("[Jazyk]\r\nPoradi=a,b,\r\nactive=0\r\n");
    start();
    child<QComboBox>("cbJazyk")->setCurrentIndex(1);
    child<QCheckBox>("cbOtevri")->setChecked(false);
    form->close();
    const ProfileFile file(languagePath);
    EXPECT_EQ(file.readString("Jazyk", "active", ""), "1");
    EXPECT_EQ(file.readString("Jazyk", "autoopen", ""), "0");
}

TEST_F(MainWindow, AnUnwritableLanguageFileIsReportedAndTheWindowStillCloses)
{
    languagePath = dir.filePath("missing-folder/WinOrba.lng");
    start();
    form->show();
    EXPECT_TRUE(form->close());
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(prompts.errors[0], "Unable to write to " + languagePath);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindow, ControlStatesAfterStartAndAfterNew)
{
    start();
    EXPECT_FALSE(enabled("btnPosli")); // nothing loaded yet
    EXPECT_TRUE(enabled("btnNacti"));
    EXPECT_FALSE(enabled("btnUloz"));
    EXPECT_FALSE(enabled("btnZpet"));
    EXPECT_TRUE(enabled("btnNovy"));
    form->btnNovyClick();
    ASSERT_EQ(form->document().entries().count(), 2);
    EXPECT_EQ(form->document().entries().at(0).cells(), (QList<QByteArray>{"xx", "jmeno", "", ""}));
    EXPECT_EQ(form->document().entries().at(1).cells(), (QList<QByteArray>{"", "0", "$00", ""}));
    EXPECT_TRUE(enabled("btnUloz"));
    EXPECT_FALSE(enabled("btnNovy"));
    EXPECT_FALSE(child<QAction>("Novy")->isEnabled());
    EXPECT_TRUE(child<QAction>("Pidat1")->isEnabled());
}

TEST_F(MainWindow, VersionChangeDisablesSend)
{
    start();
    form->document().markLoaded();
    ASSERT_TRUE(enabled("btnPosli"));
    child<QWidget>("SpinVerze")->setProperty("value", 3);
    EXPECT_FALSE(enabled("btnPosli"));
    // The list is empty: New has nothing to replace and stays offered.
    EXPECT_TRUE(enabled("btnNovy"));
}
