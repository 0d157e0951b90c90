#pragma once

#include "editing/HexConversions.h"
#include "i18n/LanguageRow.h"

#include <QByteArray>
#include <QDialog>

#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The fields of the edit-item dialog, in tab order.
enum EditField { efCislo, efJmeno, efHex, efZnak };

// The edit-item dialog: one entry's Number, name or offset, hex text and
// character or number, with the width of the value. Object name "EditFrm";
// its title, the labels of Cislo, Jmeno and Znak, the cancel button and the
// format group take language texts (see languageRows).
//
// One instance serves the whole run: fields and format choice carry over from
// one use to the next except where an opening resets them. A record header is
// edited when Cislo holds text at the opening, a field entry otherwise. While
// a field entry is edited the hex text and the character or number follow each
// other as the operator types in either of them, and OK is enabled, from the
// opening on, only while the hex text reads as a whole value. The texts put
// into the fields are handed back unchanged unless the operator changes them.
class TEditFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TEditFrm(QWidget *parent = nullptr);

    // The fields' texts as 8-bit cell texts.
    QByteArray text(EditField field) const;
    void setText(EditField field, QByteArrayView text);
    // The chosen width of the value; none when no choice is checked.
    std::optional<HexFormat> format() const;
    void setFormat(std::optional<HexFormat> format);
    // The list's name width, which limits the typing in Jmeno from the next
    // opening on (30 characters when 0); a longer name put in stays whole.
    void setNameWidth(qsizetype width) { m_nameWidth = width; }
    // The window's numbered texts and the controls that show them.
    LanguageRows languageRows();

    QLineEdit *cislo() const { return m_cislo; }
    QLineEdit *jmeno() const { return m_jmeno; }
    QLineEdit *hex() const { return m_hex; }
    QLineEdit *znak() const { return m_znak; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QGroupBox *formatBox() const { return m_formatBox; }
    // Ids 0, 1 and 2 are Byte, Word and DWord; no checked button means no format.
    QButtonGroup *formatGroup() const { return m_formatGroup; }

signals:
    // A hex text the operator typed does not read; the message is for an error box.
    void conversionFailed(const QString &message);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createFormatGroup();
    QLineEdit *edit(EditField field) const;
    void FormShow();
    // OK follows whether the entry can be confirmed as the fields stand.
    void updateOkButton();
    bool fieldValueConfirmable() const;
    void CisloChange();
    void HexZnakChange();
    void ZnakChange();
    void rg_Hex_FormatClick(int index);
    void btn_OKClick();
    void centreOnMainWindow();

    QLineEdit *m_cislo;
    QLineEdit *m_jmeno;
    QLineEdit *m_hex;
    QLineEdit *m_znak;
    // The captions above Cislo, Jmeno and Znak.
    QLabel *m_cisloLabel = nullptr;
    QLabel *m_jmenoLabel = nullptr;
    QLabel *m_znakLabel = nullptr;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QGroupBox *m_formatBox;
    QButtonGroup *m_formatGroup;
    qsizetype m_nameWidth = 0;
    bool m_editsRecordHeader = false;
    // The width a typed number is written in while no format is chosen: the
    // hex text's own, as the dialog opened with it or the operator typed it.
    int m_hexTextDigits = 2;
    // The hex text the dialog opened with.
    QByteArray m_openedHex;
};
