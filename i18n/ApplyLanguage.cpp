#include "i18n/ApplyLanguage.h"

#include "i18n/CodePage.h"
#include "i18n/LanguageTable.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include <stdexcept>

namespace
{

// One row being put on its window. The main window may own the other three
// (as their parent), and they reuse names such as "Label1", so a search never
// looks into another language window.
class Assignment
{
public:
    Assignment(const LanguageRow &row, const LanguageWindows &windows)
        : m_row(row), m_windows(windows), m_window(windowFor(row.window))
    {
    }

    void put(const QString &text) const
    {
        switch (m_row.kind) {
        case LanguageTargetKind::Caption:
            setCaption(text);
            break;
        case LanguageTargetKind::MenuItem:
            setMenuItem(text);
            break;
        case LanguageTargetKind::ColumnTitle:
            setColumnTitle(text);
            break;
        case LanguageTargetKind::WindowTitle:
            setWindowTitle(text);
            break;
        case LanguageTargetKind::GroupTitle:
            child<QGroupBox>(m_row.object, "group box")->setTitle(u' ' + text + u' ');
            break;
        case LanguageTargetKind::Kept:
            break;
        }
    }

private:
    [[noreturn]] void fail(const QString &what) const
    {
        throw std::runtime_error(
            QStringLiteral("Language text %1 has no target: %2").arg(QLatin1StringView(m_row.key), what).toStdString());
    }

    QWidget *windowFor(LanguageWindow which) const
    {
        QWidget *window = which == LanguageWindow::Main    ? m_windows.main
                          : which == LanguageWindow::Edit  ? m_windows.edit
                          : which == LanguageWindow::Print ? m_windows.print
                          : which == LanguageWindow::GoTo  ? m_windows.goTo
                                                           : nullptr;
        if (!window)
            fail(QStringLiteral("its window was not given"));
        return window;
    }

    bool isOtherWindow(const QObject *object) const
    {
        return object != m_window && (object == m_windows.main || object == m_windows.edit ||
                                      object == m_windows.print || object == m_windows.goTo);
    }

    template <typename T> T *find(const QObject *parent, QLatin1StringView name) const
    {
        for (QObject *object : parent->children()) {
            if (isOtherWindow(object))
                continue;
            if (auto *found = qobject_cast<T *>(object); found && object->objectName() == name)
                return found;
            if (auto *found = find<T>(object, name))
                return found;
        }
        return nullptr;
    }

    template <typename T> T *child(const char *name, const char *kindName) const
    {
        T *found = find<T>(m_window, QLatin1StringView(name));
        if (!found)
            fail(QStringLiteral("window \"%1\" holds no %2 named \"%3\"")
                     .arg(m_window->objectName(), QLatin1StringView(kindName), QLatin1StringView(name)));
        return found;
    }

    void setCaption(const QString &text) const
    {
        if (auto *button = find<QAbstractButton>(m_window, QLatin1StringView(m_row.object)))
            button->setText(text);
        else
            child<QLabel>(m_row.object, "button, check box or label")->setText(text);
    }

    void setMenuItem(const QString &text) const
    {
        QAction *action = child<QMenu>(LanguageTable::PopupMenu, "menu")->actions().value(m_row.index);
        if (!action || action->objectName() != QLatin1StringView(m_row.object))
            fail(QStringLiteral("item %1 of the menu is not \"%2\"")
                     .arg(m_row.index)
                     .arg(QLatin1StringView(m_row.object)));
        action->setText(text);
    }

    void setColumnTitle(const QString &text) const
    {
        QAbstractItemModel *model = child<QAbstractItemView>(m_row.object, "item view")->model();
        if (!model || !model->setHeaderData(m_row.index, Qt::Horizontal, text, Qt::DisplayRole))
            fail(QStringLiteral("the model of \"%1\" takes no title for column %2")
                     .arg(QLatin1StringView(m_row.object))
                     .arg(m_row.index));
    }

    void setWindowTitle(const QString &text) const
    {
        if (m_window->objectName() != QLatin1StringView(m_row.object))
            fail(QStringLiteral("the window given is \"%1\", not \"%2\"")
                     .arg(m_window->objectName(), QLatin1StringView(m_row.object)));
        m_window->setWindowTitle(text);
    }

    const LanguageRow &m_row;
    const LanguageWindows &m_windows;
    QWidget *m_window;
};

} // namespace

void ApplyLanguage(const ProfileFile &file, const std::function<QByteArray()> &sectionName,
                   const LanguageWindows &windows, KeptTexts &kept)
{
    for (const LanguageRow &row : LanguageTable::rows()) {
        const QByteArray text = file.readString(sectionName(), row.key, {});
        if (row.kind == LanguageTargetKind::Kept)
            kept.*row.kept = text;
        else
            Assignment(row, windows).put(CodePage::toUnicode(text));
    }
}

void ReadKeptTexts(const ProfileFile &file, const QByteArray &section, KeptTexts &kept)
{
    for (const LanguageRow &row : LanguageTable::rows()) {
        if (row.kind == LanguageTargetKind::Kept)
            kept.*row.kept = file.readString(section, row.key, {});
    }
}
