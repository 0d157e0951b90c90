// Figures for the device simulator's paced line: how closely both directions
// keep the wire rate (time / wire time, never below 1) and in what pieces the
// program's side meets the bytes, at the program's slowest usual rate, a
// middle one and the fastest it supports, all with 8 data bits, even parity
// and 1 stop bit.

#include "devsim/DeviceSimulator.h"
#include "devsim/WireRate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <termios.h>
#include <unistd.h>

namespace
{

// The program's end of the line, opened raw as the port layer opens it.
int openProgramSide(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios settings{};
    tcgetattr(fd, &settings);
    cfmakeraw(&settings);
    tcsetattr(fd, TCSANOW, &settings);
    return fd;
}

void runUntil(const std::function<bool()> &done)
{
    QEventLoop loop;
    while (!done())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
}

QByteArray text(qsizetype size)
{
    QByteArray bytes;
    while (bytes.size() < size)
        bytes += "SDW    12  2 CABCD\r\n";
    return bytes.left(size);
}

// The simulator sends: the program's side reads on each notification, as the port's event thread does.
void sendBench(qint64 baud, qsizetype size)
{
    QTemporaryDir folder;
    QFile file(folder.filePath("pushed.txt"));
    if (!file.open(QIODevice::WriteOnly) || file.write(text(size)) != size)
        std::exit(1);
    file.close();
    DeviceSimulator simulator({.folder = folder.path(), .baud = baud});
    if (!simulator.start().isEmpty())
        std::exit(1);
    const int fd = openProgramSide(simulator.portPath());
    qsizetype received = 0;
    qsizetype largest = 0;
    int reads = 0;
    QSocketNotifier readable(fd, QSocketNotifier::Read);
    QObject::connect(&readable, &QSocketNotifier::activated, [&] {
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            received += n;
            largest = qMax<qsizetype>(largest, n);
            ++reads;
        }
    });
    QElapsedTimer clock;
    clock.start();
    simulator.pushFile(file.fileName());
    runUntil([&] { return received == size; });
    const double wire = double(WireRate(baud, LineFraming{}).nanosecondsFor(size));
    std::printf("send    %6lld baud: %6lld bytes in %7.1f ms = %.4f x wire time; %5d reads, %.1f bytes each, "
                "largest %lld\n",
                static_cast<long long>(baud), static_cast<long long>(size), clock.nsecsElapsed() / 1e6,
                clock.nsecsElapsed() / wire, reads, double(size) / reads, static_cast<long long>(largest));
    ::close(fd);
}

// The program writes everything at once, as far as the line takes it; the simulator reads at the wire rate.
void receiveBench(qint64 baud, qsizetype size)
{
    QTemporaryDir folder;
    DeviceSimulator simulator({.folder = folder.path(), .baud = baud});
    if (!simulator.start().isEmpty())
        std::exit(1);
    const int fd = openProgramSide(simulator.portPath());
    qsizetype read = 0;
    QObject::connect(&simulator, &DeviceSimulator::wire,
                     [&](DeviceSimulator::Direction direction, const QByteArray &bytes) {
                         if (direction == DeviceSimulator::Direction::FromProgram)
                             read += bytes.size();
                     });
    const QByteArray bytes = text(size);
    qsizetype written = 0;
    QSocketNotifier writable(fd, QSocketNotifier::Write);
    QObject::connect(&writable, &QSocketNotifier::activated, [&] {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(size - written));
        if (n > 0)
            written += n;
        writable.setEnabled(written < size);
    });
    QElapsedTimer clock;
    clock.start();
    runUntil([&] { return read == size; });
    const double wire = double(WireRate(baud, LineFraming{}).nanosecondsFor(size));
    std::printf("receive %6lld baud: %6lld bytes in %7.1f ms = %.4f x wire time\n", static_cast<long long>(baud),
                static_cast<long long>(size), clock.nsecsElapsed() / 1e6, clock.nsecsElapsed() / wire);
    ::close(fd);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const std::pair<qint64, qsizetype> runs[] = {{4800, 1024}, {38400, 8192}, {256000, 32768}};
    for (const auto &[baud, size] : runs)
        sendBench(baud, size);
    for (const auto &[baud, size] : runs)
        receiveBench(baud, size);
    return 0;
}
