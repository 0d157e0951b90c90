// Figures for the transfers through the main window over a pseudo-terminal:
// - the receiver's user-interface time for 1 MB and 8 MB arriving in 4 KB
//   chunks (it must grow linearly with the data);
// - the upload of 10,000 lines: the whole upload against the same segments
//   written with SendText alone, the difference being the program's own cost
//   per line (progress, memo, event handling).

#include "app/ProgramWindows.h"
#include "app/Prompts.h"
#include "app/TForm1.h"
#include "document/Document.h"
#include "link/port/TComPort.h"
#include "link_bench.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace
{

using namespace LinkBench;

// Answers the receive dialog with a file of the benchmark's own; nothing else is asked.
class BenchPrompts : public Prompts
{
public:
    QString receiveFile;
    std::optional<QString> openFileName(QWidget *, const QString &) override { return std::nullopt; }
    std::optional<QString> saveFileName(QWidget *, const QString &) override { return receiveFile; }
    void showError(QWidget *, const QString &message) override { std::printf("error: %s\n", qPrintable(message)); }
    void showInformation(QWidget *, const QString &, const QString &) override {}
    void showLineError(QWidget *, const QString &, const QString &message) override { showError(nullptr, message); }
    bool runModal(QDialog &) override { return false; }
};

struct Program {
    QTemporaryDir dir;
    Pty pty;
    BenchPrompts prompts;
    std::unique_ptr<TForm1> form;

    Program()
    {
        QFile language(dir.filePath("WinOrba.lng"));
        if (!language.open(QIODevice::WriteOnly))
            std::exit(1);
        language.write("[ComPort1]\r\nPort=" + QByteArray(pty.name) + "\r\n");
        language.close();
        prompts.receiveFile = dir.filePath("received.txt");
        form = CreateProgramWindows(prompts, language.fileName());
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
    form.document().openDialogFileName = file;
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

} // namespace

int main(int argc, char **argv)
{
    // The window is never looked at; it runs without a display as well.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // "upload" runs only the upload, for a profiler.
    if (argc < 2 || qstrcmp(argv[1], "upload") != 0) {
        receiveBench(1024 * 1024);
        receiveBench(8 * 1024 * 1024);
    }
    uploadBench();
    std::printf("budget: receive 1 MB within 200 ms and linear; upload overhead 50 us per line\n");
    return 0;
}
