#pragma once

#include "app/ControlStateRule.h"
#include "app/WindowMoveRule.h"
#include "document/Document.h"
#include "document/DocumentCommands.h"
#include "editing/ListCommands.h"
#include "i18n/CommandOutcome.h"
#include "i18n/KeptTexts.h"
#include "i18n/LanguageRow.h"
#include "i18n/ProfileFile.h"
#include "i18n/QtTranslation.h"
#include "link/port/ComTypes.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class BackupCommand;
class ContactLabel;
class FileOpening;
class FindCommand;
class HeaderValueStrip;
class ListColumnSizer;
class Prompts;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLayout;
class QMenu;
class QPushButton;
class QTableView;
class QTimer;
class SerialSystem;
class TComComboBox;
class TComPort;
class TEditFrm;
class TFrmTisk;
class TransferProgressPanel;
class TransferSession;
class TransferWindowView;
class UnsavedEdits;
class TfrmSeznam;

// The main window: the entry list and every command. It holds the controls
// and the state the commands share, wires the controls to their handlers and
// calls the rules kept in plain classes (control states, move rule, settings).
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr const char *ContactAddress = "podpora@winorba.cz";

    // serialSystem: where the port's devices come from; the platform's when empty.
    TForm1(Prompts &prompts, const QString &languageFile, std::shared_ptr<SerialSystem> serialSystem = {},
           QWidget *parent = nullptr);
    ~TForm1() override;

    // The other three windows, created after this one and owned by it.
    void SetSecondaryWindows(TEditFrm *editFrm, TFrmTisk *frmTisk, TfrmSeznam *frmSeznam);

    // Start-up once all windows exist: language list and settings, port
    // settings, then the chosen language.
    void ReadSettings();

    void UpdateControls(bool ready);
    void UpdateMenu(bool ready);

    // The document the window shows: the list, the header values the date,
    // time and version controls show and edit, the kept lines, file names and flags.
    Document &document() { return m_document; }
    TComPort &port() { return *ComPort1; }
    const ProfileFile &languageFile() const { return m_languageFile; }
    const ScreenRect &workArea() const { return m_workArea; }

    // Language texts that handlers show later (messages, titles, unit words).
    KeptTexts Texts;

    // The left part of the status line: how the last command ended, composed
    // by CommandOutcome in the language in use.
    void showOutcome(const QString &text);

    // The document's file commands in the window's current mode (see DocumentCommands).
    void LoadDeviceFile(const QString &fileName);
    void WriteDeviceFile(const QString &fileName);

    // Loads the file (named on the command line, say) after the unsaved-edits question.
    void OpenFile(const QString &fileName);

    // Handlers of the main window's commands.
    void btnNactiClick();
    void btnUlozClick();
    void btnNovyClick();
    void Hledej1Click();
    void btnPosliClick();
    void btnPrijmiClick();
    void btnKonecClick();
    void btnZpetClick();
    void btnZrusClick();
    void btnTiskClick();
    void btnSeznamClick();
    void Pidat1Click();
    void Upravit1Click();
    void Smazat1Click();
    void Pesluj1Click();
    void Zalohovat1Click();
    // Enter, Insert and Delete on the list; true when the key is taken for its command.
    bool SeznamKeyDown(int key);
    // Undo and Redo of the list's edits (popup items, Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z).
    void undoEdit();
    void redoEdit();
    void cbOnLineClick();
    void cbJazykChange();
    void Label2Click();
    void Timer1Timer();
    // Notifications of the port ComPort1.
    void ComPort1BeforeOpen();
    void ComPort1AfterClose();
    void ComPort1RxChar(int count);
    void ComPort1Error(TComErrors errors);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormClose();
    void buildPort(std::shared_ptr<SerialSystem> serialSystem);
    void buildTopPanel();
    QWidget *buildCommandButtons();
    QLayout *buildOptionsRow();
    QWidget *buildPortGroup();
    QWidget *buildHeaderStrip();
    void buildList();
    void buildPopupMenu();
    void buildFileOpening();
    // The save of a chosen file; true when nothing is left unsaved.
    bool saveToFile();
    // Asks about unsaved edits where no failure may escape (a close, the session's end).
    bool mayDropEdits();
    // Loads the file once the event under way (a drop, a menu choice) is over.
    void openLater(const QString &fileName);
    // Tells how a load went, once the list is in order on screen.
    void showLoaded(const QString &fileName, const LoadOutcome &outcome);
    void buildProgressPanel();
    void buildStatusLine();
    QPushButton *addButton(const char *name, const char *caption, const char *hint, void (TForm1::*handler)());
    QAction *addMenuItem(const char *name, const char *caption, void (TForm1::*handler)());
    void fillLanguageBox(const QList<QByteArray> &languages, int active);
    // The main window's own numbered texts and the controls that show them.
    LanguageRows languageRows();
    // Tab and Shift+Tab: the command buttons, the port boxes, the check boxes
    // and the language box, the header values, then the list.
    void setKeyboardOrder();
    // Puts the texts of the language the box's text names on every window.
    void applyBoxLanguage();
    void describePortBoxes();
    // Runs a command; a failure it raises is shown in an error box and the program goes on.
    void runCommand(const std::function<void()> &command);
    // The handler as a command run through runCommand.
    std::function<void()> guarded(void (TForm1::*handler)());
    // The shortcut keys (see ShortcutKeyPreview), seen before the focused control.
    void buildKeyPreview();
    void fitToCaptions();
    void placeProgressPanel();
    void showError(const QString &message);
    void showLoadedList();
    // The document changed: the controls, the Undo and Redo items and the title follow it.
    void showDocumentState();
    void showUndoCaptions();
    void showTitle();
    ControlStates controlStates(bool ready) const;

    Prompts &m_prompts;
    ProfileFile m_languageFile;
    Document m_document;
    DocumentCommands m_commands{m_document};
    CommandOutcome m_outcome{Texts};
    ScreenRect m_workArea;
    TEditFrm *m_editFrm = nullptr;
    TFrmTisk *m_frmTisk = nullptr;
    TfrmSeznam *m_frmSeznam = nullptr;
    FindCommand *m_find = nullptr;
    FileOpening *m_opening = nullptr;
    std::unique_ptr<ListCommands> m_listCommands;
    // Every window's numbered texts, walked by each change of language.
    LanguageRows m_languageRows;
    QtTranslation m_qtTranslation;
    // The widths the operator gave the list's columns (0: none).
    ListColumnSizer *m_columns = nullptr;

    QFrame *Panel_Tlacitka = nullptr;
    QPushButton *btnNacti = nullptr;
    QPushButton *btnUloz = nullptr;
    QPushButton *btnHledej = nullptr;
    QPushButton *btnPosli = nullptr;
    QPushButton *btnPrijmi = nullptr;
    QPushButton *btnSeznam = nullptr;
    QPushButton *btnZpet = nullptr;
    QPushButton *btnNovy = nullptr;
    QPushButton *btnTisk = nullptr;
    QPushButton *btnKonec = nullptr;
    QCheckBox *cbOnLine = nullptr;
    QCheckBox *cbOtevri = nullptr;
    QComboBox *cbJazyk = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    HeaderValueStrip *Panel1 = nullptr;
    QTableView *Seznam = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *Novy = nullptr;
    QAction *Naposledy = nullptr;
    QAction *Pidat1 = nullptr;
    QAction *Upravit1 = nullptr;
    QAction *Hledej1 = nullptr;
    QAction *Jdina = nullptr;
    QAction *tisk1 = nullptr;
    QAction *Smazat1 = nullptr;
    QAction *Pesluj1 = nullptr;
    QAction *UndoItem = nullptr;
    QAction *RedoItem = nullptr;
    QAction *Zalohovat1 = nullptr;
    TransferProgressPanel *Progress = nullptr;
    QPushButton *btnZrus = nullptr;
    QLabel *StatusText = nullptr;
    ContactLabel *Label2 = nullptr;
    TComPort *ComPort1 = nullptr;
    QList<TComComboBox *> m_portBoxes;
    // The transfers and the window as they see it; the double-click is attached there.
    std::unique_ptr<TransferWindowView> m_transferView;
    TransferSession *m_transfers = nullptr;
    std::unique_ptr<BackupCommand> m_backup;
    // Asked before anything drops the list's unsaved edits.
    std::unique_ptr<UnsavedEdits> m_unsaved;
};
