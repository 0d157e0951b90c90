// Figures for the serial port layer over a pseudo-terminal: the user-interface
// thread's cost of receiving (event hand-over, notification, ReceiveText) and
// of sending short lines with SendText. Compare with the fastest line the
// program supports, 256000 baud: about 23 KB/s, 43 us per byte.

#include "link/port/TComPort.h"
#include "link_bench.h"

#include <QCoreApplication>

namespace
{

using namespace LinkBench;

void receiveBench(TComPort &port, const Pty &pty)
{
    constexpr qint64 total = 1024 * 1024;
    constexpr qint64 burst = 4096;
    qint64 received = 0;
    int notifications = 0;
    QObject::connect(&port, &TCustomComPort::OnRxChar, [&](QObject *, int count) {
        QByteArray chunk;
        received += port.ReceiveText(chunk, count);
        ++notifications;
    });
    port.OpenPort();
    const QByteArray data(burst, 'x');
    Clock::duration uiTime{};
    const Clock::time_point start = Clock::now();
    for (qint64 sent = burst; sent <= total; sent += burst) {
        writeAll(pty.master, data.constData(), size_t(data.size()));
        while (received < sent) {
            const int before = notifications;
            const Clock::time_point t0 = Clock::now();
            QCoreApplication::processEvents();
            if (notifications != before)
                uiTime += Clock::now() - t0;
        }
    }
    const Clock::duration wall = Clock::now() - start;
    port.ClosePort();
    std::printf("receive: %lld bytes in %lld-byte bursts, %d notifications (%.0f bytes each)\n", total, burst,
                notifications, double(total) / notifications);
    std::printf("receive: user-interface time %.1f ms in all, %.3f us per byte (hand-over + OnRxChar + ReceiveText)\n",
                microseconds(uiTime) / 1000, microseconds(uiTime) / double(total));
    std::printf("receive: wall time %.1f ms, %.1f MB/s\n", microseconds(wall) / 1000,
                double(total) / microseconds(wall));
}

void sendBench(TComPort &port, const Pty &pty)
{
    constexpr int lines = 10000;
    const QByteArray line("DE001 0012 $4142434445464748 ABCDEFGH\r\n");
    const Drain device(pty.master);
    port.OpenPort();
    const Clock::time_point start = Clock::now();
    qint64 accepted = 0;
    for (int i = 0; i < lines; ++i)
        accepted += port.SendText(line);
    const Clock::duration elapsed = Clock::now() - start;
    while (device.drained() < accepted)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    port.ClosePort();
    std::printf("send: %d lines of %lld bytes, %.1f ms in all, %.2f us per SendText; the device got %lld bytes\n",
                lines, static_cast<long long>(line.size()), microseconds(elapsed) / 1000, microseconds(elapsed) / lines,
                device.drained());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    {
        Pty pty;
        TComPort port;
        TComPort::ApplyWindowDesignValues(port);
        port.SetPort(QString::fromLocal8Bit(pty.name));
        receiveBench(port, pty);
    }
    {
        Pty pty;
        TComPort port;
        TComPort::ApplyWindowDesignValues(port);
        port.SetPort(QString::fromLocal8Bit(pty.name));
        sendBench(port, pty);
    }
    std::printf("budget at 256000 baud: 43 us per byte\n");
    return 0;
}
