#include "document/DeviceFileTitle.h"

#include <QDir>

QString DeviceFileWindowTitle(const QString &fileName, bool unsavedEdits)
{
    // Qt paths use "/" on every platform; a native separator counts as well where it differs.
    const qsizetype cut = qMax(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(QDir::separator()));
    const QString folder = fileName.left(cut + 1);
    return QStringLiteral("Windows Orba (...") + folder.right(16) + fileName.mid(cut + 1) +
           (unsavedEdits ? QStringLiteral("*)") : QStringLiteral(")"));
}
