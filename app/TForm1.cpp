#include "app/TForm1.h"

#include "app/BackupCommand.h"
#include "app/ContactLabel.h"
#include "app/ControlStateRule.h"
#include "app/FailureWords.h"
#include "app/FileOpening.h"
#include "app/HeaderValueStrip.h"
#include "app/LanguageChoice.h"
#include "app/ListColumnSizer.h"
#include "app/ProgramFiles.h"
#include "app/ShortcutKeyPreview.h"
#include "app/TransferProgressPanel.h"
#include "app/TransferWindowView.h"
#include "app/UnsavedEdits.h"
#include "document/DeviceFileTitle.h"
#include "editing/FindCommand.h"
#include "editing/TEditFrm.h"
#include "editing/TFindDialog.h"
#include "editing/TfrmSeznam.h"
#include "editing/UndoCaptions.h"
#include "i18n/ApplyLanguage.h"
#include "i18n/CodePage.h"
#include "i18n/LanguageTable.h"
#include "link/port/TComPort.h"
#include "link/settings/ComPortSettingsFile.h"
#include "link/settings/boxes/TComComboBox.h"
#include "link/transfers/TransferSession.h"
#include "print/TFrmTisk.h"
#include "prompts/Prompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMoveEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSessionManager>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <tuple>

namespace
{

const QString ProgramTitle = QStringLiteral("WinOrba          ver.1.8.5 (20.9.2008)");
constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 24;

ScreenRect toScreenRect(const QRect &r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

} // namespace

TForm1::TForm1(Prompts &prompts, const QString &languageFile, std::shared_ptr<SerialSystem> serialSystem,
               QWidget *parent)
    : QMainWindow(parent), m_prompts(prompts), m_languageFile(languageFile)
{
    setObjectName("Form1");
    setWindowTitle(ProgramTitle);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setCentralWidget(new QWidget(this));
    auto *layout = new QVBoxLayout(centralWidget());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildPort(std::move(serialSystem));
    buildTopPanel();
    buildList();
    layout->addWidget(Panel_Tlacitka);
    layout->addWidget(Seznam, 1);
    // The find window belongs to the window that holds the list.
    m_find = new FindCommand(*Seznam, m_document.entries(), Texts, m_prompts, this);
    buildFileOpening();
    buildPopupMenu();
    buildProgressPanel();
    buildStatusLine();
    setKeyboardOrder();

    m_transferView = std::make_unique<TransferWindowView>(
        TransferWindowParts{*this, *cbOnLine, *cbOtevri, *Seznam, *StatusText, *Progress,
                            [this](bool ready) { UpdateControls(ready); }},
        m_prompts);
    m_transfers = new TransferSession(*ComPort1, m_document, *m_transferView, Texts,
                                      ProgramFiles::transferFileFor(languageFile), this);
    connect(&m_transfers->timer(), &QTimer::timeout, this, [this] { runCommand([this] { Timer1Timer(); }); });
    connect(m_transfers, &TransferSession::closeRequested, this, &QWidget::close);
    connect(&m_document, &Document::changed, this, &TForm1::showDocumentState);
    m_backup = std::make_unique<BackupCommand>(*this, *m_transfers, m_document, *m_transferView, Texts, m_prompts);
    m_unsaved = std::make_unique<UnsavedEdits>(m_document, m_prompts, *this, Texts,
                                               UnsavedEditsLinks{[this] { return m_transfers->deviceFileOpen(); },
                                                                 [this] { return saveToFile(); },
                                                                 [this] { m_transfers->SaveToDevice(); }});
    // A session that ends asks as a close does; Cancel keeps the session going.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &session) {
        if (session.allowsInteraction() && !mayDropEdits())
            session.cancel();
        session.release();
    });

    resize(426, 724);
    fitToCaptions();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    buildKeyPreview();
    FormCreate();
}

// Out of line: the transfer view is only declared in the header.
TForm1::~TForm1() = default;

