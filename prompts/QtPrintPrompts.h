#pragma once

#include "prompts/PrintPrompts.h"

// The print window's questions as the desktop's own print dialog and message box.
class QtPrintPrompts : public PrintPrompts
{
public:
    bool choosePrinter(QWidget *parent, QPrinter &printer, int lastPage) override;
    void showError(QWidget *parent, const QString &message) override;
};
