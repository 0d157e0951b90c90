// Figures for the transfers through the main window over a pseudo-terminal:
// - the receiver's user-interface time for 1 MB and 8 MB arriving in 4 KB
//   chunks (it must grow linearly with the data);
// - the upload of 10,000 lines: the whole upload against the same segments
//   written with SendText alone, the difference being the program's own cost
//   per line (progress, memo, event handling);
// - the upload to a device that reads at the wire's rate (8 data bits, even
//   parity, 1 stop bit), 8 KB at 4800 baud and 100 KB at 38400 and 256000
//   baud, over a pseudo-terminal whose device side is the simulator's paced
//   line on a thread of its own, and over a serial device whose 4096-byte
//   output queue empties onto the wire at that rate: the time until the
//   device has the last byte against the wire time, and the longest gap
//   between two ticks of a 5 ms timer on the window's thread.

#include "BenchPrompts.h"
#include "app/ProgramWindows.h"
#include "app/TForm1.h"
#include "devsim/DeviceSimulator.h"
#include "devsim/WireRate.h"
#include "document/Document.h"
#include "link/port/SerialSystem.h"
#include "link/port/TComPort.h"
#include "link_bench.h"

#include <QApplication>
#include <QFile>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <condition_variable>
#include <mutex>

namespace
{

using namespace LinkBench;

struct Program {
    QTemporaryDir dir;
    Pty pty;
    BenchPrompts prompts;
    std::unique_ptr<TForm1> form;

    // The port opens portName (the pseudo-terminal when empty) of the system given (the platform's when empty).
    explicit Program(QByteArray portName = {}, std::shared_ptr<SerialSystem> system = {})
    {
        QFile language(dir.filePath("WinOrba.lng"));
        if (!language.open(QIODevice::WriteOnly))
            std::exit(1);
        language.write("[ComPort1]\r\nPort=" + (portName.isEmpty() ? QByteArray(pty.name) : portName) + "\r\n");
        language.close();
        prompts.saveFile = dir.filePath("received.txt");
        form = CreateProgramWindows(prompts, language.fileName(), std::move(system));
    }
};

// 4 KB of device text without an end of file.
QByteArray fileTextChunk()
{
    QByteArray chunk;
    while (chunk.size() < 4096)
        chunk += "SDW    12  2 CABCD\r\n";
    return chunk.first(4096);
}

void receiveBench(qint64 total)
{
    Program program;
    TComPort &port = program.form->port();
    program.form->btnPrijmiClick();
    const QByteArray chunk = fileTextChunk();
    Clock::duration uiTime{};
    for (qint64 sent = 0; sent < total; sent += chunk.size()) {
        writeAll(program.pty.master, chunk.constData(), size_t(chunk.size()));
        // The kernel tells at most 4095 waiting bytes; the read takes what is there.
        while (port.PendingInputCount() < chunk.size() - 1)
            std::this_thread::yield();
        const Clock::time_point t0 = Clock::now();
        program.form->ComPort1RxChar(int(chunk.size()));
        uiTime += Clock::now() - t0;
    }
    std::printf("receive %5lld KB in 4 KB chunks: receiver time %7.1f ms, %.3f us per byte\n", total / 1024,
                microseconds(uiTime) / 1000, microseconds(uiTime) / double(total));
}

void uploadBench()
{
    constexpr int lines = 10000;
    Program program;
    TForm1 &form = *program.form;
    const QByteArray line("SDW    12  2 CABCD\r\n");
    const QString file = program.dir.filePath("sent.txt");
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        std::exit(1);
    out.write(line.repeated(lines));
    out.close();
    form.document().adoptOpenFileName(file);
    // Shown, so the panel's painting counts too.
    form.show();
    QCoreApplication::processEvents();
    const Drain device(program.pty.master);

    const Clock::time_point start = Clock::now();
    form.btnPosliClick();
    const Clock::duration upload = Clock::now() - start;

    form.port().OpenPort();
    const Clock::time_point wireStart = Clock::now();
    for (int i = 0; i < lines; ++i)
        form.port().SendText(line);
    const Clock::duration wire = Clock::now() - wireStart;
    form.port().ClosePort();

    std::printf("upload of %d lines: %.1f ms in all, SendText alone %.1f ms; overhead per line %.2f us\n", lines,
                microseconds(upload) / 1000, microseconds(wire) / 1000, microseconds(upload - wire) / lines);
}

// ---- uploads to a device that reads at the wire's rate ----------------------------

// The simulator's paced line on a thread of its own, so that the device reads
// at the wire's rate whatever the window's thread does.
class PacedDevice : public QThread
{
public:
    PacedDevice(QString folder, qint64 baud) : m_folder(std::move(folder)), m_baud(baud)
    {
        start();
        m_started.acquire();
    }
    ~PacedDevice() override
    {
        quit();
        wait();
    }
    const QString &portPath() const { return m_portPath; }
    qint64 received() const { return m_received; }
    Clock::time_point lastByte() const { return Clock::time_point(Clock::duration(m_lastByte.load())); }

protected:
    void run() override
    {
        DeviceSimulator simulator({.folder = m_folder, .baud = m_baud});
        if (!simulator.start().isEmpty())
            std::exit(1);
        QObject::connect(&simulator, &DeviceSimulator::wire,
                         [this](DeviceSimulator::Direction direction, const QByteArray &bytes) {
                             if (direction != DeviceSimulator::Direction::FromProgram)
                                 return;
                             m_received += bytes.size();
                             m_lastByte = Clock::now().time_since_epoch().count();
                         });
        m_portPath = simulator.portPath();
        m_started.release();
        exec();
    }

private:
    QString m_folder;
    qint64 m_baud;
    QString m_portPath;
    QSemaphore m_started;
    std::atomic<qint64> m_received{0};
    std::atomic<Clock::rep> m_lastByte{0};
};

// The wire behind a serial device whose output queue empties at the line's
// rate in real time: when it will have carried everything written so far.
struct DrainingWire {
    qint64 characterNs = 0;
    Clock::time_point busyUntil{};
};

// A serial device with a 4096-byte output queue that, like a serial tty,
// signals room only below 256 bytes. Nothing is ever received.
class DrainingDevice : public SerialDevice
{
public:
    explicit DrainingDevice(DrainingWire &wire) : m_wire(wire) {}

