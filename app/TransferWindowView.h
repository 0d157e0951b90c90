#pragma once

#include "link/transfers/TransferView.h"

#include <functional>

class Prompts;
class QCheckBox;
class QLabel;
class QTableView;
class QWidget;
class TransferProgressPanel;

// The parts of the main window the transfers work with.
struct TransferWindowParts {
    // The window the prompts belong to.
    QWidget &window;
    QCheckBox &onLine;
    QCheckBox &openReceived;
    QTableView &list;
    // The text at the left of the status line.
    QLabel &status;
    TransferProgressPanel &panel;
    // The window's UpdateControls.
    std::function<void(bool ready)> updateControls;
};

// The main window as the transfers see it: its "On Line" and "Open received
// file" boxes, the progress panel, the list's selection and double-click,
// UpdateControls, the status line and its prompts.
class TransferWindowView : public TransferView
{
public:
    TransferWindowView(TransferWindowParts parts, Prompts &prompts);

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
    bool askYesNo(const QString &question) override;
    void showError(const QString &message) override;
    void showLineError(const QString &title, const QString &message) override;
    void showStatus(const QString &text) override;

private:
    TransferWindowParts m_parts;
    Prompts &m_prompts;
    bool m_doubleClickAttached = true;
};
