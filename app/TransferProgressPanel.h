#pragma once

#include "link/transfers/TransferProgressView.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QStringList>
#include <QTimer>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// The progress panel over the list while a transfer runs: the bar
// "ProgressBar1", the percentage "Procenta", the memo "Memo1" and the window's
// cancel button, which the window hands over and keeps handling.
//
// Lines for the memo are shown in batches, at most every LogBatchMs and at
// once when the bar reaches its end: a text view lays out every line it is
// given, which one line at a time would cost more than sending it.
class TransferProgressPanel : public QFrame, public TransferProgressView
{
    Q_OBJECT
public:
    static constexpr int LogBatchMs = 40;

    TransferProgressPanel(QPushButton &cancel, QWidget *parent);

    // Centred over the list's area, above it.
    void placeOver(const QRect &list);
    // Empties the memo, lines not yet shown included.
    void clearLog();

    void showProgressPanel(bool shown) override;
    void setProgress(qint64 position, qint64 maximum) override;
    void setPercentText(QByteArrayView text) override;
    void setLogText(QByteArrayView text) override;
    void addLogLine(QByteArrayView line) override;
    void showWaiting(const QString &text) override;

private:
    void showPendingLines();

    QProgressBar *m_bar;
    QLabel *m_percent;
    QPlainTextEdit *m_log;
    QStringList m_pendingLines;
    QElapsedTimer m_sinceShown;
    QTimer m_showLater;
};
