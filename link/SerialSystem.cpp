#include "link/SerialSystem.h"

#include "link/PosixSerialSystem.h"

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
