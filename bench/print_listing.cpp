// Lays out 210,000 entries (955 pages, each with its footer) in the print
// window, leafs through the preview and prints every page into a PDF file, then
// every other page as a list; prints the times taken and the memory the pages
// need.

#include "document_bench.h"

#include "document/EntryModel.h"
#include "print/TFrmTisk.h"
#include "print/TPrintPreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPageRanges>
#include <QPrinter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace
{

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int Records = 10000;
    constexpr int FieldsPerRecord = 20;

    EntryModel entries;
    entries.assign(DocumentBench::recordList(Records, FieldsPerRecord));
    TFrmTisk window;
    window.SetEntries(&entries);
    window.SetFileName(QStringLiteral("/data/VAHY.TXT"));
    window.setAttribute(Qt::WA_DontShowOnScreen);
    TPrintPreview &preview = *window.printPreview();
    QApplication::processEvents();
    const long rssBefore = DocumentBench::statusKb("VmRSS:");

    // Showing the window builds the pages once it is on screen.
    QElapsedTimer timer;
    timer.start();
    double cpu = cpuSeconds();
    window.show();
    while (preview.TotalPages() == 0 || preview.State() != TPrintPreview::psReady)
        QApplication::processEvents();
    const qint64 buildMs = timer.elapsed();
    const double buildCpu = cpuSeconds() - cpu;
    std::printf("entries: %d, pages: %d, page stream: %.1f MB\n", entries.count(), preview.TotalPages(),
                preview.Pages().streamSize() / 1048576.0);
    std::printf("build preview: %lld ms (%.2f s CPU); RSS %ld -> %ld MB, peak RSS %ld MB\n",
                static_cast<long long>(buildMs), buildCpu, rssBefore / 1024, DocumentBench::statusKb("VmRSS:") / 1024,
                peakRssKb() / 1024);

    // Each switch shows the page: load it from the stream and draw it at the
    // whole-page zoom.
    std::vector<double> switches;
    double slowest = 0;
    cpu = cpuSeconds();
    for (int i = 0; i < 50; ++i) {
        const int page = 1 + static_cast<int>(QRandomGenerator::global()->bounded(preview.TotalPages()));
        timer.restart();
        preview.SetCurrentPage(page);
        preview.viewport()->repaint();
        const double ms = timer.nsecsElapsed() / 1e6;
        switches.push_back(ms);
        slowest = std::max(slowest, ms);
    }
    std::printf("switch to a page (50 random pages, %dx%d pixels): median %.1f ms, slowest %.1f ms, %.1f ms CPU "
                "on average\n",
                preview.viewport()->width(), preview.viewport()->height(), DocumentBench::median(switches), slowest,
                (cpuSeconds() - cpu) * 1000 / 50);

    QTemporaryDir dir;
    const QString pdf = dir.filePath("listing.pdf");
    preview.Printer().setOutputFormat(QPrinter::PdfFormat);
    preview.Printer().setOutputFileName(pdf);
    timer.restart();
    cpu = cpuSeconds();
    preview.Print();
    std::printf("print %d pages to PDF: %lld ms (%.2f s CPU), %.1f MB file; peak RSS %ld MB\n", preview.TotalPages(),
                static_cast<long long>(timer.elapsed()), cpuSeconds() - cpu, QFileInfo(pdf).size() / 1048576.0,
                peakRssKb() / 1024);

    QPageRanges everyOther;
    for (int page = 1; page <= preview.TotalPages(); page += 2)
        everyOther.addPage(page);
    timer.restart();
    cpu = cpuSeconds();
    preview.PrintPages(everyOther);
    std::printf("print every other page (%d pages) as a list to PDF: %lld ms (%.2f s CPU), %.1f MB file\n",
                (preview.TotalPages() + 1) / 2, static_cast<long long>(timer.elapsed()), cpuSeconds() - cpu,
                QFileInfo(pdf).size() / 1048576.0);
    return 0;
}
