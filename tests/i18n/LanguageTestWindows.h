#pragma once

// What each window shows of the language file: the targets of every window's
// numbered texts by object name, a check that each target shows the text of
// its own key, and a check that captions fit. The tests of the real windows
// include this header.

#include "i18n/ApplyLanguage.h"
#include "i18n/CodePage.h"
#include "i18n/KeptTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <gtest/gtest.h>

#include <functional>

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
                                      std::pair(60, 89), std::pair(100, 143), std::pair(170, 174)})
        for (int key = first; key <= last; ++key)
            keys.append(QByteArray::number(key));
    return keys;
}

// Each window's targets as "name=key"; a name is the object name of a
// control, menu item or the window itself, or "Seznam:n" for the title of
// column n of the list. The same key may serve several targets.
inline constexpr const char *MainWindowTargets =
    "btnNacti=1 btnUloz=2 btnHledej=3 btnPosli=4 btnPrijmi=5 btnNovy=6 btnKonec=7 cbOtevri=8 Label1=9 btnZpet=10 "
    "btnZrus=20 btnTisk=21 btnSeznam=30 Seznam:1=24 Seznam:3=25 Novy=6 Pidat1=26 Upravit1=27 Hledej1=3 Jdina=30 "
    "tisk1=21 Smazat1=28 Pesluj1=29 Zalohovat1=100 NaposledyItem=170 cbOnLine=131 Label3=132";
inline constexpr const char *EditWindowTargets =
    "EditFrm=139 CisloLabel=42 JmenoLabel=43 ZnakLabel=44 Zrusit=45 rg_Hex_Format=46";
inline constexpr const char *FindWindowTargets =
    "FindDialog1=3 FindWhatLabel=135 WholeWord=136 FindNext=137 FindCancel=45";
inline constexpr const char *PrintWindowTargets =
    "FrmTisk=21 PrintBtn=21 AllPageBtn=22 ZavritBtn=23 Label3=40 Label1=41";
inline constexpr const char *GoToWindowTargets = "frmSeznam=30 Label1=30";

// The window a control belongs to; a popup menu belongs to the window that owns it.
inline const QObject *ownerWindow(const QObject *object)
{
    for (; object; object = object->parent())
        if (const auto *widget = qobject_cast<const QWidget *>(object);
            widget && widget->isWindow() && !qobject_cast<const QMenu *>(widget))
            return widget;
    return nullptr;
}

// What a target shows: a window's title when the name is the window's own,
// the title of a list column for "Seznam:n", else the text or group title of
// the control or menu item with that name in that window (windows owned by
// it are not looked into: they reuse names such as "Label1"). A group box's
// title is its text with the blank before and after it taken off.
inline QString shown(QWidget *window, const QString &name)
{
    if (name == window->objectName())
        return window->windowTitle();
    if (name.startsWith(QStringLiteral("Seznam:")))
        return window->findChild<QAbstractItemView *>(QStringLiteral("Seznam"))
            ->model()
            ->headerData(name.sliced(7).toInt(), Qt::Horizontal)
            .toString();
    for (const QObject *target : window->findChildren<QObject *>(name)) {
        if (ownerWindow(target) != window)
            continue;
        const QString text = target->property(target->property("title").isValid() ? "title" : "text").toString();
        return qobject_cast<const QGroupBox *>(target) ? text.mid(1).chopped(1) : text;
    }
    return QStringLiteral("<no %1>").arg(name);
}

using TextOf = std::function<QString(const char *key)>;

// Checks every target of the window against the text its key should give.
inline void expectWindowTexts(QWidget *window, const char *targets, const TextOf &text)
{
    for (const QByteArray &target : QByteArray(targets).split(' ')) {
        const QList<QByteArray> nameAndKey = target.split('=');
        EXPECT_EQ(shown(window, QString::fromLatin1(nameAndKey[0])), text(nameAndKey[1].constData()))
            << window->objectName().toStdString() << " " << target.constData();
    }
}

// Text n of a section, as the language file gives it.
inline TextOf sectionTexts(const QString &path, const QByteArray &section)
{
    return [path, section](const char *key) {
        return CodePage::toUnicode(ProfileFile(path).readString(section, key, {}));
    };
}

inline void applySection(const QString &path, const QByteArray &section, const LanguageRows &rows)
{
    ApplyLanguage(
        ProfileFile(path), [&section] { return section; }, rows);
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
