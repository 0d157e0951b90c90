#include "link/port/Termios2.h"

#include "link/port/SerialDevice.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace
{

tcflag_t characterSize(TDataBits bits)
{
    switch (bits) {
    case dbFive:
        return CS5;
    case dbSix:
        return CS6;
    case dbSeven:
        return CS7;
    case dbEight:
        break;
    }
    return CS8;
}

tcflag_t parityFlags(TParityBits bits)
{
    switch (bits) {
    case prNone:
        break;
    case prOdd:
        return PARENB | PARODD;
    case prEven:
        return PARENB;
    case prMark:
        return PARENB | CMSPAR | PARODD;
    case prSpace:
        return PARENB | CMSPAR;
    }
    return 0;
}

// No line editing, echo, signals, output processing or end-of-file character.
// VMIN 1 makes a non-blocking read of an empty queue give EAGAIN rather than
// 0, which is kept for a hang-up.
void setRaw(termios2 &t)
{
    t.c_iflag &=
        ~tcflag_t(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY | INPCK | IGNPAR);
    t.c_oflag &= ~tcflag_t(OPOST);
    t.c_lflag &= ~tcflag_t(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag &= ~tcflag_t(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | CBAUD | (CBAUD << IBSHIFT));
    t.c_cflag |= CREAD | CLOCAL;
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
}

void setLine(termios2 &t, const SerialLineSettings &line)
{
    t.c_cflag |= characterSize(line.dataBits) | parityFlags(line.parity.Bits);
    if (line.stopBits != sbOneStopBit)
        t.c_cflag |= CSTOPB;
    // INPCK stays off even while parity is checked: with it the kernel hands a
    // character with a parity (or framing) error over as NUL, altering the
    // data. The driver's error counters count parity errors either way, and the
    // port reports them only while Parity.Check is on. Replacing such
    // characters (Parity.Replace / ReplaceChar) has no equivalent here: the
    // kernel offers NUL or in-band marks that also double every real FF byte.
    if (Termios2::driverControlsRts(line.flowControl))
        t.c_cflag |= CRTSCTS;
    if (line.flowControl.XonXoffOut)
        t.c_iflag |= IXON;
    if (line.flowControl.XonXoffIn)
        t.c_iflag |= IXOFF;
    t.c_cc[VSTART] = cc_t(line.flowControl.XonChar);
    t.c_cc[VSTOP] = cc_t(line.flowControl.XoffChar);
    t.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    t.c_ispeed = speed_t(line.baudRate);
    t.c_ospeed = speed_t(line.baudRate);
}

} // namespace

int Termios2::apply(int fd, const SerialLineSettings &line)
{
    struct termios2 settings {
    };
    if (ioctl(fd, TCGETS2, &settings) != 0)
        return -1;
    setRaw(settings);
    setLine(settings, line);
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

bool Termios2::driverControlsRts(const TComFlowControl &flow)
{
    return flow.ControlRTS == rtsHandshake || flow.OutCTSFlow;
}
