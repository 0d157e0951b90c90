// Times Load (read the file, build the entries, give them to the model, show
// them) and Save (compose, replace the file safely, read it back) of a device
// data file of 10,000 records of 20 fields, then once of a million entries.

#include "document_bench.h"

#include "document/DeviceFileReader.h"
#include "document/DeviceFileWriter.h"
#include "document/EntryModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

const QDate Day(2026, 12, 7);
const QTime Clock(15, 12, 3);

double loadMs(const QString &fileName, EntryModel &model)
{
    QElapsedTimer timer;
    timer.start();
    DeviceFileReadResult read = ReadDeviceFile(fileName, false, QDateTime::currentDateTime());
    if (!read.error.isEmpty())
        std::printf("load failed: %s\n", qPrintable(read.error));
    model.assign(std::move(read.entries));
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

double saveMs(const QString &fileName, const EntryModel &model)
{
    QElapsedTimer timer;
    timer.start();
    WritePlainDeviceFile(fileName, model.entries(), Day, Clock, "3");
    const DeviceFileReadResult back = ReadDeviceFile(fileName, false, QDateTime::currentDateTime());
    if (back.entries.size() != model.entries().size())
        std::printf("read back %zu entries of %zu\n", back.entries.size(), model.entries().size());
    return timer.nsecsElapsed() / 1e6;
}

void measure(const QString &fileName, int records, int runs, EntryModel &model)
{
    constexpr int FieldsPerRecord = 20;
    WritePlainDeviceFile(fileName, DocumentBench::recordList(records, FieldsPerRecord), Day, Clock, "3");
    std::vector<double> loads;
    std::vector<double> saves;
    for (int run = 0; run < runs; ++run) {
        loads.push_back(loadMs(fileName, model));
        saves.push_back(saveMs(fileName, model));
    }
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
    EntryModel model;
    QTableView view;
    view.setModel(&model);
    view.show();
    QApplication::processEvents();
    std::printf("resident at start: %.1f MB\n", DocumentBench::statusKb("VmRSS:") / 1024.0);
    measure(dir.filePath("records.txt"), 10000, 7, model);
    measure(dir.filePath("million.txt"), 47620, 1, model);
    return 0;
}
