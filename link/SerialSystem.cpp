#include "link/SerialSystem.h"

#include "link/PosixSerialSystem.h"

std::shared_ptr<SerialSystem> SerialSystem::platform()
{
    static const auto system = std::make_shared<PosixSerialSystem>();
    return system;
}

void ListPortNames(QStringList &names)
{
    names = SerialSystem::platform()->portNames();
    names.sort(Qt::CaseInsensitive);
}
