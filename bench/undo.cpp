// Undo and redo of the list edits that touch every record, on 9,999 records of
// 20 fields (209,979 entries; renumbering numbers no more records): how long
// each takes until the list on screen shows the result (the command, the
// view's update and one repaint), and the memory the undo stack holds after
// 100 such edits, against the list's own.

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

#include <malloc.h>

#include <cstdio>

namespace
{

// Bytes the heap has handed out and not had back.
double heapMb()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

struct Edit {
    const char *name;
    int row; // the entry selected before the edit
    void (TForm1::*handler)();
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int Records = 9999;
    constexpr int FieldsPerRecord = 20;
    constexpr int Rounds = 7;
    constexpr int StackedEdits = 100;

    QTemporaryDir dir;
    BenchPrompts prompts;
    prompts.answer = [](QDialog &dialog) { dialog.findChild<QLineEdit *>("Jmeno")->setText("7"); };
    const std::unique_ptr<TForm1> form = CreateProgramWindows(prompts, dir.filePath("WinOrba.lng"));
    form->show();
    auto *list = form->findChild<QTableView *>("Seznam");
    QApplication::processEvents();
    const double heapBeforeList = heapMb();
    form->document().replaceList(DocumentBench::recordList(Records, FieldsPerRecord));
    const double listMb = heapMb() - heapBeforeList;
    QApplication::processEvents();
    list->scrollTo(list->model()->index(Records * (FieldsPerRecord + 1) / 2, 0));
    QApplication::processEvents();

    const Edit edits[] = {
        {"delete field", 6, &TForm1::Smazat1Click},
        {"add field", 5, &TForm1::Pidat1Click},
        {"renumber", 0, &TForm1::Pesluj1Click},
    };
    const auto timed = [&](void (TForm1::*step)()) {
        QElapsedTimer timer;
        timer.start();
        (form.get()->*step)();
        QApplication::processEvents();
        list->viewport()->repaint();
        return double(timer.nsecsElapsed()) / 1e6;
    };
    std::printf("entries: %d (%d records of %d fields)\n", form->document().entries().count(), Records,
                FieldsPerRecord);
    for (const Edit &edit : edits) {
        std::vector<double> undoTimes;
        std::vector<double> redoTimes;
        for (int round = 0; round < Rounds; ++round) {
            list->selectRow(edit.row);
            QApplication::processEvents();
            (form.get()->*edit.handler)();
            QApplication::processEvents();
            undoTimes.push_back(timed(&TForm1::undoEdit));
            redoTimes.push_back(timed(&TForm1::redoEdit));
            form->undoEdit();
        }
        std::printf("%-14s undo median %6.1f ms, slowest %6.1f ms; redo median %6.1f ms, slowest %6.1f ms\n", edit.name,
                    DocumentBench::median(undoTimes), *std::max_element(undoTimes.begin(), undoTimes.end()),
                    DocumentBench::median(redoTimes), *std::max_element(redoTimes.begin(), redoTimes.end()));
    }

    // The edits in turn, so the list keeps its size while the stack grows.
    form->document().undoStack().clear();
    const double heapBeforeEdits = heapMb();
    for (int index = 0; index < StackedEdits; ++index) {
        const Edit &edit = edits[index % std::size(edits)];
        list->selectRow(edit.row);
        (form.get()->*edit.handler)();
    }
    QApplication::processEvents();
    const double heapWithStack = heapMb();
    form->document().undoStack().clear();
    const double stackMb = heapWithStack - heapMb();
    std::printf("list's own memory %.1f MB; the undo stack after %d edits %.1f MB (%.2f x the list); "
                "the heap grew by %.1f MB with them\n",
                listMb, StackedEdits, stackMb, stackMb / listMb, heapWithStack - heapBeforeEdits);
    return 0;
}
