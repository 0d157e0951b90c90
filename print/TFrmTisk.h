#pragma once

#include "i18n/LanguageRow.h"
#include "print/ListingLayout.h"
#include "print/PrintWindowTitles.h"

#include <QDate>
#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

class Entry;
class EntryModel;
class PrintPrompts;
class QLabel;
class QPainter;
class QPushButton;
class QWidget;
class TPrintPreview;
class TThumbnailPreview;

// The print window: the entry list laid out as two framed columns of 110
// entries on A4 pages, each with a footer that names the file, the date and
// the page, recorded into the page preview each time the window opens, with a
// strip of page thumbnails, page and zoom controls and Print.
// Object name "FrmTisk"; its title, Label1, Label3, AllPageBtn, PrintBtn,
// ZavritBtn and the titles shown while it works are language texts (see
// languageRows).
class TFrmTisk : public QDialog
{
    Q_OBJECT
public:
    static constexpr int DesignWidth = 595;
    static constexpr int DesignHeight = 704;
    static constexpr int PanelHeight = 38;
    static constexpr int ThumbnailWidth = 121;

    explicit TFrmTisk(QWidget *parent = nullptr);
    ~TFrmTisk() override;

    // Opens the window modally on the entries of the file named (empty for a
    // list no file holds); it lays them out anew on opening.
    void ShowListing(const EntryModel &entries, const QString &fileName);
    // The entries the next opening lays out; shown with show() instead of
    // ShowListing, the window is not modal.
    void SetEntries(const EntryModel *entries) { m_entries = entries; }
    // The file the entries come from, named in the pages' footer and as the
    // print job's title.
    void SetFileName(const QString &fileName) { m_fileName = fileName; }
    // Replaces the print dialog and the error box (not owned); null goes back
    // to the desktop's own.
    void SetPrompts(PrintPrompts *prompts);
    // The window's numbered texts and the controls that show them.
    LanguageRows languageRows();

    TPrintPreview *printPreview() const { return PrintPreview; }
    TThumbnailPreview *thumbnails() const { return ThumbnailPreview1; }
    const ListingMetrics &layoutValues() const { return m_metrics; }

    // Handlers of the window.
    void FormShow();
    void FormActivate();
    void BuildPages();
    void PrintPreviewBeginDoc();
    void PrintPreviewNewPage();
    void PrintPreviewEndPage();
    void PrintPreviewEndDoc();
    void PrintPreviewPrintProgress(int page, int percent);
    void PrintPreviewCanResize();
    void ZoomInBtnClick();
    void ZoomOutBtnClick();
    void AllPageBtnClick();
    void PrevPageBtnClick();
    void NextPageBtnClick();
    void PrintBtnClick();
    void ZavritBtnClick();

    QWidget *topPanel() const { return m_panel; }
    QLabel *pageLabel() const { return m_pageLabel; }
    QLabel *zoomLabel() const { return m_zoomLabel; }
    QPushButton *prevPageButton() const { return m_prevPage; }
    QPushButton *nextPageButton() const { return m_nextPage; }
    QPushButton *zoomInButton() const { return m_zoomIn; }
    QPushButton *zoomOutButton() const { return m_zoomOut; }
    QPushButton *allPageButton() const { return m_allPage; }
    QPushButton *printButton() const { return m_print; }
    QPushButton *closeButton() const { return m_zavrit; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildPreview();
    void wireButtons();
    void wirePreview();
    // Runs a handler; a failure it raises is shown in an error box.
    void run(const std::function<void()> &handler);
    void printEntry(const Entry &entry, const ListingPlace &place);
    void printFooter(QPainter &canvas, int page);
    void setNavigationEnabled(bool enabled);
    void showPageLabel();
    void showZoomLabel();
    QLabel *addLabel(const char *name, const QString &text);
    QPushButton *addButton(const char *name, const QString &text);
    QPushButton *addZoomButton(const char *name, bool zoomIn);

    QWidget *m_panel;
    QLabel *m_pageCaption;
    QLabel *m_zoomCaption;
    QLabel *m_pageLabel;
    QLabel *m_zoomLabel;
    QPushButton *m_prevPage;
    QPushButton *m_nextPage;
    QPushButton *m_zoomIn;
    QPushButton *m_zoomOut;
    QPushButton *m_allPage;
    QPushButton *m_print;
    QPushButton *m_zavrit;
    TThumbnailPreview *ThumbnailPreview1;
    TPrintPreview *PrintPreview;
    std::unique_ptr<PrintPrompts> m_ownPrompts;
    PrintPrompts *m_prompts;
    const EntryModel *m_entries = nullptr;
    QString m_fileName;
    ListingMetrics m_metrics;
    // What the footer of every page of one building says.
    QDate m_listingDate;
    int m_listingPages = 0;
    // Where the baseline lies below the top of a text in the page font.
    qreal m_ascent = 0;
    QString m_applicationTitle;
    PrintWindowTitles::Patterns m_titles;
};
