#pragma once

#include "link/transfers/TransferProgressView.h"

#include <QString>

#include <optional>

// What the transfers need of the window that owns them: the two check boxes,
// the progress panel (see TransferProgressView), the list's double-click, the
// enabling rule, and the operator's questions and messages.
class TransferView : public TransferProgressView
{
public:
    virtual ~TransferView() = default;

    // "On Line"; setting it does not run the on-line switch.
    virtual bool onLineTicked() const = 0;
    virtual void setOnLineTicked(bool ticked) = 0;
    // "Open received file".
    virtual bool openReceivedTicked() const = 0;

    // UpdateControls with Ready.
    virtual void updateControls(bool ready) = 0;
    virtual void setDoubleClickAttached(bool attached) = 0;
    // The row selected in the list, or -1.
    virtual int selectedRow() const = 0;

    // The file a received file is stored in; nothing when the operator cancels.
    virtual std::optional<QString> chooseReceiveFile(const QString &proposed) = 0;
    // A question answered Yes (true) or No.
    virtual bool askYesNo(const QString &question) = 0;
    // An error box with the program's name as title.
    virtual void showError(const QString &message) = 0;
    // The text at the left of the status line.
    virtual void showStatus(const QString &text) = 0;
    // A serial line error box: stays on top, error icon, waits for the operator.
    virtual void showLineError(const QString &title, const QString &message) = 0;
};
