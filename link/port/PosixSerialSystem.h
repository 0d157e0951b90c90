#pragma once

#include "link/port/SerialSystem.h"

// Serial ports of Linux and other POSIX systems.
//
// Port names: "COMn" (any case) means /dev/ttyS(n-1), so settings written on
// Windows still find the first UARTs; a name without "/" is looked up under
// /dev ("ttyUSB0"); anything else is taken as a path (pseudo-terminals,
// symbolic links made by udev or socat).
//
// The list of ports comes from sysfs without opening any port: the entries of
// the tty class that have a "device" link, except UARTs whose "type" reads 0
// (slots the driver found no chip behind). Pseudo-terminals never appear there.
class PosixSerialSystem : public SerialSystem
{
public:
    explicit PosixSerialSystem(QString ttyClassFolder = QStringLiteral("/sys/class/tty"));

    std::unique_ptr<SerialDevice> open(const QString &portName) override;
    QStringList portNames() override;

    static QString devicePath(const QString &portName);
    // The name a port of /sys/class/tty is listed under; devicePath leads back to it.
    static QString listedName(const QString &deviceName);

private:
    QString m_ttyClassFolder;
};
