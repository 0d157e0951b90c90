#pragma once

#include "link/port/ComTypes.h"
#include "link/port/TComFlowControl.h"

#include <QtGlobal>

#include <optional>

// Everything the line needs configured, in one piece, so a binding can set it
// in one go.
struct SerialLineSettings {
    int baudRate = 9600;
    TDataBits dataBits = dbEight;
    TStopBits stopBits = sbOneStopBit;
    TComParity parity;
    TComFlowControl flowControl;
    bool discardNull = false;
    // Input-queue fill levels at which Xon/Xoff input flow resumes and pauses.
    int xonLimit = 0;
    int xoffLimit = 0;
};

// The device's error state since the last fetch, as the system reports it.
// Which of these become line errors is decided by the port.
struct SerialErrorState {
    bool frame = false;
    bool parity = false;
    bool overrun = false;
    bool inputOverflow = false;
    bool outputFull = false;
    bool breakSeen = false;
    bool ioError = false;
    bool unsupportedMode = false;
};

// One open serial device of the operating system. Destroying it releases the
// device. Each operation that fails throws EComPort with its number (shown in
// brackets) and the system's error number.
//
// Threads: waitForEvent runs on the port's event thread, cancelWait on any
// thread; everything else runs on the user-interface thread.
class SerialDevice
{
public:
    virtual ~SerialDevice() = default;

    virtual void setQueueSizes(int inputSize, int outputSize) = 0;    // (9)
    virtual void setLineSettings(const SerialLineSettings &line) = 0; // (7)
    virtual void setTimeouts(const TComTimeouts &timeouts) = 0;       // (8)
    // Chooses the events waitForEvent reports; set before the event thread starts.
    virtual void setEventMask(TComEvents events) = 0;

    // Blocks without time limit until one or more selected events happen and
    // returns them, or returns nothing once cancelWait has been called.
    virtual std::optional<TComEvents> waitForEvent() = 0;
    virtual void cancelWait() = 0;

    // Up to maxSize bytes, waiting as the timeouts say; the number read. (3)
    virtual qint64 read(char *data, qint64 maxSize) = 0;
    // Writes and waits for completion within the write timeouts; the number of bytes the device took. (2)
    virtual qint64 write(const char *data, qint64 size) = 0;
    // Writes what the output queue takes at once, without waiting; the number of bytes taken. (2)
    virtual qint64 writeNow(const char *data, qint64 size) = 0;
    // Bytes written and not yet on the line; 0 when the driver cannot tell. (2)
    virtual qint64 outputQueueLength() = 0;
    // Waits at most timeoutMs for the output queue to move on: while it is
    // full, until it takes bytes again; else for bytes to leave. (2)
    virtual void waitForOutput(int timeoutMs) = 0;
    // Fetches and clears the error state. (10)
    virtual SerialErrorState fetchErrorState() = 0;
    // Received bytes waiting to be read. (10)
    virtual qint64 inputQueueLength() = 0;
    // Abandons pending transfers and discards what was received and what
    // still waits in the output queue. (5)
    virtual void purge() = 0;
};
