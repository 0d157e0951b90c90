#include "app/ShortcutKeyPreview.h"

#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace
{

std::function<bool()> enabledByItself(QWidget *button)
{
    return [control = QPointer<QWidget>(button)] { return control && !control->testAttribute(Qt::WA_ForceDisabled); };
}

std::function<bool()> showing(QWidget *panel)
{
    return [control = QPointer<QWidget>(panel)] { return control && !control->isHidden(); };
}

} // namespace

ShortcutKeyPreview::ShortcutKeyPreview(QWidget *window) : QObject(window), m_window(window)
{
    m_window->installEventFilter(this);
    followWindowHandle();
}

void ShortcutKeyPreview::addShortcut(int key, QWidget *button, std::function<void()> command)
{
    m_shortcuts.push_back({QKeyCombination(Qt::Key(key)), Held::Ctrl, enabledByItself(button), std::move(command)});
}

void ShortcutKeyPreview::addPlainKey(int key, QWidget *button, std::function<void()> command)
{
    m_shortcuts.push_back({QKeyCombination(Qt::Key(key)), Held::Nothing, enabledByItself(button), std::move(command)});
}

void ShortcutKeyPreview::addExactKey(QKeyCombination keys, std::function<bool()> available,
                                     std::function<void()> command)
{
    m_shortcuts.push_back({keys, Held::Exactly, std::move(available), std::move(command)});
}

void ShortcutKeyPreview::setEscape(QWidget *panel, std::function<void()> command)
{
    m_escape = Shortcut{QKeyCombination(Qt::Key_Escape), Held::Nothing, showing(panel), std::move(command)};
}

bool ShortcutKeyPreview::FormKeyDown(const QKeyEvent &key)
{
    if (key.key() == Qt::Key_Escape) {
        if (m_escape && m_escape->available())
            runLater(*m_escape);
        return false;
    }
    for (const Shortcut &shortcut : m_shortcuts) {
        if (pressed(shortcut, key) && shortcut.available()) {
            runLater(shortcut);
            return true;
        }
    }
    return false;
}

bool ShortcutKeyPreview::pressed(const Shortcut &shortcut, const QKeyEvent &key)
{
    // The keypad flag tells where a key is, not what it means.
    const Qt::KeyboardModifiers held =
        key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
    if (key.key() != shortcut.keys.key())
        return false;
    switch (shortcut.held) {
    case Held::Ctrl:
        return held.testFlag(Qt::ControlModifier);
    case Held::Nothing:
        return held == Qt::NoModifier;
    case Held::Exactly:
        break;
    }
    return held == shortcut.keys.keyboardModifiers();
}

void ShortcutKeyPreview::runLater(const Shortcut &shortcut)
{
    QMetaObject::invokeMethod(
        this,
        [shortcut] {
            if (shortcut.available())
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
