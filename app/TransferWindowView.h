#pragma once

#include "link/transfers/TransferView.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

class Prompts;
class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QTableView;
class TForm1;

// The main window as the transfers see it: its "On Line" and "Open received
// file" boxes, the progress panel with bar, percentage and memo, the list's
// selection and double-click, UpdateControls, and its prompts.
//
// Lines for the memo are shown in batches, at most every LogBatchMs and at
// once when the bar reaches its end: a text view lays out every line it is
// given, which one line at a time would cost more than sending it.
class TransferWindowView : public TransferView
{
public:
    static constexpr int LogBatchMs = 40;

    TransferWindowView(TForm1 &form, Prompts &prompts);

    bool doubleClickAttached() const { return m_doubleClickAttached; }

    bool onLineTicked() const override;
    void setOnLineTicked(bool ticked) override;
    bool openReceivedTicked() const override;
    void updateControls(bool ready) override;
    void setDoubleClickAttached(bool attached) override { m_doubleClickAttached = attached; }
    int selectedRow() const override;
    void showProgressPanel(bool shown) override;
    void setProgress(qint64 position, qint64 maximum) override;
    void setPercentText(QByteArrayView text) override;
    void setLogText(QByteArrayView text) override;
    void addLogLine(QByteArrayView line) override;
    void showWaiting(const QString &text) override;
    std::optional<QString> chooseReceiveFile(const QString &proposed) override;
    void showError(const QString &message) override;
    void showLineError(const QString &title, const QString &message) override;
    void showStatus(const QString &text) override;

private:
    void showPendingLines();

    TForm1 &m_form;
    Prompts &m_prompts;
    QCheckBox *m_onLine;
    QCheckBox *m_openReceived;
    QFrame *m_panel;
    QProgressBar *m_bar;
    QLabel *m_percent;
    QPlainTextEdit *m_log;
    QTableView *m_list;
    bool m_doubleClickAttached = true;
    QStringList m_pendingLines;
    QElapsedTimer m_sinceShown;
    QTimer m_showLater;
};
