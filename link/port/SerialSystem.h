#pragma once

#include "link/port/SerialDevice.h"

#include <QString>
#include <QStringList>

#include <memory>

// The operating system's serial ports: the one place that knows how a port
// name becomes an open device and where the list of ports comes from, so
// tests can put a fake in its place.
class SerialSystem
{
public:
    virtual ~SerialSystem() = default;

    // Opens the named port for reading and writing, exclusively. (EComPort 1)
    virtual std::unique_ptr<SerialDevice> open(const QString &portName) = 0;
    // The names of the system's serial ports, unsorted. (EComPort 23)
    virtual QStringList portNames() = 0;

    // The binding of the platform the program runs on.
    static std::shared_ptr<SerialSystem> platform();
};

// Fills names with the system's serial ports, sorted without regard to case
// (so "ttyS10" comes before "ttyS2"). Throws EComPort 23 when they cannot be listed.
void ListPortNames(QStringList &names, SerialSystem &system = *SerialSystem::platform());
