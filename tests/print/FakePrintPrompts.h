#pragma once

#include "print/PrintPrompts.h"

#include <QEventLoop>
#include <QPrinter>
#include <QStringList>
#include <QTimer>

// Answers the print dialog from prepared values: a PDF file to print into (none
// cancels) and a page range (none prints all). Like a real modal dialog it
// handles pending events while it is open.
class FakePrintPrompts : public PrintPrompts
{
public:
    QString outputFile;
    int fromPage = 0;
    int toPage = 0;
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
        printer.setPrintRange(fromPage > 0 ? QPrinter::PageRange : QPrinter::AllPages);
        if (fromPage > 0)
            printer.setFromTo(fromPage, toPage);
        return true;
    }
    void showError(QWidget *, const QString &message) override { errors << message; }
};
