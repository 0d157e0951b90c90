#pragma once

#include <QFlags>

// The value types of the serial port's settings. The enumerations keep the
// order of their display texts (see ComValueText), which the settings file
// and the settings boxes rely on.

enum TBaudRate {
    brCustom,
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000
};

enum TDataBits { dbFive, dbSix, dbSeven, dbEight };

enum TStopBits { sbOneStopBit, sbOne5StopBits, sbTwoStopBits };

enum TParityBits { prNone, prOdd, prEven, prMark, prSpace };

enum TDTRFlowControl { dtrDisable, dtrEnable, dtrHandshake };

enum TRTSFlowControl { rtsDisable, rtsEnable, rtsHandshake, rtsToggle };

// The flow-control fields seen as one value (see TComFlowControl).
enum TFlowControl { fcHardware, fcSoftware, fcNone, fcCustom };

// How line events reach the handlers. Every method hands them to the user-interface thread (see TCustomComPort).
enum TSyncMethod { smThreadSync, smWindowSync, smNone };

enum TComEvent {
    evRxChar = 0x001,
    evTxEmpty = 0x002,
    evRxFlag = 0x004,
    evRing = 0x008,
    evBreak = 0x010,
    evCTS = 0x020,
    evDSR = 0x040,
    evError = 0x080,
    evRLSD = 0x100,
    evRx80Full = 0x200
};
Q_DECLARE_FLAGS(TComEvents, TComEvent)
Q_DECLARE_OPERATORS_FOR_FLAGS(TComEvents)

inline constexpr TComEvents AllComEvents{evRxChar | evTxEmpty | evRxFlag | evRing | evBreak | evCTS | evDSR | evError |
                                         evRLSD | evRx80Full};

// Line errors, handed to the error handler as this bit mask.
enum TComError {
    ceFrame = 1,
    ceRxParity = 2,
    ceOverrun = 4,
    ceBreak = 8,
    ceIO = 16,
    ceMode = 32,
    ceRxOver = 64,
    ceTxFull = 128
};
Q_DECLARE_FLAGS(TComErrors, TComError)
Q_DECLARE_OPERATORS_FOR_FLAGS(TComErrors)

struct TComParity {
    TParityBits Bits = prNone;
    // Received characters are checked and parity errors reported only when this is on.
    bool Check = false;
    // Characters with a parity error become ReplaceChar (only with Check on).
    bool Replace = false;
    char ReplaceChar = 0;

    bool operator==(const TComParity &) const = default;
};

// Milliseconds; a ReadInterval of -1 makes a read return at once with what is queued.
// A write must finish within WriteTotalConstant + WriteTotalMultiplier x length.
struct TComTimeouts {
    int ReadInterval = -1;
    int ReadTotalConstant = 0;
    int ReadTotalMultiplier = 0;
    int WriteTotalConstant = 1000;
    int WriteTotalMultiplier = 100;

    bool operator==(const TComTimeouts &) const = default;
};

// Bytes of the driver's queues.
struct TComBuffer {
    int InputSize = 1024;
    int OutputSize = 1024;

    bool operator==(const TComBuffer &) const = default;
};
