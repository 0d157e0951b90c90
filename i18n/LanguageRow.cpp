#include "i18n/LanguageRow.h"

#include "i18n/CodePage.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QGroupBox>
#include <QLabel>

namespace LanguageTargets
{

namespace
{

// A row that shows the decoded text through the given setter.
template <typename Target, typename Setter> LanguageRow decoded(const char *key, Target *target, Setter setter)
{
    return {key, [target, setter](const QByteArray &text) { setter(*target, CodePage::toUnicode(text)); }};
}

} // namespace

LanguageRow caption(const char *key, QAbstractButton *button)
{
    return decoded(key, button, [](QAbstractButton &b, const QString &text) { b.setText(text); });
}

LanguageRow caption(const char *key, QLabel *label)
{
    return decoded(key, label, [](QLabel &l, const QString &text) { l.setText(text); });
}

LanguageRow title(const char *key, QWidget *window)
{
    return decoded(key, window, [](QWidget &w, const QString &text) { w.setWindowTitle(text); });
}

LanguageRow groupTitle(const char *key, QGroupBox *group)
{
    return decoded(key, group, [](QGroupBox &g, const QString &text) { g.setTitle(u' ' + text + u' '); });
}

LanguageRow menuItem(const char *key, QAction *action)
{
    return decoded(key, action, [](QAction &a, const QString &text) { a.setText(text); });
}

LanguageRow columnTitle(const char *key, QAbstractItemModel *model, int column)
{
    return decoded(key, model, [column](QAbstractItemModel &m, const QString &text) {
        m.setHeaderData(column, Qt::Horizontal, text, Qt::DisplayRole);
    });
}

LanguageRow kept(const char *key, QString *slot)
{
    return decoded(key, slot, [](QString &s, const QString &text) { s = text; });
}

} // namespace LanguageTargets
