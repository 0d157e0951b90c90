#include "tools/ProgramPort.h"

#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

ProgramPort::ProgramPort(const QString &path)
{
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_fd < 0)
        return;
    termios settings{};
    tcgetattr(m_fd, &settings);
    cfmakeraw(&settings);
    settings.c_cc[VMIN] = 1;
    tcsetattr(m_fd, TCSANOW, &settings);
}

ProgramPort::~ProgramPort()
{
    close();
}

void ProgramPort::write(const QByteArray &bytes) const
{
    if (::write(m_fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
        throw std::runtime_error("write to the simulator's port failed");
}

QByteArray ProgramPort::readUntil(const QByteArray &end, int waitMs)
{
    QByteArray bytes;
    waitFor(
        [&] {
            readAvailable(bytes);
            return bytes.endsWith(end) || m_hungUp;
        },
        waitMs);
    return bytes;
}

// Runs the event loop until done() holds or waitMs pass, waking as soon as
// bytes arrive (the simulator's pieces come a millisecond apart).
void ProgramPort::waitFor(const std::function<bool()> &done, int waitMs)
{
    QSocketNotifier arrived(m_fd, QSocketNotifier::Read);
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(waitMs);
    QEventLoop loop;
    while (!done() && deadline.isActive())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
}

void ProgramPort::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void ProgramPort::readAvailable(QByteArray &into)
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            into.append(buffer, n);
            continue;
        }
        // With VMIN 1 an empty line answers EAGAIN; a hung-up line gives 0 or EIO.
        if (n == 0 || errno != EAGAIN)
            m_hungUp = true;
        return;
    }
}
