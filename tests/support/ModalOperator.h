#pragma once

#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs a dialog modally in its own event loop, as the operator meets it: the
// operator's part runs once the dialog is open and should close it (a dialog
// it leaves open is cancelled, as is one that never becomes active). True when
// the dialog was accepted.
inline bool RunModalAsOperator(QDialog &dialog, const std::function<void(QDialog &)> &operatorPart)
{
    QTimer::singleShot(0, &dialog, [&dialog, operatorPart] {
        // The operator works in the dialog once it has become the active window.
        if (QTest::qWaitForWindowActive(&dialog))
            operatorPart(dialog);
        if (dialog.isVisible())
            dialog.reject();
    });
    return dialog.exec() == QDialog::Accepted;
}
