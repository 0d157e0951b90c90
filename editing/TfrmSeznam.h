#pragma once

#include "editing/EntryListSelection.h"
#include "i18n/LanguageRow.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QKeyEvent;
class QLabel;
struct KeptTexts;

// The go-to window: a small modeless window, always on top, listing the
// record names. Object name "frmSeznam"; its title and Label1 take language
// text 30, and Label2 shows the number of names with text 31.
//
// Typing or choosing a name selects the first record whose name contains it;
// the window only moves the selection of the entry list and scrolls it.
// While the operator types or steps through the names with the arrow keys the
// window keeps the keyboard; Enter, or a name chosen from the drop-down list,
// then brings the main window to the front with the keyboard on the list.
class TfrmSeznam : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 289;
    static constexpr int ClientHeight = 66;
    // Where the window opens, from the main window's top left corner.
    static constexpr int OffsetFromMainLeft = 50;
    static constexpr int OffsetFromMainTop = 40;

    explicit TfrmSeznam(QWidget *parent = nullptr);

    // The entry list the window reads and moves, and the texts it shows.
    void SetEntryList(QTableView &list, const EntryModel &entries, const KeptTexts &texts);

    QLabel *titleLabel() const { return m_label1; }
    QLabel *countLabel() const { return m_label2; }
    QComboBox *names() const { return m_cbSeznam; }
    // The window's numbered texts and the controls that show them.
    LanguageRows languageRows();

    // Go to: fills the box with the record names, shows the first one ready
    // to be typed over and opens the window (an open one comes to the front).
    void btnSeznamClick();
    // The window opens: placed beside the main window, the count label filled.
    void FormShow();
    // The box's text changed, typed or chosen: the first record whose name
    // contains it is selected; a text no name contains changes nothing.
    void cbSeznamChange();
    // Esc hides the window, Enter goes to the record in the main window, the
    // arrow keys step through the names; true when the key was taken.
    bool cbSeznamKeyDown(const QKeyEvent &key);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Selects the first record whose name contains the box's text; false when none does.
    bool selectRecord();
    // A name chosen, or Enter: the record is selected and the main window takes the keyboard.
    void goToRecord();
    // Shows the name so many places further on in the list (back when negative).
    void stepName(int step);

    QLabel *m_label1;
    QLabel *m_label2;
    QComboBox *m_cbSeznam;
    std::optional<EntryListSelection> m_list;
    const KeptTexts *m_texts = nullptr;
};
