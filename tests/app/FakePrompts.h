#pragma once

#include "app/Prompts.h"

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
};
