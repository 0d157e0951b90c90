#pragma once

#include "prompts/Prompts.h"

#include <QDialog>
#include <QString>

#include <cstdio>
#include <functional>
#include <optional>

// The operator as a benchmark plays it: no file is chosen unless one is set,
// every question is answered yes (unsaved edits are discarded), failures are
// printed, and a modal dialog is answered by the function set for it.
class BenchPrompts : public Prompts
{
public:
    // The file a save or receive dialog chooses; none cancels it.
    std::optional<QString> saveFile;
    // The folder a folder question chooses; none cancels it.
    std::optional<QString> folder;
    // Plays the operator inside a modal dialog, which then counts as accepted.
    std::function<void(QDialog &)> answer;
    int informations = 0;

    std::optional<QString> openFileName(QWidget *, const QString &) override { return std::nullopt; }
    std::optional<QString> saveFileName(QWidget *, const QString &) override { return saveFile; }
    std::optional<QString> folderName(QWidget *, const QString &, const QString &) override { return folder; }
    void showError(QWidget *, const QString &message) override
    {
        std::fprintf(stderr, "error: %s\n", qPrintable(message));
    }
    void showInformation(QWidget *, const QString &, const QString &) override { ++informations; }
    void showLineError(QWidget *, const QString &, const QString &message) override { showError(nullptr, message); }
    bool askYesNo(QWidget *, const QString &) override { return true; }
    SaveChoice askSaveChanges(QWidget *, const QString &) override { return SaveChoice::Discard; }
    bool runModal(QDialog &dialog) override
    {
        if (!answer)
            return false;
        answer(dialog);
        return true;
    }
};
