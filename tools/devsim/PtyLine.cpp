#include "devsim/PtyLine.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtyLine::~PtyLine()
{
    hangUp();
}

QString PtyLine::open()
{
    int slave = -1;
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    if (openpty(&m_master, &slave, name, &raw, nullptr) != 0)
        return QStringLiteral("Cannot open a pseudo-terminal: %1").arg(QString::fromLocal8Bit(strerror(errno)));
    ::close(slave);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    fcntl(m_master, F_SETFD, FD_CLOEXEC);
    m_slavePath = QFile::decodeName(name);
    return {};
}

bool PtyLine::programHasPort() const
{
    pollfd line{m_master, POLLIN, 0};
    return m_master >= 0 && poll(&line, 1, 0) >= 0 && !(line.revents & POLLHUP);
}

PtyLine::ReadState PtyLine::readAvailable(QByteArray &into, qint64 limit) const
{
    char buffer[4096];
    for (qint64 left = limit; left > 0;) {
        const ssize_t n = ::read(m_master, buffer, size_t(qMin<qint64>(left, sizeof buffer)));
        if (n > 0) {
            into.append(buffer, n);
            left -= n;
        } else if (n < 0 && errno == EINTR)
            continue;
        else
            return n < 0 && errno == EAGAIN ? ReadState::Open : ReadState::Closed;
    }
    return ReadState::Open;
}

qsizetype PtyLine::write(QByteArrayView bytes) const
{
    for (;;) {
        const ssize_t n = ::write(m_master, bytes.data(), size_t(bytes.size()));
        if (n >= 0)
            return n;
        if (errno != EINTR)
            return 0;
    }
}

void PtyLine::hangUp()
{
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}
