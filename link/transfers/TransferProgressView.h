#pragma once

#include <QByteArrayView>
#include <QtGlobal>

class QString;

// The progress panel as the transfers see it: the bar, the percentage and the
// memo of what went over the line. Texts are bytes of the code page, as on the wire.
class TransferProgressView
{
public:
    virtual ~TransferProgressView() = default;

    // Shown at once (repainted before the next step), or hidden.
    virtual void showProgressPanel(bool shown) = 0;
    virtual void setProgress(qint64 position, qint64 maximum) = 0;
    virtual void setPercentText(QByteArrayView text) = 0;
    virtual void setLogText(QByteArrayView text) = 0;
    virtual void addLogLine(QByteArrayView line) = 0;
    // The device has not answered for a while: what to check, shown on the panel at once.
    virtual void showWaiting(const QString &text) = 0;
};
