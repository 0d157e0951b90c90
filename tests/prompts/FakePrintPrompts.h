#pragma once

#include "prompts/PrintPrompts.h"

#include <QEventLoop>
#include <QPageRanges>
#include <QPrinter>
#include <QStringList>
#include <QTimer>

// Answers the print dialog from prepared values: a PDF file to print into (none
// cancels) and the pages as the operator types them into the dialog, "2-4" or
// "2,4" (none prints all). The choice goes into the printer as the desktop's
// print dialog puts it there. Like a real modal dialog it handles pending
// events while it is open.
class FakePrintPrompts : public PrintPrompts
{
public:
    QString outputFile;
    QString pages;
    int asked = 0;
    int lastPageOffered = 0;
    QStringList errors;

    bool choosePrinter(QWidget *, QPrinter &printer, int lastPage) override
    {
        ++asked;
        lastPageOffered = lastPage;
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
        if (outputFile.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outputFile);
        printer.setPrintRange(pages.isEmpty() ? QPrinter::AllPages : QPrinter::PageRange);
        printer.setPageRanges(QPageRanges::fromString(pages));
        return true;
    }
    void showError(QWidget *, const QString &message) override { errors << message; }
};
