#pragma once

#include <QByteArray>
#include <QString>

#include <termios.h>

// A pseudo-terminal standing in for a serial line: the port opens the slave by
// its path, the test plays the device on the master. The slave descriptor is
// kept so the line settings can be read back (master and slave share them).
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();

    const QString &slavePath() const { return m_slavePath; }
    void send(const QByteArray &bytes) const;
    // What the port has written, waiting up to waitMs for size bytes.
    QByteArray receive(qsizetype size, int waitMs = 1000) const;
    // Hangs the line up, like unplugging an adapter.
    void closeMaster();
    termios slaveSettings() const;
    int slaveBaudRate() const;

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};
