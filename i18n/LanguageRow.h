#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

class QAbstractButton;
class QAbstractItemModel;
class QAction;
class QGroupBox;
class QLabel;
class QWidget;

// One numbered text of the language file and what shows it: each window
// lists the rows of its own controls, so no other code names them.
struct LanguageRow {
    const char *key;
    // Takes the text as the language file holds it (8-bit bytes).
    std::function<void(const QByteArray &text)> put;
};

using LanguageRows = std::vector<LanguageRow>;

// The usual targets of a numbered text, decoded for the screen.
namespace LanguageTargets
{

LanguageRow caption(const char *key, QAbstractButton *button);
LanguageRow caption(const char *key, QLabel *label);
LanguageRow title(const char *key, QWidget *window);
// A group box's title, with one blank before and one after the text.
LanguageRow groupTitle(const char *key, QGroupBox *group);
LanguageRow menuItem(const char *key, QAction *action);
LanguageRow columnTitle(const char *key, QAbstractItemModel *model, int column);
// A text the window keeps to show later (a message, a title pattern).
LanguageRow kept(const char *key, QString *slot);

} // namespace LanguageTargets
