// Times the Load command (read the file, build the entries, give them to the
// document's model, show them) and the Save command (compose, read back in
// memory and compare with the list, replace the file safely, show the
// read-back) on a device data file of 10,000 records of 20 fields, then once
// on a million entries.

#include "document_bench.h"

#include "document/DeviceFileWriter.h"
#include "document/Document.h"
#include "document/DocumentCommands.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

const QDate Day(2026, 12, 7);
const QTime Clock(15, 12, 3);

double loadMs(const QString &fileName, DocumentCommands &commands)
{
    QElapsedTimer timer;
    timer.start();
    const QString failure = commands.load(fileName, false).failure;
    if (!failure.isEmpty())
        std::printf("load failed: %s\n", qPrintable(failure));
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

double saveMs(const QString &fileName, DocumentCommands &commands, const Document &document)
{
    const size_t entries = document.entries().entries().size();
    QElapsedTimer timer;
    timer.start();
    commands.save(fileName);
    QApplication::processEvents();
    const double elapsed = timer.nsecsElapsed() / 1e6;
    if (document.entries().entries().size() != entries)
        std::printf("read back %zu entries of %zu\n", document.entries().entries().size(), entries);
    return elapsed;
}

void measure(const QString &fileName, int records, int runs, Document &document)
{
    constexpr int FieldsPerRecord = 20;
    WritePlainDeviceFile(fileName, DocumentBench::recordList(records, FieldsPerRecord), Day, Clock, "3");
    DocumentCommands commands(document);
    std::vector<double> loads;
    std::vector<double> saves;
    for (int run = 0; run < runs; ++run) {
        loads.push_back(loadMs(fileName, commands));
        saves.push_back(saveMs(fileName, commands, document));
    }
    const EntryModel &model = document.entries();
    const double entries = model.count();
    std::printf("%d records x %d fields = %d entries, %lld bytes, %d runs\n", records, FieldsPerRecord, model.count(),
                static_cast<long long>(QFileInfo(fileName).size()), runs);
    std::printf("  load median %.1f ms (%.2f us per entry), save median %.1f ms (%.2f us per entry)\n",
                DocumentBench::median(loads), DocumentBench::median(loads) * 1000 / entries,
                DocumentBench::median(saves), DocumentBench::median(saves) * 1000 / entries);
    std::printf("  peak resident so far: %.1f MB\n", DocumentBench::statusKb("VmHWM:") / 1024.0);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Document document;
    QTableView view;
    view.setModel(&document.entries());
    view.show();
    QApplication::processEvents();
    std::printf("resident at start: %.1f MB\n", DocumentBench::statusKb("VmRSS:") / 1024.0);
    measure(dir.filePath("records.txt"), 10000, 7, document);
    measure(dir.filePath("million.txt"), 47620, 1, document);
    return 0;
}
