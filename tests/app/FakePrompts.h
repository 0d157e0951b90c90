#pragma once

#include "app/Prompts.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QStringList>
#include <QTimer>

// Answers the main window's questions from prepared values and records what it was told.
//
// With modal set, every question behaves like a real modal dialog on the way:
// a dialog window takes the focus, a nested event loop runs, and when the
// dialog has closed no control has the focus until the window system activates
// the main window again.
class FakePrompts : public Prompts
{
public:
    std::optional<QString> openAnswer;
    std::optional<QString> saveAnswer;
    QStringList errors;
    QStringList informations;
    QStringList proposedNames;
    bool modal = false;
    int questions = 0;

    std::optional<QString> openFileName(QWidget *parent, const QString &proposed) override
    {
        ask(parent);
        proposedNames << proposed;
        return openAnswer;
    }
    std::optional<QString> saveFileName(QWidget *parent, const QString &proposed) override
    {
        ask(parent);
        proposedNames << proposed;
        return saveAnswer;
    }
    void showError(QWidget *parent, const QString &message) override
    {
        ask(parent);
        errors << message;
    }
    void showInformation(QWidget *parent, const QString &title, const QString &message) override
    {
        ask(parent);
        informations << title + ": " + message;
    }
    void showLineError(QWidget *parent, const QString &title, const QString &message) override
    {
        ask(parent);
        errors << title + ": " + message;
    }

private:
    void ask(QWidget *parent)
    {
        ++questions;
        if (!modal)
            return;
        QDialog dialog(parent);
        dialog.setModal(true);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
        dialog.hide();
        QApplication::setActiveWindow(nullptr);
    }
};
