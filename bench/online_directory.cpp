// Figures for entering On Line mode through the main window against the device
// simulator on a paced 4800 baud line (8 data bits, even parity, 1 stop bit)
// serving 20 files: the time from ticking "On Line" to the directory shown,
// against the wire time of every byte exchanged ("*KORAX@DSTRANS$!",
// "STRANS$!", "*KORAX@DIR$!", the directory), which the exchange cannot beat
// because each answer waits for the question before it. Budget: wire time
// + 0.1 s.

#include "BenchPrompts.h"
#include "app/ProgramWindows.h"
#include "app/TForm1.h"
#include "devsim/DeviceSimulator.h"
#include "devsim/WireRate.h"
#include "link/transfers/TransferSession.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

constexpr qint64 Baud = 4800;
constexpr int Files = 20;
constexpr int Runs = 5;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::exit(1);
}

// A small device data file whose first record carries the number.
QByteArray deviceFile(int number)
{
    return "SFA $07.12.26 15:12:03$\r\nSDK   1" + QByteArray::number(number).rightJustified(4) + " \\FILE" +
           QByteArray::number(number) + "\\     1     0 0\r\nSDW     0  1 C41\r\nSDE\r\nSFE\r\n";
}

struct Run {
    double took;
    double wire;
    qsizetype toDevice;
    qsizetype fromDevice;
};

Run enterOnLine()
{
    QTemporaryDir deviceFolder;
    for (int number = 1; number <= Files; ++number)
        writeFile(deviceFolder.filePath(QStringLiteral("file%1.txt").arg(number, 2, 10, QLatin1Char('0'))),
                  deviceFile(number));
    DeviceSimulator simulator({.folder = deviceFolder.path(), .baud = Baud});
    if (!simulator.start().isEmpty())
        std::exit(1);

    QTemporaryDir programFolder;
    const QString language = programFolder.filePath("WinOrba.lng");
    writeFile(language, "[ComPort1]\r\nPort=" + simulator.portPath().toUtf8() + "\r\nBaudRate=4800\r\n");
    BenchPrompts prompts;
    const std::unique_ptr<TForm1> form = CreateProgramWindows(prompts, language);
    form->show();
    QCoreApplication::processEvents();
    const TransferSession &session = *form->findChild<TransferSession *>();
    const QWidget &panel = *form->findChild<QWidget *>("Progress");

    QElapsedTimer clock;
    clock.start();
    form->findChild<QCheckBox *>("cbOnLine")->click();
    QEventLoop loop;
    while (!(session.directoryShown() && panel.isHidden()))
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 took = clock.nsecsElapsed();

    if (form->document().entries().count() != 2 * Files)
        std::printf("error: %d rows shown\n", int(form->document().entries().count()));
    const qsizetype toDevice = simulator.received().size();
    const qsizetype fromDevice = simulator.sent().size();
    const WireRate line(Baud, LineFraming{});
    return {took / 1e9, line.nanosecondsFor(toDevice + fromDevice) / 1e9, toDevice, fromDevice};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("On Line at %lld baud 8E1, %d files: from the tick to the directory shown\n", Baud, Files);
    double worst = -1e9;
    for (int run = 0; run < Runs; ++run) {
        const Run result = enterOnLine();
        const double over = result.took - result.wire;
        worst = qMax(worst, over);
        std::printf("run %d: %lld bytes to the device, %lld from it; wire time %.3f s, took %.3f s, over the wire "
                    "time %+.3f s\n",
                    run + 1, static_cast<long long>(result.toDevice), static_cast<long long>(result.fromDevice),
                    result.wire, result.took, over);
    }
    std::printf("budget: wire time + 0.100 s; worst run over the wire time %+.3f s\n", worst);
    return 0;
}
