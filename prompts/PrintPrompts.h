#pragma once

#include <QString>

class QPrinter;
class QWidget;

// The modal questions of the print window, so that tests can answer them
// without a dialog blocking them.
class PrintPrompts
{
public:
    virtual ~PrintPrompts() = default;

    // The print dialog for the printer: pages 1 to lastPage on offer, the "to"
    // page set to lastPage, printing into a file and a page range allowed. The
    // operator's choices (printer or file, pages, copies) go into the printer.
    // False when cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer, int lastPage) = 0;
    // An error box with the program's name as title.
    virtual void showError(QWidget *parent, const QString &message) = 0;
};
