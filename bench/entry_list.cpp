// Loads a million entries into the entry model in one batch and shows them in
// a table view; prints the time taken and the memory per entry.

#include "document_bench.h"

#include "document/EntryModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int Records = 47620;
    constexpr int FieldsPerRecord = 20;

    EntryModel model;
    QTableView view;
    view.setModel(&model);
    view.show();
    QApplication::processEvents();
    const long rssBefore = DocumentBench::statusKb("VmRSS:");

    QElapsedTimer timer;
    timer.start();
    std::vector<Entry> entries = DocumentBench::recordList(Records, FieldsPerRecord);
    const qint64 buildMs = timer.restart();
    model.assign(std::move(entries));
    const qint64 assignMs = timer.restart();
    QApplication::processEvents();
    view.scrollToBottom();
    QApplication::processEvents();
    const qint64 showMs = timer.elapsed();
    const long rssAfter = DocumentBench::statusKb("VmRSS:");

    qint64 footprint = 0;
    for (const Entry &entry : model.entries())
        footprint += entry.memoryFootprint();
    const double count = model.count();
    std::printf("entries: %d\n", model.count());
    std::printf("build entries: %lld ms, assign to model: %lld ms, show in view: %lld ms\n",
                static_cast<long long>(buildMs), static_cast<long long>(assignMs), static_cast<long long>(showMs));
    std::printf("resident growth: %.1f MB, %.1f bytes per entry\n", (rssAfter - rssBefore) / 1024.0,
                (rssAfter - rssBefore) * 1024.0 / count);
    std::printf("packed cells: %.1f bytes per entry (plus %zu bytes of the entry itself)\n", footprint / count,
                sizeof(Entry));
    std::printf("peak resident: %.1f MB\n", DocumentBench::statusKb("VmHWM:") / 1024.0);
    return 0;
}
