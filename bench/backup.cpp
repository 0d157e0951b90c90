// Figures for a backup of the device against the device simulator on a paced
// 38400 baud line (8 data bits, even parity, 1 stop bit) serving 20 files of
// about 10 KB: the time the whole backup takes (entering On Line mode, the
// directory, every file read, stored and read back, leaving On Line mode),
// against the wire time of every byte exchanged, which the backup cannot beat
// because each answer waits for the command before it. Goal: at most 1.05
// times the wire time.

#include "app/HeadlessBackup.h"
#include "devsim/DeviceSimulator.h"
#include "devsim/WireRate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace
{

constexpr qint64 Baud = 38400;
constexpr int Files = 20;
constexpr qsizetype FileSize = 10 * 1024;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::exit(1);
}

// A device data file of one record numbered number, with one-byte fields up to about FileSize bytes.
QByteArray deviceFile(int number)
{
    QByteArray bytes = "SFA $07.12.26 15:12:03$\r\nSDK   1" + QByteArray::number(number).rightJustified(4) + " \\FILE" +
                       QByteArray::number(number) + "\\     1     0 0\r\n";
    for (int field = 0; bytes.size() < FileSize - 12; ++field)
        bytes += "SDW " + QByteArray::number(field).rightJustified(5) + "  1 C41\r\n";
    return bytes + "SDE\r\nSFE\r\n";
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir deviceFolder;
    QTemporaryDir work;
    for (int number = 1; number <= Files; ++number)
        writeFile(deviceFolder.filePath(QStringLiteral("file%1.txt").arg(number, 2, 10, QLatin1Char('0'))),
                  deviceFile(number));
    DeviceSimulator simulator({.folder = deviceFolder.path(), .baud = Baud});
    if (!simulator.start().isEmpty())
        return 1;
    const QString settings = work.filePath("WinOrba.lng");
    writeFile(settings, "[ComPort1]\r\nBaudRate=38400\r\n");

    QString output;
    QString errors;
    QTextStream out(&output);
    QTextStream err(&errors);
    QElapsedTimer clock;
    clock.start();
    const int status = RunHeadlessBackup({work.filePath("backup"), simulator.portPath()}, settings, out, err);
    const double took = clock.nsecsElapsed() / 1e9;

    const qsizetype toDevice = simulator.received().size();
    const qsizetype fromDevice = simulator.sent().size();
    const double wire = WireRate(Baud, LineFraming{}).nanosecondsFor(toDevice + fromDevice) / 1e9;
    std::printf("Backup at %lld baud 8E1 of %d files of %lld bytes, exit status %d\n", Baud, Files,
                static_cast<long long>(deviceFile(1).size()), status);
    if (!errors.isEmpty())
        std::printf("errors: %s\n", qPrintable(errors));
    std::printf("%lld bytes to the device, %lld from it; wire time %.3f s, took %.3f s: %.4f x the wire time "
                "(goal at most 1.05 x)\n",
                static_cast<long long>(toDevice), static_cast<long long>(fromDevice), wire, took, took / wire);
    return 0;
}
