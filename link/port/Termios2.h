#pragma once

struct SerialLineSettings;
struct TComFlowControl;

// The line settings of a tty through the kernel's termios2 interface, in one
// call, rate included. Only termios2 takes any baud rate as a plain number
// (termios has no constant for 14400, 56000, 128000 or 256000), and glibc's
// tcsetattr refuses a pseudo-terminal's silently cleared parity bit. The
// interface's header cannot share a source file with <termios.h>, hence this
// small class of its own.
class Termios2
{
public:
    // Raw mode always; the rest from the settings. 1.5 stop bits become 2 and
    // the kernel's one RTS/CTS flag stands for RTS handshake and CTS output
    // flow. Parity errors are counted by the driver but never change the data
    // (see the source). Returns the output rate the driver then reports, which
    // real UARTs round to what their clock can divide to, or -1 with errno set.
    static int apply(int fd, const SerialLineSettings &line);
    // The output rate now set, or -1 with errno set.
    static int baudRate(int fd);
    // Whether the driver drives RTS itself (hardware flow control).
    static bool driverControlsRts(const TComFlowControl &flow);
};
