#pragma once

#include "prompts/Prompts.h"

#include <QStringList>

struct KeptTexts;

// The prompts as the operator sees them: Qt's file dialogs and message boxes.
class QtPrompts : public Prompts
{
public:
    // The file filters of both file dialogs: all files first, then text
    // files, named by the language texts.
    static QStringList fileFilters(const KeptTexts &texts);

    // The language texts the dialogs take their filter names from (not owned).
    void setTexts(const KeptTexts *texts) { m_texts = texts; }

    std::optional<QString> openFileName(QWidget *parent, const QString &proposed) override;
    std::optional<QString> saveFileName(QWidget *parent, const QString &proposed) override;
    std::optional<QString> folderName(QWidget *parent, const QString &title, const QString &proposed) override;
    void showError(QWidget *parent, const QString &message) override;
    void showInformation(QWidget *parent, const QString &title, const QString &message) override;
    void showLineError(QWidget *parent, const QString &title, const QString &message) override;
    bool askYesNo(QWidget *parent, const QString &question) override;
    SaveChoice askSaveChanges(QWidget *parent, const QString &question) override;
    bool runModal(QDialog &dialog) override;

private:
    std::optional<QString> askFileName(QWidget *parent, const QString &proposed, int acceptMode) const;

    const KeptTexts *m_texts = nullptr;
};
