#pragma once

#include <QString>

#include <stdexcept>

// The one failure of the serial port layer: an error number (1 to 23) whose
// fixed text is the message, and the operating system's error number (errno
// on this platform), or -1 when there is none, appended as
// " (win error code: n)" so the operator and support see the system's reason.
//
// A port that does not open also carries the port's name and the reason in
// a word the window can put in the operator's language; the message itself
// stays language-free for logs and callers that have no words.
class EComPort : public std::runtime_error
{
public:
    enum Code {
        OpenFailed = 1,
        WriteFailed = 2,
        ReadFailed = 3,
        InvalidAsyncParameter = 4,
        PurgeFailed = 5,
        AsyncStatusFailed = 6,
        SetStateFailed = 7,
        SetTimeoutsFailed = 8,
        SetupFailed = 9,
        ClearErrorFailed = 10,
        ModemStatusFailed = 11,
        EscapeFailed = 12,
        TransmitCharFailed = 13,
        ConnectedPropertyChange = 14,
        EnumPortsFailed = 15,
        StoreSettingsFailed = 16,
        LoadSettingsFailed = 17,
        LinkRegistrationFailed = 18,
        LedStateFailed = 19,
        WaitWithThread = 20,
        WaitForEventFailed = 21,
        RxBufLinked = 22,
        RegistryError = 23
    };

    // Why a port did not open, as far as the system's number tells; None for every other failure.
    enum class OpenFailureReason { None, NotFound, InUse, NoPermission, NotASerialPort, Other };

    explicit EComPort(int code, int systemError = -1);

    int code() const { return m_code; }
    int systemError() const { return m_systemError; }
    const QString &portName() const { return m_portName; }
    OpenFailureReason reason() const;
    // The same failure, naming the port it concerns.
    EComPort forPort(const QString &portName) const;

    // The reason of a failed open with this system error number.
    static OpenFailureReason ReasonOf(int systemError);

    // The fixed text of an error number, without the system's error number.
    static const char *text(int code);

private:
    int m_code;
    int m_systemError;
    QString m_portName;
};
