#include "link/port/PosixSerialSystem.h"

#include "link/port/EComPort.h"
#include "link/port/PosixSerialDevice.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <dirent.h>

namespace
{

// A UART slot without a chip behind it has type 0 (PORT_UNKNOWN).
bool isPresentPort(const QString &entryPath)
{
    if (!QFileInfo::exists(entryPath + QStringLiteral("/device")))
        return false;
    QFile type(entryPath + QStringLiteral("/type"));
    if (!type.open(QIODevice::ReadOnly))
        return true;
    return type.readAll().trimmed() != "0";
}

} // namespace

PosixSerialSystem::PosixSerialSystem(QString ttyClassFolder) : m_ttyClassFolder(std::move(ttyClassFolder)) {}

std::unique_ptr<SerialDevice> PosixSerialSystem::open(const QString &portName)
{
    return std::make_unique<PosixSerialDevice>(devicePath(portName));
}

QStringList PosixSerialSystem::portNames()
{
    DIR *folder = opendir(QFile::encodeName(m_ttyClassFolder).constData());
    if (!folder)
        throw EComPort(EComPort::RegistryError, errno);
    QStringList names;
    while (const dirent *entry = readdir(folder)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name != QLatin1String(".") && name != QLatin1String("..") && isPresentPort(m_ttyClassFolder + '/' + name))
            names << listedName(name);
    }
    closedir(folder);
    return names;
}

// The on-board ports are offered under the names operators and stored
// settings know them by ("COM1" is ttyS0), every other port under its device name.
QString PosixSerialSystem::listedName(const QString &deviceName)
{
    static const QRegularExpression onBoard(QStringLiteral("^ttyS([0-9]{1,4})$"));
    const QRegularExpressionMatch match = onBoard.match(deviceName);
    if (!match.hasMatch() || match.captured(1).toInt() > 9998)
        return deviceName;
    return QStringLiteral("COM%1").arg(match.captured(1).toInt() + 1);
}

QString PosixSerialSystem::devicePath(const QString &portName)
{
    static const QRegularExpression comName(QStringLiteral("^COM([1-9][0-9]{0,3})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch com = comName.match(portName);
    if (com.hasMatch())
        return QStringLiteral("/dev/ttyS%1").arg(com.captured(1).toInt() - 1);
    if (portName.contains('/'))
        return portName;
    return QStringLiteral("/dev/") + portName;
}
