#pragma once

#include "i18n/LanguageRow.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The find window, laid out like the desktop's usual one: the text to find,
// "Match whole word only", Find Next and Cancel. There is no match-case box
// and no direction: the search is always case-blind for a-z and goes down.
// Its title and labels are numbered texts of the language file (see
// languageRows); until the first language is applied they are English.
//
// It is modeless and stays above the main window. Closing it (Cancel, Esc,
// the title bar) only hides it, so the text and the check box are there for
// the next opening.
class TFindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TFindDialog(QWidget *parent);

    QString findText() const;
    bool wholeWord() const;

    QLineEdit *textField() const { return m_findWhat; }
    QCheckBox *wholeWordBox() const { return m_wholeWord; }
    QPushButton *findNextButton() const { return m_findNext; }
    QPushButton *cancelButton() const { return m_cancel; }
    // The window's numbered texts and the controls that show them.
    LanguageRows languageRows();

signals:
    // Each time the window opens (not when a minimised window comes back).
    void opened();
    // Find Next, by its button, by Enter or by F3 in the window.
    void findNext();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLineEdit *m_findWhat;
    QLabel *m_findWhatLabel;
    QCheckBox *m_wholeWord;
    QPushButton *m_findNext;
    QPushButton *m_cancel;
};
