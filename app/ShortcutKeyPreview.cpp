#include "app/ShortcutKeyPreview.h"

#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace
{

bool enabledByItself(const QWidget &button)
{
    return !button.testAttribute(Qt::WA_ForceDisabled);
}

bool showing(const QWidget &panel)
{
    return !panel.isHidden();
}

bool isAvailable(const QPointer<QWidget> &control, bool (*available)(const QWidget &))
{
    return control && available(*control);
}

} // namespace

ShortcutKeyPreview::ShortcutKeyPreview(QWidget *window) : QObject(window), m_window(window)
{
    m_window->installEventFilter(this);
    followWindowHandle();
}

void ShortcutKeyPreview::addShortcut(int key, QWidget *button, std::function<void()> command)
{
    m_shortcuts.push_back({key, true, button, std::move(command), &enabledByItself});
}

void ShortcutKeyPreview::addPlainKey(int key, QWidget *button, std::function<void()> command)
{
    m_shortcuts.push_back({key, false, button, std::move(command), &enabledByItself});
}

void ShortcutKeyPreview::setEscape(QWidget *panel, std::function<void()> command)
{
    m_escape = Shortcut{Qt::Key_Escape, false, panel, std::move(command), &showing};
}

bool ShortcutKeyPreview::FormKeyDown(const QKeyEvent &key)
{
    if (key.key() == Qt::Key_Escape) {
        if (m_escape && isAvailable(m_escape->control, m_escape->available))
            runLater(*m_escape);
        return false;
    }
    const bool ctrl = key.modifiers() & Qt::ControlModifier;
    const bool alone =
        !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier));
    for (const Shortcut &shortcut : m_shortcuts) {
        const bool pressed = shortcut.key == key.key() && (shortcut.withCtrl ? ctrl : alone);
        if (pressed && isAvailable(shortcut.control, shortcut.available)) {
            runLater(shortcut);
            return true;
        }
    }
    return false;
}

void ShortcutKeyPreview::runLater(const Shortcut &shortcut)
{
    QMetaObject::invokeMethod(
        this,
        [shortcut] {
            if (isAvailable(shortcut.control, shortcut.available))
                shortcut.command();
        },
        Qt::QueuedConnection);
}

bool ShortcutKeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show)
            followWindowHandle();
    } else if (watched == m_handle && event->type() == QEvent::KeyPress) {
        return FormKeyDown(*static_cast<QKeyEvent *>(event));
    }
    return QObject::eventFilter(watched, event);
}

void ShortcutKeyPreview::followWindowHandle()
{
    QWindow *handle = m_window->windowHandle();
    if (handle == m_handle)
        return;
    if (m_handle)
        m_handle->removeEventFilter(this);
    m_handle = handle;
    if (m_handle)
        m_handle->installEventFilter(this);
}
