#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs a dialog modally in its own event loop, as the operator meets it: the
// operator's part runs once the dialog is open and should close it (a dialog
// it leaves open is cancelled, as is one that never becomes active). True when
// the dialog was accepted. Once it has closed, the window it belongs to is
// active again.
inline bool RunModalAsOperator(QDialog &dialog, const std::function<void(QDialog &)> &operatorPart)
{
    QTimer::singleShot(0, &dialog, [&dialog, operatorPart] {
        // The operator works in the dialog once it has become the active window
        // (a dialog over an active window counts as active before it is).
        if (QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }))
            operatorPart(dialog);
        if (dialog.isVisible())
            dialog.reject();
    });
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // As a window manager does, the window under the dialog becomes active
    // again; a test that needs it active finds out from what it checks next.
    if (QWidget *parent = dialog.parentWidget()) {
        parent->window()->activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(parent->window()));
    }
    return accepted;
}
