#include "link/DeviceMessages.h"

DeviceMessages::Start DeviceMessages::start(QByteArrayView chunk)
{
    if (chunk.startsWith("*KORAX@D") || chunk.startsWith("EL"))
        return Dropped;
    if (chunk.startsWith("STRANS$!"))
        return DirectoryReady;
    return Other;
}
