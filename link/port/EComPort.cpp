#include "link/port/EComPort.h"

#include <array>
#include <cerrno>
#include <string>

namespace
{

constexpr std::array<const char *, 23> texts{"Unable to open com port",
                                             "WriteFile function failed",
                                             "ReadFile function failed",
                                             "Invalid Async parameter",
                                             "PurgeComm function failed",
                                             "Unable to get async status",
                                             "SetCommState function failed",
                                             "SetCommTimeouts failed",
                                             "SetupComm function failed",
                                             "ClearCommError function failed",
                                             "GetCommModemStatus function failed",
                                             "EscapeCommFunction function failed",
                                             "TransmitCommChar function failed",
                                             "Cannot set property while connected",
                                             "EnumPorts function failed",
                                             "Failed to store settings",
                                             "Failed to load settings",
                                             "Link (un)registration failed",
                                             "Cannot change led state if ComPort is selected",
                                             "Cannot wait for event if event thread is created",
                                             "WaitForEvent method failed",
                                             "A component is linked to OnRxBuf event",
                                             "Registry error"};

std::string message(int code, int systemError)
{
    std::string result = EComPort::text(code);
    if (systemError != -1)
        result += " (win error code: " + std::to_string(systemError) + ")";
    return result;
}

} // namespace

EComPort::EComPort(int code, int systemError)
    : std::runtime_error(message(code, systemError)), m_code(code), m_systemError(systemError)
{
}

const char *EComPort::text(int code)
{
    if (code < 1 || code > int(texts.size()))
        return "Unknown com port error";
    return texts[size_t(code - 1)];
}

EComPort::OpenFailureReason EComPort::reason() const
{
    return m_code == OpenFailed ? ReasonOf(m_systemError) : OpenFailureReason::None;
}

EComPort EComPort::forPort(const QString &portName) const
{
    EComPort named(*this);
    named.m_portName = portName;
    return named;
}

// A tty held with TIOCEXCL or our flock shows as EBUSY; a device node without
// a driver or hardware behind it as ENODEV or ENXIO.
EComPort::OpenFailureReason EComPort::ReasonOf(int systemError)
{
    switch (systemError) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return OpenFailureReason::NotFound;
    case EBUSY:
        return OpenFailureReason::InUse;
    case EACCES:
    case EPERM:
        return OpenFailureReason::NoPermission;
    case ENOTTY:
    case EISDIR:
        return OpenFailureReason::NotASerialPort;
    default:
        return OpenFailureReason::Other;
    }
}
