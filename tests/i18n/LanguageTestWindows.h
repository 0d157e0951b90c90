#pragma once

// Stand-ins for the four windows that take language texts, holding just the
// targets under their real object names, and a check that each target shows
// the text of its own key. The tests of the real windows include this header
// and pair their window with stand-ins for the others.

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

inline QString deliveredLanguageFile()
{
    return QStringLiteral(WINORBA_SOURCE_DIR "/share/WinOrba.lng");
}

inline QList<QByteArray> languageKeys()
{
    QList<QByteArray> keys;
    for (const auto &[first, last] : {std::pair(1, 12), std::pair(20, 31), std::pair(40, 46), std::pair(50, 53),
                                      std::pair(60, 68), std::pair(100, 109)})
        for (int key = first; key <= last; ++key)
            keys.append(QByteArray::number(key));
    return keys;
}

template <typename T> void add(QWidget *parent, std::initializer_list<const char *> names)
{
    for (const char *name : names)
        (new T(parent))->setObjectName(QLatin1StringView(name));
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
    add<QPushButton>(main.get(), {"btnNacti", "btnUloz", "btnHledej", "btnPosli", "btnPrijmi", "btnNovy", "btnKonec",
                                  "btnZpet", "btnZrus", "btnTisk", "btnSeznam"});
    add<QCheckBox>(main.get(), {"cbOtevri"});
    add<QLabel>(main.get(), {"Label1"});
    auto *list = new QTableView(main.get());
    list->setObjectName(QStringLiteral("Seznam"));
    list->setModel(new QStandardItemModel(0, 4, list));
    auto *menu = new QMenu(main.get());
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    for (const char *name : {"Novy", "", "Pidat1", "Upravit1", "", "Hledej1", "Jdina", "tisk1", "", "Smazat1", "",
                             "Pesluj1", "", "Zalohovat1"})
        (*name ? menu->addAction(QString()) : menu->addSeparator())->setObjectName(QLatin1StringView(name));
    return main;
}

inline std::unique_ptr<QWidget> editWindow()
{
    auto edit = window("EditFrm");
    add<QLabel>(edit.get(), {"CisloLabel", "JmenoLabel", "ZnakLabel"});
    add<QPushButton>(edit.get(), {"Zrusit"});
    add<QGroupBox>(edit.get(), {"rg_Hex_Format"});
    return edit;
}

inline std::unique_ptr<QWidget> printWindow()
{
    auto print = window("FrmTisk");
    add<QLabel>(print.get(), {"Label1", "Label3"});
    add<QPushButton>(print.get(), {"AllPageBtn", "PrintBtn", "ZavritBtn"});
    return print;
}

inline std::unique_ptr<QWidget> goToWindow()
{
    auto goTo = window("frmSeznam");
    add<QLabel>(goTo.get(), {"Label1"});
    return goTo;
}

// What a target shows: a window's title when the name is the window's own,
// the title of a list column for "Seznam:n", else the text or group title of
// the widget or menu action with that name.
inline QString shown(QWidget *window, const QString &name)
{
    if (name == window->objectName())
        return window->windowTitle();
    if (name.startsWith(QStringLiteral("Seznam:")))
        return window->findChild<QAbstractItemView *>(QStringLiteral("Seznam"))
            ->model()
            ->headerData(name.sliced(7).toInt(), Qt::Horizontal)
            .toString();
    const QObject *target = window->findChild<QObject *>(name);
    if (!target)
        return QStringLiteral("<no %1>").arg(name);
    return target->property(target->property("title").isValid() ? "title" : "text").toString();
}

using TextOf = std::function<QString(const char *key)>;

// Checks every target and kept text against the text its key should give.
inline void expectLanguageTexts(const LanguageWindows &windows, const KeptTexts &kept, const TextOf &text)
{
    // Each target as "name=key"; the same key may serve several targets.
    const std::pair<QWidget *, const char *> targets[] = {
        {windows.main, "btnNacti=1 btnUloz=2 btnHledej=3 btnPosli=4 btnPrijmi=5 btnNovy=6 btnKonec=7 cbOtevri=8 "
                       "Label1=9 btnZpet=10 btnZrus=20 btnTisk=21 btnSeznam=30 Seznam:1=24 Seznam:3=25 Novy=6 "
                       "Pidat1=26 Upravit1=27 Hledej1=3 Jdina=30 tisk1=21 Smazat1=28 Pesluj1=29 Zalohovat1=100"},
        {windows.edit, "CisloLabel=42 JmenoLabel=43 ZnakLabel=44 Zrusit=45"},
        {windows.print, "PrintBtn=21 AllPageBtn=22 ZavritBtn=23 Label3=40 Label1=41"},
        {windows.goTo, "frmSeznam=30 Label1=30"}};
    for (const auto &[window, list] : targets) {
        for (const QByteArray &target : QByteArray(list).split(' ')) {
            const QList<QByteArray> nameAndKey = target.split('=');
            EXPECT_EQ(shown(window, QString::fromLatin1(nameAndKey[0])), text(nameAndKey[1].constData()))
                << target.constData();
        }
    }
    EXPECT_EQ(shown(windows.edit, "rg_Hex_Format"), u' ' + text("46") + u' ');

    const std::pair<const QByteArray *, const char *> keptTexts[] = {
        {&kept.writeBackMessage, "11"}, {&kept.notFoundEnding, "12"},    {&kept.namesUnit, "31"},
        {&kept.lineErrorTitle, "50"},   {&kept.parityError, "51"},       {&kept.breakError, "52"},
        {&kept.framingError, "53"},     {&kept.renumberRefused, "60"},   {&kept.writeBackFailed, "61"},
        {&kept.writtenBack, "62"},      {&kept.deviceSilent, "63"},      {&kept.checkTheLine, "64"},
        {&kept.cancelEndsWait, "65"},   {&kept.receptionKept, "66"},     {&kept.deleteOnDevice, "67"},
        {&kept.noDeviceData, "68"},     {&kept.backupFolder, "101"},     {&kept.backupProgress, "102"},
        {&kept.backupStored, "103"},    {&kept.backupUnreadable, "104"}, {&kept.backupSummary, "105"},
        {&kept.backupFailures, "106"},  {&kept.backupCut, "107"},        {&kept.backupTitle, "108"},
        {&kept.backupNothing, "109"}};
    for (const auto &[slot, key] : keptTexts)
        EXPECT_EQ(CodePage::toUnicode(*slot), text(key)) << "kept text " << key;
}

// Text n of a section, as the language file gives it.
inline TextOf sectionTexts(const QString &path, const QByteArray &section)
{
    return [path, section](const char *key) {
        return CodePage::toUnicode(ProfileFile(path).readString(section, key, {}));
    };
}

inline void applySection(const QString &path, const QByteArray &section, const LanguageWindows &windows,
                         KeptTexts &kept)
{
    ApplyLanguage(
        ProfileFile(path), [&section] { return section; }, windows, kept);
}

// Shows the window and checks that no caption is cut: every label, button and
// group box is as wide as its text needs. Buttons of a fixed design size are
// left out.
inline void expectCaptionsFit(QWidget *window)
{
    window->show();
    QCoreApplication::sendPostedEvents();
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const bool captioned = qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget) ||
                               qobject_cast<QGroupBox *>(widget);
        if (!captioned || widget->minimumWidth() == widget->maximumWidth())
            continue;
        EXPECT_GE(widget->width(), widget->minimumSizeHint().width()) << widget->objectName().toStdString();
    }
}

} // namespace LanguageTest
