#pragma once

#include "prompts/Prompts.h"
#include "support/ModalOperator.h"

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
    std::optional<QString> folderAnswer;
    QStringList errors;
    QStringList informations;
    QStringList proposedNames;
    // The answer to every yes/no question, and the questions asked.
    bool yesNoAnswer = true;
    QStringList yesNoQuestions;
    // The answer to every question before unsaved edits would go, and the questions asked.
    SaveChoice saveChoice = SaveChoice::Discard;
    QStringList saveQuestions;
    // Plays the operator at a modal dialog: runs once the dialog is open in its
    // own event loop, as a real modal dialog runs, and should close it. A
    // dialog it leaves open is cancelled; with no operator set a dialog is
    // cancelled without being shown.
    std::function<void(QDialog &)> modalOperator;
    QStringList modalDialogs;
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
    std::optional<QString> folderName(QWidget *parent, const QString &title, const QString &proposed) override
    {
        ask(parent);
        proposedNames << title + ": " + proposed;
        return folderAnswer;
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
    bool askYesNo(QWidget *parent, const QString &question) override
    {
        ask(parent);
        yesNoQuestions << question;
        return yesNoAnswer;
    }
    SaveChoice askSaveChanges(QWidget *parent, const QString &question) override
    {
        ask(parent);
        saveQuestions << question;
        return saveChoice;
    }
    bool runModal(QDialog &dialog) override
    {
        modalDialogs << dialog.objectName();
        if (!modalOperator)
            return false;
        return RunModalAsOperator(dialog, modalOperator);
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
