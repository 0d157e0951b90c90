#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QWidget;

// The print window: a top panel of page and zoom controls over the page
// preview. Object name "FrmTisk"; Label1, Label3, AllPageBtn, PrintBtn and
// ZavritBtn take language texts 41, 40, 22, 21 and 23.
class TFrmTisk : public QDialog
{
    Q_OBJECT
public:
    static constexpr int DesignWidth = 595;
    static constexpr int DesignHeight = 704;
    static constexpr int PanelHeight = 38;

    explicit TFrmTisk(QWidget *parent = nullptr);

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

private:
    QLabel *addLabel(const char *name, const QString &text);
    QPushButton *addButton(const char *name, const QString &text);
    QPushButton *addZoomButton(const char *name, bool zoomIn);

    QWidget *m_panel;
    QLabel *m_pageLabel;
    QLabel *m_zoomLabel;
    QPushButton *m_prevPage;
    QPushButton *m_nextPage;
    QPushButton *m_zoomIn;
    QPushButton *m_zoomOut;
    QPushButton *m_allPage;
    QPushButton *m_print;
    QPushButton *m_zavrit;
};
