#include "link/Termios2.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

int Termios2::setBaudRate(int fd, int rate)
{
    struct termios2 settings {
    };
    if (ioctl(fd, TCGETS2, &settings) != 0)
        return -1;
    settings.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    settings.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    settings.c_ispeed = speed_t(rate);
    settings.c_ospeed = speed_t(rate);
    if (ioctl(fd, TCSETS2, &settings) != 0)
        return -1;
    return baudRate(fd);
}

int Termios2::baudRate(int fd)
{
    struct termios2 settings {
    };
    if (ioctl(fd, TCGETS2, &settings) != 0)
        return -1;
    return int(settings.c_ospeed);
}
