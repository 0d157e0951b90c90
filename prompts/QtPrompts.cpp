#include "prompts/QtPrompts.h"

#include "i18n/CodePage.h"
#include "i18n/KeptTexts.h"

#include <QFileDialog>
#include <QMessageBox>

QStringList QtPrompts::fileFilters(const KeptTexts &texts)
{
    // The names say "*.*" for all files, but on this platform a name need
    // not have a dot, so the pattern behind them is "*"; the patterns
    // themselves are not shown, only the names.
    return {CodePage::toUnicode(texts.allFilesFilter) + QStringLiteral(" (*)"),
            CodePage::toUnicode(texts.textFilesFilter) + QStringLiteral(" (*.txt)")};
}

std::optional<QString> QtPrompts::askFileName(QWidget *parent, const QString &proposed, int acceptMode) const
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptMode(acceptMode));
    // The open dialog does not insist on an existing file: a missing one reaches the loader.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(fileFilters(m_texts ? *m_texts : KeptTexts{}));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPrompts::openFileName(QWidget *parent, const QString &proposed)
{
    return askFileName(parent, proposed, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPrompts::saveFileName(QWidget *parent, const QString &proposed)
{
    return askFileName(parent, proposed, QFileDialog::AcceptSave);
}

void QtPrompts::showError(QWidget *parent, const QString &message)
{
    QMessageBox::critical(parent, QStringLiteral("WinOrba"), message);
}

void QtPrompts::showInformation(QWidget *parent, const QString &title, const QString &message)
{
    QMessageBox::information(parent, title, message);
}

void QtPrompts::showLineError(QWidget *parent, const QString &title, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, title, message, QMessageBox::Ok, parent);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool QtPrompts::askYesNo(QWidget *parent, const QString &question)
{
    return QMessageBox::question(parent, QStringLiteral("WinOrba"), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

SaveChoice QtPrompts::askSaveChanges(QWidget *parent, const QString &question)
{
    const QMessageBox::StandardButton answer =
        QMessageBox::warning(parent, QStringLiteral("WinOrba"), question,
                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    return answer == QMessageBox::Save      ? SaveChoice::Save
           : answer == QMessageBox::Discard ? SaveChoice::Discard
                                            : SaveChoice::Cancel;
}

bool QtPrompts::runModal(QDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtPrompts::folderName(QWidget *parent, const QString &title, const QString &proposed)
{
    const QString folder = QFileDialog::getExistingDirectory(parent, title, proposed);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}
