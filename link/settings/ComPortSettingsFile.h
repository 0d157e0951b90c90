#pragma once

#include <QByteArray>
#include <QString>

class TCustomComPort;

// The port's basic settings in an INI file (the language file), as the texts
// of ComValueText under the keys "Port", "BaudRate", "CustomBaudRate" (only for
// a custom rate), "StopBits", "DataBits", "Parity" and "FlowControl". Parity
// checking and the single flow-control fields are not stored.
class ComPortSettingsFile
{
public:
    static constexpr const char *DefaultSection = "ComPort1";

    // Reads every key with the port's current value as default, so a missing
    // key keeps it, inside one settings update (brought back down on every
    // path). A failure throws EComPort 17 in place of the underlying error.
    static void LoadLineSettings(TCustomComPort &port, const QString &iniFile,
                                 const QByteArray &section = DefaultSection);
    // Writes the keys; a failure throws EComPort 16.
    static void SaveLineSettings(const TCustomComPort &port, const QString &iniFile,
                                 const QByteArray &section = DefaultSection);
};
