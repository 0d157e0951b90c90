#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

// The go-to window: a small modeless window, always on top, listing the
// record names. Object name "frmSeznam"; its title and Label1 take language
// text 30, and Label2 shows the number of names with text 31.
class TfrmSeznam : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 289;
    static constexpr int ClientHeight = 66;

    explicit TfrmSeznam(QWidget *parent = nullptr);

    QLabel *titleLabel() const { return m_label1; }
    QLabel *countLabel() const { return m_label2; }
    QComboBox *names() const { return m_cbSeznam; }

private:
    QLabel *m_label1;
    QLabel *m_label2;
    QComboBox *m_cbSeznam;
};
