// Find Next over a million entries that hold no match, through the find
// window's own handler, and the go-to window filled with 10,000 record names.
// Prints the median times.

#include "BenchPrompts.h"
#include "document_bench.h"

#include "document/EntryModel.h"
#include "editing/EntrySearch.h"
#include "editing/FindCommand.h"
#include "editing/TFindDialog.h"
#include "editing/TfrmSeznam.h"
#include "i18n/KeptTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>

#include <cstdio>

namespace
{

template <typename Run> double medianMs(Run run)
{
    std::vector<double> times;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return DocumentBench::median(times);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QMainWindow main;
    auto *list = new QTableView;
    main.setCentralWidget(list);
    EntryModel model;
    list->setModel(&model);
    KeptTexts texts;
    BenchPrompts prompts;
    FindCommand find(*list, model, texts, prompts);
    TfrmSeznam goTo(&main);
    goTo.SetEntryList(*list, model, texts);
    main.show();

    // 47,620 records of 20 fields: 1,000,020 entries.
    model.assign(DocumentBench::recordList(47620, 20));
    QApplication::processEvents();
    find.Hledej1Click();
    QApplication::processEvents();
    TFindDialog &dialog = *find.findDialog();
    std::printf("entries: %d\n", model.count());
    for (const bool wholeWord : {false, true}) {
        dialog.textField()->setText(QStringLiteral("no such text"));
        dialog.wholeWordBox()->setChecked(wholeWord);
        const double handler = medianMs([&] {
            list->selectRow(0);
            find.FindDialog1Find();
        });
        const double scan =
            medianMs([&] { EntrySearch::findNext(model.entries(), 0, "no such text", dialog.wholeWord()); });
        std::printf("Find Next, no match%s: %.1f ms (the scan alone: %.1f ms)\n", wholeWord ? ", whole word" : "",
                    handler, scan);
    }
    std::printf("not-found messages: %d\n", prompts.informations);

    // 10,000 records of 20 fields.
    model.assign(DocumentBench::recordList(10000, 20));
    QApplication::processEvents();
    const double fill = medianMs([&] {
        goTo.hide();
        goTo.btnSeznamClick();
        QApplication::processEvents();
    });
    std::printf("go-to window over %d records (%d entries): %.1f ms, %d names\n", 10000, model.count(), fill,
                goTo.names()->count());
    return 0;
}