    void setQueueSizes(int, int) override {}
    void setLineSettings(const SerialLineSettings &) override {}
    void setTimeouts(const TComTimeouts &) override {}
    void setEventMask(TComEvents) override {}
    std::optional<TComEvents> waitForEvent() override
    {
        std::unique_lock lock(m_mutex);
        m_stopChanged.wait(lock, [this] { return m_stop; });
        return std::nullopt;
    }
    void cancelWait() override
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_stopChanged.notify_all();
    }
    qint64 read(char *, qint64) override { return 0; }
    qint64 write(const char *data, qint64 size) override
    {
        qint64 taken = 0;
        while (taken < size) {
            taken += writeNow(data + taken, size - taken);
            std::this_thread::sleep_until(m_wire.busyUntil);
        }
        return taken;
    }
    qint64 writeNow(const char *, qint64 size) override
    {
        const qint64 taken = std::min(size, Capacity - outputQueueLength());
        m_wire.busyUntil =
            std::max(m_wire.busyUntil, Clock::now()) + std::chrono::nanoseconds(taken * m_wire.characterNs);
        return taken;
    }
    qint64 outputQueueLength() override
    {
        const qint64 ahead = std::chrono::nanoseconds(m_wire.busyUntil - Clock::now()).count();
        return std::max<qint64>(ahead, 0) / m_wire.characterNs;
    }
    void waitForOutput(int timeoutMs) override
    {
        const Clock::time_point timeout = Clock::now() + std::chrono::milliseconds(timeoutMs);
        const Clock::time_point room = m_wire.busyUntil - std::chrono::nanoseconds((RoomMark - 1) * m_wire.characterNs);
        std::this_thread::sleep_until(std::min(std::max(room, Clock::now()), timeout));
        if (outputQueueLength() < RoomMark)
            std::this_thread::sleep_until(timeout);
    }
    SerialErrorState fetchErrorState() override { return {}; }
    qint64 inputQueueLength() override { return 0; }
    void purge() override { m_wire.busyUntil = Clock::now(); }

private:
    static constexpr qint64 Capacity = 4096;
    static constexpr qint64 RoomMark = 256;
    DrainingWire &m_wire;
    std::mutex m_mutex;
    std::condition_variable m_stopChanged;
    bool m_stop = false;
};

