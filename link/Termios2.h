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
    // Raw mode always; the rest from the settings. 1.5 stop bits become 2, the
    // kernel's one RTS/CTS flag stands for RTS handshake and CTS output flow,
    // and parity checking (INPCK) reads a character with a parity error as NUL.
    // Returns false with errno set.
    static bool apply(int fd, const SerialLineSettings &line);
    // The output rate now set, or -1 with errno set.
    static int baudRate(int fd);
    // Whether the driver drives RTS itself (hardware flow control).
    static bool driverControlsRts(const TComFlowControl &flow);
};
