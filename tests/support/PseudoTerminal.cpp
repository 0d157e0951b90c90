#include "support/PseudoTerminal.h"

#include "link/port/Termios2.h"

#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(name);
}

PseudoTerminal::~PseudoTerminal()
{
    closeMaster();
    ::close(m_slave);
}

void PseudoTerminal::send(const QByteArray &bytes) const
{
    if (::write(m_master, bytes.constData(), size_t(bytes.size())) != bytes.size())
        throw std::runtime_error("write to the pty master failed");
}

QByteArray PseudoTerminal::receive(qsizetype size, int waitMs) const
{
    QByteArray bytes;
    (void)QTest::qWaitFor(
        [&] {
            char buffer[4096];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0)
                bytes.append(buffer, n);
            return bytes.size() >= size;
        },
        waitMs);
    return bytes;
}

void PseudoTerminal::closeMaster()
{
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

termios PseudoTerminal::slaveSettings() const
{
    termios t{};
    tcgetattr(m_slave, &t);
    return t;
}

int PseudoTerminal::slaveBaudRate() const
{
    return Termios2::baudRate(m_slave);
}