class DrainingSystem : public SerialSystem
{
public:
    DrainingWire wire;
    std::unique_ptr<SerialDevice> open(const QString &) override { return std::make_unique<DrainingDevice>(wire); }
    QStringList portNames() override { return {}; }
};

// The longest time between two ticks of a 5 ms timer on the window's thread.
class TickWatch
{
public:
    TickWatch()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.callOnTimeout([this] {
            const Clock::time_point now = Clock::now();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        });
        m_last = Clock::now();
        m_timer.start(5);
    }
    double longestMs() const { return microseconds(m_longest) / 1000; }

private:
    QTimer m_timer;
    Clock::time_point m_last;
    Clock::duration m_longest{};
};

QByteArray deviceText(qint64 size)
{
    QByteArray text;
    while (text.size() < size)
        text += "SDW    12  2 CABCD\r\n";
    return text.first(size);
}

void writeUploadFile(Program &program, qint64 size)
{
    const QString file = program.dir.filePath("sent.txt");
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(deviceText(size)) != size)
        std::exit(1);
    out.close();
    program.form->document().adoptOpenFileName(file);
    program.form->show();
    QCoreApplication::processEvents();
}

void printPaced(const char *line, qint64 baud, qint64 size, Clock::duration took, double longestGapMs)
{
    const double wire = double(WireRate(baud, LineFraming{}).nanosecondsFor(size));
    std::printf("paced upload over %-13s %6lld baud, %6lld bytes: last byte at %8.1f ms = %.4f x wire time; "
                "longest gap between 5 ms ticks %5.1f ms\n",
                line, static_cast<long long>(baud), static_cast<long long>(size),
                std::chrono::duration<double, std::milli>(took).count(),
                std::chrono::duration<double, std::nano>(took).count() / wire, longestGapMs);
}

void ptyUploadBench(qint64 baud, qint64 size)
{
    QTemporaryDir folder;
    const PacedDevice device(folder.path(), baud);
    Program program(device.portPath().toUtf8());
    writeUploadFile(program, size);
    const TickWatch ticks;
    const Clock::time_point start = Clock::now();
    program.form->btnPosliClick();
    while (device.received() < size)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    printPaced("a pty", baud, size, device.lastByte() - start, ticks.longestMs());
}

void queueUploadBench(qint64 baud, qint64 size)
{
    auto system = std::make_shared<DrainingSystem>();
    system->wire.characterNs = WireRate(baud, LineFraming{}).nanosecondsFor(1);
    Program program("ttyS0", system);
    writeUploadFile(program, size);
    const TickWatch ticks;
    const Clock::time_point start = Clock::now();
    program.form->btnPosliClick();
    printPaced("a serial tty", baud, size, system->wire.busyUntil - start, ticks.longestMs());
}

void pacedUploadBenches()
{
    const std::pair<qint64, qint64> runs[] = {{4800, 8 * 1024}, {38400, 100 * 1024}, {256000, 100 * 1024}};
    for (const auto &[baud, size] : runs) {
        ptyUploadBench(baud, size);
        queueUploadBench(baud, size);
    }
}

} // namespace

int main(int argc, char **argv)
{
    // The window is never looked at; it runs without a display as well.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // "upload" runs only the upload, for a profiler; "paced" only the uploads to a device reading at the wire's rate.
    const QByteArray only = argc < 2 ? QByteArray() : QByteArray(argv[1]);
    if (only.isEmpty()) {
        receiveBench(1024 * 1024);
        receiveBench(8 * 1024 * 1024);
    }
    if (only.isEmpty() || only == "upload")
        uploadBench();
    if (only.isEmpty() || only == "paced")
        pacedUploadBenches();
    std::printf("budget: receive 1 MB within 200 ms and linear; upload overhead 50 us per line; paced uploads: "
                "last byte within 1.02 x wire time, no gap between 5 ms ticks above 50 ms\n");
    return 0;
}
