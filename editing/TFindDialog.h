#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The find window, laid out like the desktop's usual one: the text to find,
// "Match whole word only", Find Next and Cancel. There is no match-case box
// and no direction: the search is always case-blind for a-z and goes down.
// Its labels are English, as the desktop's own find window would show them;
// the language file carries no texts for it.
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
    QCheckBox *m_wholeWord;
    QPushButton *m_findNext;
    QPushButton *m_cancel;
};
