#pragma once

#include "link/transfers/TransferView.h"

#include <QTextStream>

#include <functional>

// The transfers seen from a terminal, for a run without a window: the status
// line goes to standard output, errors and the device's silence to standard
// error; no question is asked (every yes/no question is answered No, no file
// is chosen) and the progress panel is not shown.
class ConsoleTransferView : public TransferView
{
public:
    // silence: what to do once the device has not answered for a while (nobody waits at a terminal).
    ConsoleTransferView(QTextStream &out, QTextStream &err, std::function<void()> silence);

    bool onLineTicked() const override { return m_onLine; }
    void setOnLineTicked(bool ticked) override { m_onLine = ticked; }
    bool openReceivedTicked() const override { return false; }
    void updateControls(bool) override {}
    void setDoubleClickAttached(bool) override {}
    int selectedRow() const override { return -1; }
    void showProgressPanel(bool) override {}
    void setProgress(qint64, qint64) override {}
    void setPercentText(QByteArrayView) override {}
    void setLogText(QByteArrayView) override {}
    void addLogLine(QByteArrayView) override {}
    void showWaiting(const QString &text) override;
    std::optional<QString> chooseReceiveFile(const QString &) override { return std::nullopt; }
    bool askYesNo(const QString &) override { return false; }
    void showError(const QString &message) override;
    void showStatus(const QString &text) override;
    void showLineError(const QString &title, const QString &message) override;

private:
    QTextStream &m_out;
    QTextStream &m_err;
    std::function<void()> m_silence;
    bool m_onLine = false;
};
