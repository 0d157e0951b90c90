#pragma once

#include "app/Prompts.h"
#include "support/ModalOperator.h"

#include <QStringList>

// Answers the main window's questions from prepared values and records what it was told.
class FakePrompts : public Prompts
{
public:
    std::optional<QString> openAnswer;
    std::optional<QString> saveAnswer;
    QStringList errors;
    QStringList informations;
    QStringList proposedNames;
    // Plays the operator at a modal dialog: runs once the dialog is open in its
    // own event loop, as a real modal dialog runs, and should close it. A
    // dialog it leaves open is cancelled; with no operator set a dialog is
    // cancelled without being shown.
    std::function<void(QDialog &)> modalOperator;
    QStringList modalDialogs;

    std::optional<QString> openFileName(QWidget *, const QString &proposed) override
    {
        proposedNames << proposed;
        return openAnswer;
    }
    std::optional<QString> saveFileName(QWidget *, const QString &proposed) override
    {
        proposedNames << proposed;
        return saveAnswer;
    }
    void showError(QWidget *, const QString &message) override { errors << message; }
    void showInformation(QWidget *, const QString &title, const QString &message) override
    {
        informations << title + ": " + message;
    }
    void showLineError(QWidget *, const QString &title, const QString &message) override
    {
        errors << title + ": " + message;
    }
    bool runModal(QDialog &dialog) override
    {
        modalDialogs << dialog.objectName();
        if (!modalOperator)
            return false;
        return RunModalAsOperator(dialog, modalOperator);
    }
};
