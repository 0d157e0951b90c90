#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QString>

#include "support/TestFiles.h"

// Device data files as the device keeps them, for a folder the device simulator serves.
namespace SampleDeviceFiles
{

// One record numbered number and named name, with fields one-byte fields.
inline QByteArray file(int number, QByteArrayView name, int fields)
{
    QByteArray bytes = "SFA $07.12.26 15:12:03$\r\nSDK   1" + QByteArray::number(number).rightJustified(4, ' ') +
                       " \\" + name.toByteArray() + "\\     1     0 0\r\n";
    for (int field = 0; field < fields; ++field)
        bytes += "SDW " + QByteArray::number(field).rightJustified(5, ' ') + "  1 C41\r\n";
    return bytes + "SDE\r\nSFE\r\n";
}

// count files "fNN.txt" numbered 1 to count in folder.
inline void fill(const QString &folder, int count, int fields)
{
    for (int number = 1; number <= count; ++number) {
        const QByteArray name = "f" + QByteArray::number(number).rightJustified(2, '0');
        TestFiles::write(QDir(folder).filePath(QString::fromLatin1(name + ".txt")), file(number, name, fields));
    }
}

} // namespace SampleDeviceFiles