void TForm1::buildPort(std::shared_ptr<SerialSystem> serialSystem)
{
    ComPort1 = new TComPort(this, std::move(serialSystem));
    ComPort1->setObjectName("ComPort1");
    TComPort::ApplyWindowDesignValues(*ComPort1);
    connect(ComPort1, &TCustomComPort::OnBeforeOpen, this, [this] { ComPort1BeforeOpen(); });
    connect(ComPort1, &TCustomComPort::OnAfterClose, this, [this] { ComPort1AfterClose(); });
    connect(ComPort1, &TCustomComPort::OnRxChar, this,
            [this](QObject *, int count) { runCommand([this, count] { ComPort1RxChar(count); }); });
    connect(ComPort1, &TCustomComPort::OnError, this,
            [this](QObject *, TComErrors errors) { runCommand([this, errors] { ComPort1Error(errors); }); });
    // Failures of the port's own handlers (a choice in a port box, say) are shown like a command's.
    ComPort1->SetFailureWords([this](const std::exception &failure) { return FailureInWords(failure, Texts); });
    connect(ComPort1, &TCustomComPort::OnFailure, this, [this](QObject *, const QString &message) {
        runCommand([this, message] { m_transfers->PortFailed(message); });
    });
}

void TForm1::FormCreate()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        m_workArea = toScreenRect(screen->availableGeometry());
    UpdateControls(true);
}

// ---- layout -------------------------------------------------------------

QPushButton *TForm1::addButton(const char *name, const char *caption, const char *hint, void (TForm1::*handler)())
{
    auto *button = new QPushButton(QString::fromUtf8(caption));
    button->setObjectName(name);
    button->setMinimumSize(ButtonWidth, ButtonHeight);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (hint)
        button->setToolTip(QString::fromLatin1(hint));
    connect(button, &QPushButton::clicked, this, guarded(handler));
    return button;
}

void TForm1::buildTopPanel()
{
    Panel_Tlacitka = new QFrame;
    Panel_Tlacitka->setObjectName("Panel_Tlacitka");
    auto *panel = new QGridLayout(Panel_Tlacitka);
    panel->setContentsMargins(4, 4, 4, 2);
    panel->setSpacing(4);
    // The buttons keep their size at the left and the port group at the right;
    // a wider window widens the gap between them and the rows below.
    panel->addWidget(buildCommandButtons(), 0, 0, Qt::AlignLeft | Qt::AlignTop);
    panel->addWidget(buildPortGroup(), 0, 1);
    panel->addLayout(buildOptionsRow(), 1, 0, 1, 2);
    panel->addWidget(buildHeaderStrip(), 2, 0, 1, 2);
    panel->setColumnStretch(0, 1);
}

QWidget *TForm1::buildCommandButtons()
{
    auto *area = new QWidget;
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    btnNacti = addButton("btnNacti", "1", "CTRL+O", &TForm1::btnNactiClick);
    btnUloz = addButton("btnUloz", "2", "CTRL+S", &TForm1::btnUlozClick);
    btnHledej = addButton("btnHledej", "3", "CTRL+F", &TForm1::Hledej1Click);
    btnPosli = addButton("btnPosli", "4", "CTRL+U", &TForm1::btnPosliClick);
    btnPrijmi = addButton("btnPrijmi", "5", "CTRL+D", &TForm1::btnPrijmiClick);
    btnSeznam = addButton("btnSeznam", "30", nullptr, &TForm1::btnSeznamClick);
    btnZpet = addButton("btnZpet", "28", nullptr, &TForm1::btnZpetClick);
    btnNovy = addButton("btnNovy", "6", "CTRL+N", &TForm1::btnNovyClick);
    btnTisk = addButton("btnTisk", "11", "CTRL+P", &TForm1::btnTiskClick);
    btnKonec = addButton("btnKonec", "7", nullptr, &TForm1::btnKonecClick);
    const QList<QList<QPushButton *>> columns = {
        {btnNacti, btnUloz, btnHledej}, {btnPosli, btnPrijmi, btnSeznam, btnZpet}, {btnNovy, btnTisk, btnKonec}};
    for (int column = 0; column < columns.size(); ++column)
        for (int row = 0; row < columns[column].size(); ++row)
            grid->addWidget(columns[column][row], row, column);

    return area;
}

