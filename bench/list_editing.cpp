// Runs the list editing commands of the main window on 10,000 records of 20
// fields (210,000 entries) and prints how long each takes until the list on
// screen shows the result: the command, the view's update and one repaint.

#include "BenchPrompts.h"
#include "document_bench.h"

#include "app/ProgramWindows.h"
#include "app/TForm1.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <functional>

namespace
{

// Processor time of this thread in milliseconds: on a busy machine the wall
// clock also counts the time other programs had the processor.
double threadMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Command {
    const char *name;
    int row; // the entry selected before the command
    void (TForm1::*handler)();
    std::function<void(QDialog &)> answer;
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The most records that renumbering can number in four digits.
    constexpr int Records = 9999;
    constexpr int FieldsPerRecord = 20;
    constexpr int Rounds = 7;

    QTemporaryDir dir;
    BenchPrompts prompts;
    const std::unique_ptr<TForm1> form = CreateProgramWindows(prompts, dir.filePath("WinOrba.lng"));
    form->show();
    auto *list = form->findChild<QTableView *>("Seznam");
    form->document().entries().assign(DocumentBench::recordList(Records, FieldsPerRecord));
    QApplication::processEvents();
    list->scrollTo(list->model()->index(Records * (FieldsPerRecord + 1) / 2, 0));
    QApplication::processEvents();

    const auto renameTo = [](const char *offset) {
        return [offset](QDialog &dialog) { dialog.findChild<QLineEdit *>("Jmeno")->setText(offset); };
    };
    const int lastRecord = (Records - 1) * (FieldsPerRecord + 1);
    const Command commands[] = {
        {"add a field to every record", 5, &TForm1::Pidat1Click, renameTo("7")},
        {"rename a field in every record", 6, &TForm1::Upravit1Click, renameTo("9")},
        {"delete a field from every record", 6, &TForm1::Smazat1Click, {}},
        {"add a record", 0, &TForm1::Pidat1Click, [](QDialog &) {}},
        {"delete a record", lastRecord + FieldsPerRecord + 1, &TForm1::Smazat1Click, {}},
        {"renumber", 0, &TForm1::Pesluj1Click, {}},
    };
    std::printf("entries: %d (%d records of %d fields)\n", form->document().entries().count(), Records,
                FieldsPerRecord);
    std::vector<std::vector<double>> times(std::size(commands));
    std::vector<std::vector<double>> processorTimes(std::size(commands));
    QElapsedTimer timer;
    for (int round = 0; round < Rounds; ++round) {
        for (size_t index = 0; index < std::size(commands); ++index) {
            const Command &command = commands[index];
            list->selectRow(command.row);
            QApplication::processEvents();
            prompts.answer = command.answer;
            const double processorStart = threadMs();
            timer.start();
            (form.get()->*command.handler)();
            QApplication::processEvents();
            list->viewport()->repaint();
            times[index].push_back(double(timer.nsecsElapsed()) / 1e6);
            processorTimes[index].push_back(threadMs() - processorStart);
        }
    }
    for (size_t index = 0; index < std::size(commands); ++index) {
        const std::vector<double> &runs = times[index];
        std::printf("%-34s median %6.1f ms, slowest %6.1f ms (processor: median %6.1f ms)\n", commands[index].name,
                    DocumentBench::median(runs), *std::max_element(runs.begin(), runs.end()),
                    DocumentBench::median(processorTimes[index]));
    }
    std::printf("entries at the end: %d\n", form->document().entries().count());
    return 0;
}
