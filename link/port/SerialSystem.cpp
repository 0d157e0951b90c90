#include "link/port/SerialSystem.h"

#include "link/port/PosixSerialSystem.h"

std::shared_ptr<SerialSystem> SerialSystem::platform()
{
    static const auto system = std::make_shared<PosixSerialSystem>();
    return system;
}

void ListPortNames(QStringList &names, SerialSystem &system)
{
    names = system.portNames();
    names.sort(Qt::CaseInsensitive);
}