QLayout *TForm1::buildOptionsRow()
{
    cbOnLine = new QCheckBox(QStringLiteral("On Line"));
    cbOnLine->setObjectName("cbOnLine");
    // Every change of the tick switches, however it was made: a click, the space
    // bar, or an assistive tool's toggle (which sets the state without a click).
    connect(cbOnLine, &QCheckBox::toggled, this, [this] { runCommand([this] { cbOnLineClick(); }); });
    cbOtevri = new QCheckBox(QStringLiteral("8"));
    cbOtevri->setObjectName("cbOtevri");
    cbOtevri->setChecked(true);
    cbJazyk = new QComboBox;
    cbJazyk->setObjectName("cbJazyk");
    cbJazyk->setEditable(true);
    cbJazyk->setInsertPolicy(QComboBox::NoInsert);
    connect(cbJazyk, &QComboBox::editTextChanged, this, [this] { runCommand([this] { cbJazykChange(); }); });
    auto *options = new QHBoxLayout;
    options->addWidget(cbOnLine);
    options->addWidget(cbOtevri);
    // A wider window widens the list, not the language box.
    options->addWidget(cbJazyk);
    options->addStretch(1);
    return options;
}

QWidget *TForm1::buildPortGroup()
{
    GroupBox1 = new QGroupBox(QStringLiteral(" Port "));
    GroupBox1->setObjectName("GroupBox1");
    auto *grid = new QGridLayout(GroupBox1);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(3);
    const std::pair<const char *, TComProperty> boxes[] = {
        {"ComComboBox1", cpPort},   {"ComComboBox3", cpDataBits},    {"ComComboBox2", cpBaudRate},
        {"ComComboBox4", cpParity}, {"ComComboBox6", cpFlowControl}, {"ComComboBox5", cpStopBits},
    };
    for (const auto &[name, property] : boxes) {
        auto *box = new TComComboBox;
        box->setObjectName(name);
        box->SetComPort(ComPort1);
        box->SetComProperty(property);
        box->SetAutoApply(true);
        grid->addWidget(box, int(m_portBoxes.size()) / 2, int(m_portBoxes.size()) % 2);
        m_portBoxes.append(box);
    }
    return GroupBox1;
}

QWidget *TForm1::buildHeaderStrip()
{
    Panel1 = new HeaderValueStrip(m_document);
    return Panel1;
}

void TForm1::buildList()
{
    Seznam = new QTableView;
    Seznam->setObjectName("Seznam");
    Seznam->setModel(&m_document.entries());
    Seznam->setShowGrid(true);
    Seznam->setSelectionBehavior(QAbstractItemView::SelectRows);
    Seznam->setSelectionMode(QAbstractItemView::SingleSelection);
    Seznam->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Seznam->setWordWrap(false);
    Seznam->verticalHeader()->hide();
    // Every row has the same height, which keeps a list of a million entries fast.
    Seznam->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Seznam->verticalHeader()->setDefaultSectionSize(Seznam->fontMetrics().height() + 4);
    // The operator may size any column; the others share what is left.
    Seznam->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    Seznam->horizontalHeader()->setHighlightSections(false);
    m_columns = new ListColumnSizer(*Seznam);
    // Tab leaves the list for the next control; the arrow keys move within it.
    Seznam->setTabKeyNavigation(false);
    Seznam->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Seznam->setContextMenuPolicy(Qt::CustomContextMenu);
    Seznam->viewport()->installEventFilter(this);
    Seznam->installEventFilter(this);
    connect(Seznam, &QTableView::doubleClicked, this, [this] {
        if (m_transferView->doubleClickAttached())
            runCommand([this] { Upravit1Click(); });
    });
    connect(Seznam, &QTableView::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu1->popup(Seznam->viewport()->mapToGlobal(pos)); });
}

QAction *TForm1::addMenuItem(const char *name, const char *caption, void (TForm1::*handler)())
{
    QAction *action = PopupMenu1->addAction(QString::fromLatin1(caption));
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, guarded(handler));
    return action;
}

void TForm1::buildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    Novy = addMenuItem("Novy", "6", &TForm1::btnNovyClick);
    Naposledy = PopupMenu1->addMenu(&m_opening->recentMenu());
    Naposledy->setObjectName("NaposledyItem");
    PopupMenu1->addSeparator();
    Pidat1 = addMenuItem("Pidat1", "26", &TForm1::Pidat1Click);
    Upravit1 = addMenuItem("Upravit1", "27", &TForm1::Upravit1Click);
    PopupMenu1->addSeparator();
    Hledej1 = addMenuItem("Hledej1", "3", &TForm1::Hledej1Click);
    Jdina = addMenuItem("Jdina", "30", &TForm1::btnSeznamClick);
    tisk1 = addMenuItem("tisk1", "21", &TForm1::btnTiskClick);
    PopupMenu1->addSeparator();
    Smazat1 = addMenuItem("Smazat1", "28", &TForm1::Smazat1Click);
    PopupMenu1->addSeparator();
    Pesluj1 = addMenuItem("Pesluj1", "29", &TForm1::Pesluj1Click);
    PopupMenu1->addSeparator();
    UndoItem = addMenuItem("UndoItem", "", &TForm1::undoEdit);
    RedoItem = addMenuItem("RedoItem", "", &TForm1::redoEdit);
    PopupMenu1->addSeparator();
    Zalohovat1 = addMenuItem("Zalohovat1", "100", &TForm1::Zalohovat1Click);
}

