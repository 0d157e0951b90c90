#pragma once

// Stand-ins for the windows that take language texts, holding exactly the
// controls the texts go to under their real object names, and a check that
// every target shows the text of its own key. The test folders of the real
// windows include this header too, and pair their window with stand-ins for
// the others.

#include "i18n/ApplyLanguage.h"
#include "i18n/CodePage.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace LanguageTest
{

// The language file delivered with the program, as committed.
inline QString deliveredLanguageFile()
{
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../share/WinOrba.lng"));
}

// Every key a language section holds.
inline QList<QByteArray> languageKeys()
{
    QList<QByteArray> keys;
    for (const auto &[first, last] : {std::pair(1, 12), std::pair(20, 31), std::pair(40, 46), std::pair(50, 53)})
        for (int key = first; key <= last; ++key)
            keys.append(QByteArray::number(key));
    return keys;
}

template <typename T> T *add(QWidget *parent, const char *name)
{
    auto *widget = new T(parent);
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

inline std::unique_ptr<QWidget> window(const char *name)
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QLatin1StringView(name));
    return window;
}

inline std::unique_ptr<QWidget> mainWindow()
{
    auto main = window("Form1");
    for (const char *name : {"btnNacti", "btnUloz", "btnHledej", "btnPosli", "btnPrijmi", "btnNovy", "btnKonec",
                             "btnZpet", "btnZrus", "btnTisk", "btnSeznam"})
        add<QPushButton>(main.get(), name);
    add<QCheckBox>(main.get(), "cbOtevri");
    add<QLabel>(main.get(), "Label1");
    auto *list = add<QTableView>(main.get(), "Seznam");
    auto *model = new QStandardItemModel(0, 4, list);
    model->setHorizontalHeaderLabels(
        {QStringLiteral("#"), QStringLiteral("Jméno / Offset"), QStringLiteral("Hex"), QStringLiteral("Znak / Číslo")});
    list->setModel(model);
    auto *menu = new QMenu(main.get());
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    for (const char *name :
         {"Novy", "", "Pidat1", "Upravit1", "", "Hledej1", "Jdina", "tisk1", "", "Smazat1", "", "Pesluj1"}) {
        QAction *action = *name ? menu->addAction(QString()) : menu->addSeparator();
        action->setObjectName(QLatin1StringView(name));
    }
    return main;
}

inline std::unique_ptr<QWidget> editWindow()
{
    auto edit = window("EditFrm");
    for (const char *name : {"CisloLabel", "JmenoLabel", "ZnakLabel"})
        add<QLabel>(edit.get(), name);
    add<QPushButton>(edit.get(), "Zrusit");
    add<QGroupBox>(edit.get(), "rg_Hex_Format");
    return edit;
}

inline std::unique_ptr<QWidget> printWindow()
{
    auto print = window("FrmTisk");
    add<QLabel>(print.get(), "Label1");
    add<QLabel>(print.get(), "Label3");
    for (const char *name : {"AllPageBtn", "PrintBtn", "ZavritBtn"})
        add<QPushButton>(print.get(), name);
    return print;
}

inline std::unique_ptr<QWidget> goToWindow()
{
    auto goTo = window("frmSeznam");
    add<QLabel>(goTo.get(), "Label1");
    return goTo;
}

inline QString shown(QWidget *window, const char *name)
{
    QObject *target = window->findChild<QObject *>(QLatin1StringView(name));
    if (!target) {
        ADD_FAILURE() << "no " << name << " in " << window->objectName().toStdString();
        return {};
    }
    return target->property(target->property("title").isValid() ? "title" : "text").toString();
}

using TextOf = std::function<QString(const char *key)>;

