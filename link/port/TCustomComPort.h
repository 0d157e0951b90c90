#pragma once

#include "link/port/ComTypes.h"
#include "link/port/SerialSystem.h"
#include "link/port/TComFlowControl.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <exception>
#include <functional>
#include <memory>

class TComThread;

// A serial port: its line settings, the open device and the line events.
//
// Everything here runs on the user-interface thread. While the port is open an
// event thread (TComThread) waits for line events and hands each one over to
// this thread through the event queue without waiting; a hand-over that
// arrives after the port has closed (or closed and opened again) is dropped,
// which is what lets a handler close the port. Within one wake-up a line error
// is delivered before the received characters.
//
// Settings changed on an open port are applied at once unless a settings
// update (BeginSettingsUpdate / EndSettingsUpdate) is in progress, whose end
// applies them all. Failures throw EComPort; a failure that arises where no
// caller can catch it (inside a line-event hand-over, a settings box's choice)
// is passed to the port's owner through OnFailure.
class TCustomComPort : public QObject
{
    Q_OBJECT

public:
    // system: where devices come from; the platform's when empty.
    explicit TCustomComPort(QObject *parent = nullptr, std::shared_ptr<SerialSystem> system = {});
    // Closes the port without notifications: the owner is going away.
    ~TCustomComPort() override;

    // OnBeforeOpen, open the device (EComPort 1), apply the settings, start
    // the event thread, OnAfterOpen. Nothing when already open. A failure
    // leaves the port closed without further notifications.
    void OpenPort();
    // OnBeforeClose, abandon transfers, stop the event thread, release the
    // device, OnAfterClose. Nothing when already closed. The port ends closed
    // also when abandoning the transfers fails; that failure (EComPort 5) is
    // thrown after OnAfterClose.
    void ClosePort();
    // Writes all of the text in one operation and waits for it within the
    // write timeouts; returns the number of bytes the device took. (EComPort 2)
    int SendText(const QByteArray &text);
    // Writes what the output queue takes at once and returns without waiting;
    // the number of bytes taken. (EComPort 2)
    qint64 OfferText(QByteArrayView text);
    // Bytes written and not yet on the line; 0 when the driver cannot tell. (EComPort 2)
    qint64 OutputQueueLength();
    // Waits at most ms for the output queue to move on: for room while it is
    // full, else for bytes to leave. (EComPort 2)
    void WaitForOutput(int ms);
    // Reads up to count bytes already received; text is set to them and their number returned. (EComPort 3)
    int ReceiveText(QByteArray &text, int count);
    // Received bytes waiting to be read. (EComPort 10)
    int PendingInputCount();
    // Fetches and clears the line errors. (EComPort 10)
    TComErrors ReadLineErrors();
    void BeginSettingsUpdate();
    // Applies all settings to an open port when the outermost update ends.
    void EndSettingsUpdate();
    bool Connected() const { return m_device != nullptr; }
    // Where this port's devices come from, and the list of ports offered with it.
    SerialSystem &System() const { return *m_system; }
    // Passes a failure to the owner through OnFailure (logged when nobody listens),
    // in the words the owner chose (the failure's own message until it chooses).
    void ShowFailure(const std::exception &failure);
    void SetFailureWords(std::function<QString(const std::exception &)> words) { m_failureWords = std::move(words); }

    const QString &Port() const { return m_port; }
    // A different name on an open port closes it and opens the new one (a
    // failure of the close is thrown once the new one is open).
    void SetPort(const QString &port);
    TBaudRate BaudRate() const { return m_baudRate; }
    void SetBaudRate(TBaudRate rate);
    // Bits per second, used when BaudRate is brCustom.
    int CustomBaudRate() const { return m_customBaudRate; }
    void SetCustomBaudRate(int rate);
    TDataBits DataBits() const { return m_dataBits; }
    void SetDataBits(TDataBits bits);
    TStopBits StopBits() const { return m_stopBits; }
    void SetStopBits(TStopBits bits);
    const TComParity &Parity() const { return m_parity; }
    void SetParity(const TComParity &parity);
    void SetParityBits(TParityBits bits);
    const TComFlowControl &FlowControl() const { return m_flowControl; }
    void SetFlowControl(const TComFlowControl &flowControl);
    void SetFlowControlPreset(TFlowControl preset);
    const TComBuffer &Buffer() const { return m_buffer; }
    void SetBuffer(const TComBuffer &buffer);
    const TComTimeouts &Timeouts() const { return m_timeouts; }
    void SetTimeouts(const TComTimeouts &timeouts);
    // The events the event thread waits for; cannot change while open (EComPort 14).
    TComEvents Events() const { return m_events; }
    void SetEvents(TComEvents events);
    char EventChar() const { return m_eventChar; }
    void SetEventChar(char eventChar) { m_eventChar = eventChar; }
    bool DiscardNull() const { return m_discardNull; }
    void SetDiscardNull(bool discard);
    // Every method hands events to the user-interface thread through the
    // event queue; kept for the settings' sake. Cannot change while open (EComPort 14).
    TSyncMethod SyncMethod() const { return m_syncMethod; }
    void SetSyncMethod(TSyncMethod method);

signals:
    void OnBeforeOpen(QObject *sender);
    void OnAfterOpen(QObject *sender);
    void OnBeforeClose(QObject *sender);
    void OnAfterClose(QObject *sender);
    // count: PendingInputCount when the notification ran, always above 0.
    void OnRxChar(QObject *sender, int count);
    // errors: ReadLineErrors when the notification ran, never empty.
    void OnError(QObject *sender, TComErrors errors);
    // A failure no caller could catch; message is the failure's text.
    void OnFailure(QObject *sender, const QString &message);

private:
    // The open device, or EComPort errorCode when the port is closed.
    SerialDevice &openedDevice(int errorCode) const;
    bool canApply() const { return m_device && m_updateCount == 0; }
    void applyAll();
    void applyLineSettings();
    SerialLineSettings lineSettings() const;
    void startEventThread();
    void deliver(quint64 generation, TComEvent event);
    void release();
    void requireClosed() const;

    std::shared_ptr<SerialSystem> m_system;
    std::unique_ptr<SerialDevice> m_device;
    std::unique_ptr<TComThread> m_thread;
    // Changes at every open and close, so a hand-over can tell whether its port session still runs.
    quint64 m_generation = 0;
    int m_updateCount = 0;

    QString m_port = QStringLiteral("COM1");
    TBaudRate m_baudRate = br9600;
    int m_customBaudRate = 9600;
    TDataBits m_dataBits = dbEight;
    TStopBits m_stopBits = sbOneStopBit;
    TComParity m_parity;
    TComFlowControl m_flowControl;
    TComBuffer m_buffer;
    TComTimeouts m_timeouts;
    TComEvents m_events = AllComEvents;
    char m_eventChar = 0;
    bool m_discardNull = false;
    TSyncMethod m_syncMethod = smThreadSync;
    std::function<QString(const std::exception &)> m_failureWords;
};