void TForm1::buildFileOpening()
{
    m_opening = new FileOpening(m_document, m_commands, m_prompts, *this, m_languageFile,
                                FileOpeningLinks{[this] { return m_unsaved->mayDrop(); },
                                                 [this] { return btnNacti->isEnabled(); },
                                                 [this] { return cbOnLine->isChecked(); },
                                                 [this](const QString &fileName, const LoadOutcome &outcome) {
                                                     showLoaded(fileName, outcome);
                                                 }});
    connect(
        m_opening, &FileOpening::recentChosen, this, [this](const QString &fileName) { openLater(fileName); },
        Qt::QueuedConnection);
    setAcceptDrops(true);
}

void TForm1::buildProgressPanel()
{
    btnZrus = addButton("btnZrus", "10", "ESC", &TForm1::btnZrusClick);
    Progress = new TransferProgressPanel(*btnZrus, centralWidget());
}

void TForm1::buildStatusLine()
{
    // Empty until a command has ended.
    StatusText = new QLabel;
    StatusText->setObjectName("StatusText");
    Label2 = new ContactLabel(QString::fromLatin1(ContactAddress));
    Label2->setObjectName("Label2");
    connect(Label2, &ContactLabel::clicked, this, [this] { Label2Click(); });
    statusBar()->setMinimumHeight(20);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(StatusText, 1);
    statusBar()->addPermanentWidget(Label2);
}

void TForm1::placeProgressPanel()
{
    Progress->placeOver(Seznam->geometry());
}

