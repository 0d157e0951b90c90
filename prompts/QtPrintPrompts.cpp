#include "prompts/QtPrintPrompts.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

bool QtPrintPrompts::choosePrinter(QWidget *parent, QPrinter &printer, int lastPage)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, lastPage);
    printer.setFromTo(1, lastPage);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrintPrompts::showError(QWidget *parent, const QString &message)
{
    QMessageBox::critical(parent, QCoreApplication::applicationName(), message);
}
