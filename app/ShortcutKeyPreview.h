#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <vector>

class QKeyEvent;
class QWidget;
class QWindow;

// The main window's keyboard shortcuts. Each key is looked at once, where it
// arrives at the window's own window-system window, before Qt hands it to the
// focused control. A shortcut that runs a command consumes its key, so the
// focused control never sees it (Ctrl+U must not also clear a line edit), and
// its command is queued to run after the key has been delivered: a command
// that shows a modal dialog must not run inside key dispatch, where the key
// would travel on once the dialog has closed.
class ShortcutKeyPreview : public QObject
{
    Q_OBJECT
public:
    // Watches window and follows its window-system window as it is created
    // and replaced.
    explicit ShortcutKeyPreview(QWidget *window);

    // Ctrl+key (other modifiers are not looked at) runs command while button
    // is enabled by its own state: a disabled panel around it does not count.
    void addShortcut(int key, QWidget *button, std::function<void()> command);
    // The key pressed alone (no Ctrl, Alt, Shift or Meta) runs command, under
    // the same rule as a Ctrl shortcut.
    void addPlainKey(int key, QWidget *button, std::function<void()> command);
    // The key with exactly these modifiers runs command while available()
    // says so, when the key is pressed and again when the command runs.
    void addExactKey(QKeyCombination keys, std::function<bool()> available, std::function<void()> command);
    // Esc, with or without modifiers, runs command while panel shows; the key
    // still reaches the focused control.
    void setEscape(QWidget *panel, std::function<void()> command);

    // Looks at one key pressed in the window; true when the key is consumed.
    bool FormKeyDown(const QKeyEvent &key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Which modifiers a key takes: Ctrl with any others, none, or exactly the given ones.
    enum class Held { Ctrl, Nothing, Exactly };
    struct Shortcut {
        QKeyCombination keys;
        Held held;
        std::function<bool()> available;
        std::function<void()> command;
    };

    static bool pressed(const Shortcut &shortcut, const QKeyEvent &key);

    void followWindowHandle();
    // Queues the command; it runs only if it is still available by then.
    void runLater(const Shortcut &shortcut);

    QWidget *m_window;
    QPointer<QWindow> m_handle;
    std::vector<Shortcut> m_shortcuts;
    std::optional<Shortcut> m_escape;
};