void TForm1::setKeyboardOrder()
{
    QList<QWidget *> order = {btnNacti,  btnUloz, btnHledej, btnPosli, btnPrijmi,
                              btnSeznam, btnZpet, btnNovy,   btnTisk,  btnKonec};
    for (TComComboBox *box : m_portBoxes)
        order.append(box);
    order << cbOnLine << cbOtevri << cbJazyk << Panel1->tabOrder() << Seznam;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// ---- settings -------------------------------------------------------------

LanguageRows TForm1::languageRows()
{
    using namespace LanguageTargets;
    QAbstractItemModel *list = &m_document.entries();
    LanguageRows rows = {
        caption("1", btnNacti),      // load
        caption("2", btnUloz),       // save
        caption("3", btnHledej),     // find
        caption("4", btnPosli),      // send
        caption("5", btnPrijmi),     // receive
        caption("6", btnNovy),       // new
        caption("7", btnKonec),      // exit
        caption("8", cbOtevri),      // open a received file
        caption("10", btnZpet),      // back
        caption("30", btnSeznam),    // go to
        caption("20", btnZrus),      // cancel the transfer
        caption("21", btnTisk),      // print
        columnTitle("24", list, 1),  // name or offset
        columnTitle("25", list, 3),  // character or number
        menuItem("6", Novy),         // new
        menuItem("170", Naposledy),  // the recent files
        menuItem("26", Pidat1),      // add
        menuItem("27", Upravit1),    // edit
        menuItem("3", Hledej1),      // find
        menuItem("30", Jdina),       // go to
        menuItem("21", tisk1),       // print
        menuItem("28", Smazat1),     // delete
        menuItem("29", Pesluj1),     // renumber
        menuItem("100", Zalohovat1), // back up the device
        caption("131", cbOnLine),    // on line
    };
    // Qt's own texts (message box buttons, file and print dialogs) in the language named by its code.
    rows.push_back({"130", [this](const QByteArray &code) { m_qtTranslation.use(code); }});
    return rows;
}

void TForm1::SetSecondaryWindows(TEditFrm *editFrm, TFrmTisk *frmTisk, TfrmSeznam *frmSeznam)
{
    m_editFrm = editFrm;
    m_frmTisk = frmTisk;
    m_frmSeznam = frmSeznam;
    m_languageRows = languageRows();
    for (LanguageRows window :
         {Panel1->languageRows(), m_frmSeznam->languageRows(), m_frmTisk->languageRows(), m_editFrm->languageRows(),
          m_find->findDialog()->languageRows(), LanguageTable::keptRows(Texts)})
        m_languageRows.insert(m_languageRows.end(), window.begin(), window.end());
    m_frmSeznam->SetEntryList(*Seznam, m_document.entries(), Texts);
    connect(editFrm, &TEditFrm::conversionFailed, this,
            [this, editFrm](const QString &message) { m_prompts.showError(editFrm, message); });
    m_listCommands = std::make_unique<ListCommands>(
        m_document, *editFrm, *Seznam,
        ListCommandLinks{[this](QDialog &dialog) {
                             return m_transfers->RunWhileListStays([&] { return m_prompts.runModal(dialog); });
                         },
                         [this] { runCommand([this] { Upravit1Click(); }); },
                         [this] { runCommand([this] { Pidat1Click(); }); },
                         [this] { runCommand([this] { Smazat1Click(); }); }, &Texts});
}

void TForm1::cbJazykChange()
{
    // A text that names no language (a stray key, a name half typed) changes
    // nothing: the language in use stays, and it is the one saved at close.
    QStringList languages;
    for (int i = 0; i < cbJazyk->count(); ++i)
        languages.append(cbJazyk->itemText(i));
    const int named = NamedLanguage(languages, cbJazyk->currentIndex(), cbJazyk->currentText());
    if (named < 0)
        return;
    {
        const QSignalBlocker blocker(cbJazyk);
        cbJazyk->setCurrentIndex(named);
    }
    applyBoxLanguage();
}

void TForm1::applyBoxLanguage()
{
    // The section is the box's text as it stands at each lookup.
    ApplyLanguage(
        m_languageFile, [this] { return CodePage::fromUnicode(cbJazyk->currentText()); }, m_languageRows);
    SetFileFailureWords(FileFailureWordsOf(Texts));
    describePortBoxes();
    showUndoCaptions();
    fitToCaptions();
}

// The boxes in the order buildPortGroup makes them.
void TForm1::describePortBoxes()
{
    const QByteArray *descriptions[] = {&Texts.portBox,   &Texts.dataBitsBox,    &Texts.baudRateBox,
                                        &Texts.parityBox, &Texts.flowControlBox, &Texts.stopBitsBox};
    for (qsizetype i = 0; i < m_portBoxes.size(); ++i)
        m_portBoxes[i]->SetDescription(CodePage::toUnicode(*descriptions[i]));
}

void TForm1::fitToCaptions()
{
    // Captions of another language may need more room than the design size:
    // the window grows rather than cut them.
    setMinimumSize(QSize(MainWindowMinimumWidth, MainWindowMinimumHeight).expandedTo(minimumSizeHint()));
    resize(size().expandedTo(minimumSize()));
}

void TForm1::ReadSettings()
{
    const LanguageChoice choice = LanguageChoice::read(m_languageFile);
    fillLanguageBox(choice.languages, choice.active);
    cbOtevri->setChecked(choice.autoOpen);
    runCommand([this] { ComPortSettingsFile::LoadLineSettings(*ComPort1, m_languageFile.path()); });
    for (TComComboBox *box : m_portBoxes)
        box->ShowCurrentSetting();
    runCommand([this] { applyBoxLanguage(); });
}

void TForm1::fillLanguageBox(const QList<QByteArray> &languages, int active)
{
    const QSignalBlocker blocker(cbJazyk);
    cbJazyk->clear();
    for (const QByteArray &name : languages)
        cbJazyk->addItem(CodePage::toUnicode(name));
    const bool inRange = active >= 0 && active < cbJazyk->count();
    cbJazyk->setCurrentIndex(inRange ? active : -1);
    if (!inRange)
        cbJazyk->setEditText(QString());
}

void TForm1::FormClose()
{
    // Each step runs whatever the one before it met: the window always closes.
    runCommand([this] { m_transfers->WindowClosing(); });
    // The box's index is the language in use: a typed text that names no
    // language leaves it as it was.
    const int active = cbJazyk->currentIndex();
    // A language file that cannot be written must not keep the operator from
    // closing the program: the failure is shown once and the close goes on.
    if (!LanguageChoice::write(m_languageFile, active, cbOtevri->isChecked())) {
        showError(QStringLiteral("Unable to write to %1").arg(m_languageFile.path()));
        return;
    }
    runCommand([this] { ComPortSettingsFile::SaveLineSettings(*ComPort1, m_languageFile.path()); });
}

// ---- control states -------------------------------------------------------

// Ready only while no exchange uses the port, whoever asks.
ControlStates TForm1::controlStates(bool ready) const
{
    return ComputeControlStates({ready && m_transfers->ListCommandsAllowed(), cbOnLine->isChecked(),
                                 !m_document.entries().isEmpty(), m_document.listIsItsFile(),
                                 m_transfers->deviceFileOpen(), m_document.justSaved(),
                                 m_document.undoStack().canUndo(), m_document.undoStack().canRedo()});
}

void TForm1::UpdateControls(bool ready)
{
    UpdateMenu(ready);
    const ControlStates s = controlStates(ready);
    Progress->clearLog();
    btnNacti->setEnabled(s.load);
    btnUloz->setEnabled(s.save);
    btnHledej->setEnabled(s.find);
    btnPosli->setEnabled(s.send);
    btnPrijmi->setEnabled(s.receive);
    btnNovy->setEnabled(s.newList);
    btnKonec->setEnabled(s.exit);
    btnTisk->setEnabled(s.print);
    btnSeznam->setEnabled(s.goTo);
    btnZpet->setEnabled(s.back);
    Panel_Tlacitka->setEnabled(s.topPanel);
    Panel1->setValuesEnabled(s.headerValues);
    cbOtevri->setEnabled(s.openReceived);
}

void TForm1::UpdateMenu(bool ready)
{
    const ControlStates s = controlStates(ready);
    Novy->setEnabled(s.menuNew);
    Pidat1->setEnabled(s.menuAdd);
    Upravit1->setEnabled(s.menuEdit);
    Hledej1->setEnabled(s.menuFind);
    Jdina->setEnabled(s.menuGoTo);
    tisk1->setEnabled(s.menuPrint);
    Smazat1->setEnabled(s.menuDelete);
    Pesluj1->setEnabled(s.menuRenumber);
    UndoItem->setEnabled(s.menuUndo);
    RedoItem->setEnabled(s.menuRedo);
    Zalohovat1->setEnabled(s.menuBackup);
    Naposledy->setEnabled(s.load);
    showUndoCaptions();
}

void TForm1::showDocumentState()
{
    UpdateControls(m_transfers->ListCommandsAllowed());
    showTitle();
}

void TForm1::showUndoCaptions()
{
    UndoItem->setText(UndoItemCaption(m_document.undoStack(), Texts));
    RedoItem->setText(RedoItemCaption(m_document.undoStack(), Texts));
}

void TForm1::showTitle()
{
    const QString &file = m_document.fileName();
    const bool edited = m_document.hasUnsavedEdits();
    setWindowTitle(file.isEmpty() ? ProgramTitle + (edited ? QStringLiteral(" *") : QString())
                                  : DeviceFileWindowTitle(file, edited));
}

// ---- commands -------------------------------------------------------------

void TForm1::runCommand(const std::function<void()> &command)
{
    try {
        command();
    } catch (const std::exception &failure) {
        showError(FailureInWords(failure, Texts));
    }
}

std::function<void()> TForm1::guarded(void (TForm1::*handler)())
{
    return [this, handler] { runCommand([this, handler] { (this->*handler)(); }); };
}

void TForm1::buildKeyPreview()
{
    auto *keys = new ShortcutKeyPreview(this);
    const std::tuple<int, QPushButton *, void (TForm1::*)()> shortcuts[] = {
        {Qt::Key_N, btnNovy, &TForm1::btnNovyClick},   {Qt::Key_O, btnNacti, &TForm1::btnNactiClick},
        {Qt::Key_S, btnUloz, &TForm1::btnUlozClick},   {Qt::Key_F, btnHledej, &TForm1::Hledej1Click},
        {Qt::Key_P, btnTisk, &TForm1::btnTiskClick},   {Qt::Key_D, btnPrijmi, &TForm1::btnPrijmiClick},
        {Qt::Key_U, btnPosli, &TForm1::btnPosliClick}, {Qt::Key_L, btnSeznam, &TForm1::btnSeznamClick},
    };
    for (const auto &[key, button, handler] : shortcuts)
        keys->addShortcut(key, button, guarded(handler));
    const auto undoAvailable = [this] { return UndoItem->isEnabled(); };
    const auto redoAvailable = [this] { return RedoItem->isEnabled(); };
    keys->addExactKey(Qt::CTRL | Qt::Key_Z, undoAvailable, guarded(&TForm1::undoEdit));
    keys->addExactKey(Qt::CTRL | Qt::Key_Y, redoAvailable, guarded(&TForm1::redoEdit));
    keys->addExactKey(Qt::CTRL | Qt::SHIFT | Qt::Key_Z, redoAvailable, guarded(&TForm1::redoEdit));
    keys->addPlainKey(Qt::Key_F3, btnHledej, [this] { runCommand([this] { m_find->findAgain(); }); });
    keys->setEscape(Progress, [this] { btnZrus->click(); });
}

// The status line keeps the reason once the box has closed.
void TForm1::showError(const QString &message)
{
    showOutcome(m_outcome.stopped(message));
    m_prompts.showError(this, message);
}

void TForm1::showOutcome(const QString &text)
{
    m_transferView->showStatus(text);
}

void TForm1::btnNovyClick()
{
    if (!m_unsaved->mayDrop())
        return;
    m_commands.newDocument();
    showOutcome(m_outcome.newList());
}

void TForm1::btnNactiClick()
{
    m_opening->chooseAndLoad();
}

void TForm1::OpenFile(const QString &fileName)
{
    m_opening->load(fileName);
}

void TForm1::openLater(const QString &fileName)
{
    QMetaObject::invokeMethod(
        this, [this, fileName] { runCommand([this, fileName] { OpenFile(fileName); }); }, Qt::QueuedConnection);
}

void TForm1::showLoaded(const QString &fileName, const LoadOutcome &outcome)
{
    showLoadedList();
    if (!outcome.failure.isEmpty())
        showError(outcome.failure);
    else if (outcome.noDeviceData)
        showError(CodePage::toUnicode(Texts.noDeviceData).arg(fileName));
    else
        showOutcome(m_outcome.loaded(fileName, m_document.entries().count()));
}

void TForm1::showLoadedList()
{
    // The one-pixel resize lays the list's columns out anew.
    resize(width(), height() + 1);
    resize(width(), height() - 1);
    Seznam->setFocus();
    Seznam->clearSelection();
    if (!m_document.entries().isEmpty())
        Seznam->selectRow(0);
}

void TForm1::btnUlozClick()
{
    if (!m_transfers->SaveToDevice())
        saveToFile();
}

bool TForm1::saveToFile()
{
    const std::optional<QString> fileName = m_prompts.saveFileName(this, m_document.saveDialogFileName());
    if (!fileName)
        return false;
    m_commands.save(*fileName);
    m_opening->saved(*fileName);
    showOutcome(m_outcome.saved(*fileName));
    return !m_document.hasUnsavedEdits();
}

bool TForm1::mayDropEdits()
{
    bool mayDrop = false;
    runCommand([this, &mayDrop] { mayDrop = m_unsaved->mayDrop(); });
    return mayDrop;
}

void TForm1::LoadDeviceFile(const QString &fileName)
{
    m_commands.LoadDeviceFile(fileName, cbOnLine->isChecked());
}

void TForm1::WriteDeviceFile(const QString &fileName)
{
    m_commands.WriteDeviceFile(fileName);
}

// ---- transfers (TransferSession) -------------------------------------------

void TForm1::btnPosliClick()
{
    m_transfers->Send();
}
// A receive empties the list whether or not the received file is opened.
void TForm1::btnPrijmiClick()
{
    if (m_unsaved->mayDrop())
        m_transfers->Receive();
}
// Either way the list is replaced; a Cancel puts the tick back as it was.
void TForm1::cbOnLineClick()
{
    if (m_unsaved->mayDrop()) {
        m_transfers->OnLineSwitched();
        return;
    }
    const QSignalBlocker blocker(cbOnLine);
    cbOnLine->setChecked(!cbOnLine->isChecked());
}
void TForm1::btnZpetClick()
{
    if (m_unsaved->mayDrop())
        m_transfers->Back();
}
void TForm1::btnZrusClick()
{
    m_transfers->Cancel();
}
void TForm1::Timer1Timer()
{
    m_transfers->TimerTick();
}
void TForm1::ComPort1BeforeOpen()
{
    m_transfers->BeforeOpen();
}
void TForm1::ComPort1AfterClose()
{
    m_transfers->AfterClose();
}
void TForm1::ComPort1RxChar(int count)
{
    m_transfers->RxChar(count);
}
void TForm1::ComPort1Error(TComErrors errors)
{
    m_transfers->LineError(errors);
}

void TForm1::btnKonecClick()
{
    close();
}

void TForm1::Label2Click()
{
    Label2->openMail();
}

// ---- window events --------------------------------------------------------

void TForm1::closeEvent(QCloseEvent *event)
{
    // A transfer loop handling events runs to its end first; the close follows it.
    if (!m_transfers->ReadyToClose() || !mayDropEdits() || !m_transfers->ReadyToClose()) {
        // The second look: a write-back the answer began is waited for as well.
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

// One local file dropped on the window is loaded, as if chosen in the open dialog.
void TForm1::dragEnterEvent(QDragEnterEvent *event)
{
    if (!m_opening->droppedFile(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent *event)
{
    const QString fileName = m_opening->droppedFile(*event->mimeData());
    if (fileName.isEmpty())
        return;
    event->acceptProposedAction();
    // The load and its questions run once the drop itself has ended.
    openLater(fileName);
}

void TForm1::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // Only moves made by the operator are snapped, not the program's own.
    if (!event->spontaneous())
        return;
    const Qt::WindowStates states = windowState();
    const WindowShowState state = states & Qt::WindowMinimized   ? WindowShowState::Minimized
                                  : states & Qt::WindowMaximized ? WindowShowState::Maximized
                                                                 : WindowShowState::Normal;
    const QRect frame = frameGeometry();
    const ScreenRect snapped =
        ApplyWindowMoveRule(toScreenRect(frame), m_workArea, frame.width(), frame.height(), state, isVisible());
    if (snapped.left != frame.left() || snapped.top != frame.top())
        move(snapped.left, snapped.top);
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // A window manager keeps the window at its minimum size; where none runs,
    // a size forced from outside is put back once the event is over.
    if (event->spontaneous() && size() != size().expandedTo(minimumSize()))
        QTimer::singleShot(0, this, [this] { resize(size().expandedTo(minimumSize())); });
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Seznam && event->type() == QEvent::KeyPress)
        return SeznamKeyDown(static_cast<QKeyEvent *>(event)->key());
    if ((watched == Seznam->viewport() && event->type() == QEvent::Resize) ||
        (watched == Seznam && event->type() == QEvent::FontChange)) {
        m_columns->fit();
        placeProgressPanel();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::Hledej1Click()
{
    m_find->Hledej1Click();
}

void TForm1::btnSeznamClick()
{
    m_frmSeznam->btnSeznamClick();
}

void TForm1::btnTiskClick()
{
    m_frmTisk->ShowListing(m_document.entries(), m_document.fileName());
}

// ---- list editing -----------------------------------------------------------

// The list's commands wait while an exchange replaces the list or writes it back.
void TForm1::Pidat1Click()
{
    if (m_transfers->ListCommandsAllowed())
        m_listCommands->Pidat1Click();
}

void TForm1::Upravit1Click()
{
    if (m_transfers->ListCommandsAllowed() && !m_transfers->OpenDirectoryRow())
        m_listCommands->Upravit1Click();
}

void TForm1::Smazat1Click()
{
    if (m_transfers->ListCommandsAllowed() && !m_transfers->DeleteDirectoryRow())
        m_listCommands->Smazat1Click();
}

void TForm1::Zalohovat1Click()
{
    m_backup->run();
}

void TForm1::Pesluj1Click()
{
    if (m_transfers->ListCommandsAllowed())
        m_listCommands->Pesluj1Click();
}

void TForm1::undoEdit()
{
    if (!m_transfers->ListCommandsAllowed())
        return;
    const QString undone = m_document.undoStack().undoText();
    m_document.undoStack().undo();
    showOutcome(m_outcome.undone(undone));
}

void TForm1::redoEdit()
{
    if (!m_transfers->ListCommandsAllowed())
        return;
    const QString redone = m_document.undoStack().redoText();
    m_document.undoStack().redo();
    showOutcome(m_outcome.redone(redone));
}

bool TForm1::SeznamKeyDown(int key)
{
    return m_transfers->ListCommandsAllowed() && m_listCommands->SeznamKeyDown(key);
}
