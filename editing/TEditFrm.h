#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The edit-item dialog: one entry's Number, name or offset, hex text and
// character or number, with the width of the value. Object name "EditFrm";
// the labels of Cislo, Jmeno and Znak, the cancel button and the format group
// take language texts 42 to 46.
class TEditFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TEditFrm(QWidget *parent = nullptr);

    QLineEdit *cislo() const { return m_cislo; }
    QLineEdit *jmeno() const { return m_jmeno; }
    QLineEdit *hex() const { return m_hex; }
    QLineEdit *znak() const { return m_znak; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QGroupBox *formatBox() const { return m_formatBox; }
    // Ids 0, 1 and 2 are Byte, Word and DWord; no checked button means no format.
    QButtonGroup *formatGroup() const { return m_formatGroup; }

private:
    void createFormatGroup();

    QLineEdit *m_cislo;
    QLineEdit *m_jmeno;
    QLineEdit *m_hex;
    QLineEdit *m_znak;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QGroupBox *m_formatBox;
    QButtonGroup *m_formatGroup;
};