inline void expectMainWindowTexts(QWidget *main, const TextOf &text)
{
    const std::pair<const char *, const char *> captions[] = {
        {"btnNacti", "1"}, {"btnUloz", "2"},  {"btnHledej", "3"}, {"btnPosli", "4"}, {"btnPrijmi", "5"},
        {"btnNovy", "6"},  {"btnKonec", "7"}, {"cbOtevri", "8"},  {"Label1", "9"},   {"btnZpet", "10"},
        {"btnZrus", "20"}, {"btnTisk", "21"}, {"btnSeznam", "30"}};
    for (const auto &[name, key] : captions)
        EXPECT_EQ(shown(main, name), text(key)) << name;

    const QAbstractItemModel *model = main->findChild<QAbstractItemView *>(QStringLiteral("Seznam"))->model();
    const QString columns[] = {QStringLiteral("#"), text("24"), QStringLiteral("Hex"), text("25")};
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(), columns[column]) << "column " << column;

    const char *menuKeys[] = {"6", nullptr, "26", "27", nullptr, "3", "30", "21", nullptr, "28", nullptr, "29"};
    const QList<QAction *> actions = main->findChild<QMenu *>(QStringLiteral("PopupMenu1"))->actions();
    ASSERT_EQ(actions.size(), 12);
    for (int position = 0; position < 12; ++position)
        EXPECT_EQ(actions[position]->text(), menuKeys[position] ? text(menuKeys[position]) : QString())
            << "menu item " << position;
}

// Checks every target of every window and the kept texts against the text
// each key should give.
inline void expectLanguageTexts(const LanguageWindows &windows, const KeptTexts &kept, const TextOf &text)
{
    expectMainWindowTexts(windows.main, text);
    EXPECT_EQ(shown(windows.edit, "CisloLabel"), text("42"));
    EXPECT_EQ(shown(windows.edit, "JmenoLabel"), text("43"));
    EXPECT_EQ(shown(windows.edit, "ZnakLabel"), text("44"));
    EXPECT_EQ(shown(windows.edit, "Zrusit"), text("45"));
    EXPECT_EQ(shown(windows.edit, "rg_Hex_Format"), u' ' + text("46") + u' ');
    EXPECT_EQ(shown(windows.print, "Label3"), text("40"));
    EXPECT_EQ(shown(windows.print, "Label1"), text("41"));
    EXPECT_EQ(shown(windows.print, "AllPageBtn"), text("22"));
    EXPECT_EQ(shown(windows.print, "PrintBtn"), text("21"));
    EXPECT_EQ(shown(windows.print, "ZavritBtn"), text("23"));
    EXPECT_EQ(windows.goTo->windowTitle(), text("30"));
    EXPECT_EQ(shown(windows.goTo, "Label1"), text("30"));

    const std::pair<const QByteArray *, const char *> keptTexts[] = {
        {&kept.writeBackMessage, "11"}, {&kept.notFoundEnding, "12"}, {&kept.namesUnit, "31"},
        {&kept.lineErrorTitle, "50"},   {&kept.parityError, "51"},    {&kept.breakError, "52"},
        {&kept.framingError, "53"}};
    for (const auto &[slot, key] : keptTexts)
        EXPECT_EQ(CodePage::toUnicode(*slot), text(key)) << "kept text " << key;
}

// Text n of a language section, as the reader of the file would see it.
inline TextOf sectionTexts(const QString &path, const QByteArray &section)
{
    return [path, section](const char *key) {
        return CodePage::toUnicode(ProfileFile(path).readString(section, key, {}));
    };
}

// Shows the window and checks that no caption is cut: every label, button and
// group box is at least as wide as its text needs. Buttons of a fixed design
// size (image buttons, "<" and ">") are left out.
inline void expectCaptionsFit(QWidget *window)
{
    window->show();
    QCoreApplication::sendPostedEvents();
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const bool captioned = qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget) ||
                               qobject_cast<QGroupBox *>(widget);
        if (!captioned || widget->minimumWidth() == widget->maximumWidth())
            continue;
        EXPECT_GE(widget->width(), widget->minimumSizeHint().width())
            << widget->objectName().toStdString() << " \"" << widget->property("text").toString().toStdString() << "\"";
    }
}

inline void applySection(const QString &path, const QByteArray &section, const LanguageWindows &windows,
                         KeptTexts &kept)
{
    ApplyLanguage(
        ProfileFile(path), [&section] { return section; }, windows, kept);
}

} // namespace LanguageTest
