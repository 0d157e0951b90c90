#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The device's end of a pseudo-terminal. The program opens the other end (the
// slave) by its path as it would open a serial port.
//
// The simulator holds no descriptor of the slave, so it can tell whether the
// program has the port open: without any opener, reads fail (EIO) and poll
// reports a hang-up, which ends once the program opens the port. Bytes the
// program wrote before closing can still be read first. The line starts raw,
// without echo, so nothing the device sends comes back to it before the
// program has set the line up.
class PtyLine
{
public:
    enum class ReadState { Open, Closed };

    PtyLine() = default;
    ~PtyLine();
    PtyLine(const PtyLine &) = delete;
    PtyLine &operator=(const PtyLine &) = delete;

    // Opens the pair; returns an error text, empty on success.
    QString open();
    bool isOpen() const { return m_master >= 0; }
    int descriptor() const { return m_master; }
    const QString &slavePath() const { return m_slavePath; }

    // Whether a program has the slave open now.
    bool programHasPort() const;
    // Appends what has arrived, at most limit bytes, and tells whether the
    // program still has the port open (Open when the limit stopped the read).
    ReadState readAvailable(QByteArray &into, qint64 limit) const;
    // Writes what the line takes now: the count written, 0 when it is full.
    qsizetype write(QByteArrayView bytes) const;
    // Closes the device end: the program's port is hung up and the slave path disappears.
    void hangUp();

private:
    int m_master = -1;
    QString m_slavePath;
};
