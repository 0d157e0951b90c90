#pragma once

#include "link/transfers/TransferView.h"

#include <QStringList>

// A window that only remembers what the transfers told it; no question is answered Yes.
struct RecordingTransferView : TransferView {
    bool onLine = false;
    bool ready = true;
    bool panelShown = false;
    QStringList percentTexts;
    QStringList errors;
    QStringList lineErrors;
    QString status;
    bool onLineTicked() const override { return onLine; }
    void setOnLineTicked(bool ticked) override { onLine = ticked; }
    bool openReceivedTicked() const override { return false; }
    void updateControls(bool isReady) override { ready = isReady; }
    void setDoubleClickAttached(bool) override {}
    int selectedRow() const override { return -1; }
    void showProgressPanel(bool shown) override { panelShown = shown; }
    void setProgress(qint64, qint64) override {}
    void setPercentText(QByteArrayView text) override { percentTexts << QString::fromLatin1(text); }
    void setLogText(QByteArrayView) override {}
    void addLogLine(QByteArrayView) override {}
    void showWaiting(const QString &) override {}
    std::optional<QString> chooseReceiveFile(const QString &) override { return std::nullopt; }
    bool askYesNo(const QString &) override { return false; }
    void showError(const QString &message) override { errors << message; }
    void showLineError(const QString &, const QString &message) override { lineErrors << message; }
    void showStatus(const QString &text) override { status = text; }
};
