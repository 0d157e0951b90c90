#pragma once

#include <QString>

#include <optional>

class QDialog;
class QWidget;

// What the operator answers when edits not yet saved are about to go.
enum class SaveChoice { Save, Discard, Cancel };

// Every modal question the main window asks goes through this interface, so
// that tests can answer it without a dialog blocking them.
class Prompts
{
public:
    virtual ~Prompts() = default;

    // The file to load; nothing when the operator cancels. The file need not exist.
    virtual std::optional<QString> openFileName(QWidget *parent, const QString &proposed) = 0;
    // The file to write; the operator is asked before an existing file is overwritten.
    virtual std::optional<QString> saveFileName(QWidget *parent, const QString &proposed) = 0;
    // An existing folder, chosen under the title; nothing when the operator cancels.
    virtual std::optional<QString> folderName(QWidget *parent, const QString &title, const QString &proposed) = 0;
    // An error box with the program's name as title.
    virtual void showError(QWidget *parent, const QString &message) = 0;
    // An information box with one OK button.
    virtual void showInformation(QWidget *parent, const QString &title, const QString &message) = 0;
    // An error box that stays on top of other windows, with its own title.
    virtual void showLineError(QWidget *parent, const QString &title, const QString &message) = 0;
    // A question answered Yes or No, with the program's name as title; No is
    // the default answer, so a hasty Enter changes nothing.
    virtual bool askYesNo(QWidget *parent, const QString &question) = 0;
    // The question before unsaved edits would go, with the standard Save,
    // Discard and Cancel buttons; closing the box is Cancel.
    virtual SaveChoice askSaveChanges(QWidget *parent, const QString &question) = 0;
    // Shows one of the program's own dialogs modally; true when the operator confirmed it.
    virtual bool runModal(QDialog &dialog) = 0;
};
