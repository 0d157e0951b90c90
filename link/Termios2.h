#pragma once

// Any baud rate, not only the few that have a termios constant (there is none
// for 14400, 56000, 128000 or 256000): the rate is set as a plain number through
// the kernel's termios2 interface. That interface's header cannot share a
// source file with <termios.h>, hence this small class of its own.
class Termios2
{
public:
    // Sets both directions to the rate and returns the rate the driver took
    // (real UARTs round it), or -1 with errno set.
    static int setBaudRate(int fd, int rate);
    // The output rate now set, or -1 with errno set.
    static int baudRate(int fd);
};
