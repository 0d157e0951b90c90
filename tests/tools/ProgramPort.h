#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The program's end of the simulator's line, opened by path as the port layer
// opens it (raw, non-blocking), for tests that play the program byte by byte.
class ProgramPort
{
public:
    explicit ProgramPort(const QString &path);
    ~ProgramPort();
    ProgramPort(const ProgramPort &) = delete;
    ProgramPort &operator=(const ProgramPort &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    void write(const QByteArray &bytes) const;
    // What arrives until the received text ends with end (or waitMs pass).
    QByteArray readUntil(const QByteArray &end, int waitMs = 3000);
    // True once a read reports that the other end has hung up.
    bool hungUp() const { return m_hungUp; }
    void close();

private:
    void waitFor(const std::function<bool()> &done, int waitMs);
    void readAvailable(QByteArray &into);

    int m_fd = -1;
    bool m_hungUp = false;
};
