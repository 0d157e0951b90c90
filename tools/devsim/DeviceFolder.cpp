#include "devsim/DeviceFolder.h"

#include "devsim/DeviceFileNumber.h"
#include "document/DeviceFileReader.h"
#include "document/DeviceFileWriter.h"
#include "document/FileAccess.h"
#include "document/TextHelpers.h"
#include "i18n/CodePage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include <sys/stat.h>

namespace
{

// The record number column of a header line holds four characters.
constexpr qsizetype NumberWidth = 4;

std::runtime_error failure(const QString &message)
{
    return std::runtime_error(message.toStdString());
}

// A file name as a record name: in the device's code page, and without the
// backslash that separates the texts of a header line or a line end.
QByteArray recordName(const QString &fileName)
{
    QByteArray name = CodePage::fromUnicode(fileName);
    for (char &c : name) {
        if (c == '\\' || static_cast<unsigned char>(c) < ' ')
            c = '_';
    }
    return name;
}

// The size as a four-byte field value, lowest byte first; larger sizes show as the largest value.
QByteArray sizeValue(qint64 size)
{
    const auto value = static_cast<quint32>(qBound<qint64>(0, size, 0xFFFFFFFF));
    return QString::asprintf("$%02X%02X%02X%02X", value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF, value >> 24)
        .toLatin1();
}

// Only plain files are the device's: reading a device node or a pipe (the
// link to the simulator's own port, say) could wait for ever.
bool isPlainFile(const QString &path)
{
    struct stat status {
    };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

DeviceFolder::DeviceFolder(QString path) : m_path(std::move(path)) {}

void DeviceFolder::open(const QDateTime &now)
{
    numberFiles(now);
}

QByteArray DeviceFolder::listing(const QDateTime &now)
{
    numberFiles(now);
    qsizetype nameWidth = 0;
    for (const Listed &file : m_listed)
        nameWidth = qMax(nameWidth, recordName(file.fileName).size());
    std::vector<Entry> entries;
    for (const Listed &file : m_listed) {
        noteKeptLineTags(file.fileName);
        entries.push_back(Entry{file.number, PadRight(recordName(file.fileName), nameWidth)});
        entries.push_back(Entry{"", "0", sizeValue(QFileInfo(filePath(file.fileName)).size())});
    }
    return ComposePlainDeviceFile(entries, now.date(), now.time(), "0");
}

// A reader of device data files takes a line that holds the tag of one of the
// device's own lines anywhere as that line, so such a record does not show.
void DeviceFolder::noteKeptLineTags(const QString &fileName)
{
    const QByteArray name = recordName(fileName);
    for (const char *tag : {"SAP", "SRN", "SPR"}) {
        if (name.contains(tag)) {
            m_notes.append(
                QStringLiteral("%1: a name holding %2 is read as a device line; WinOrba will not show its row.")
                    .arg(fileName, QLatin1String(tag)));
            return;
        }
    }
}

QString DeviceFolder::fileOf(QByteArrayView number)
{
    const Listed *file = listed(number);
    return file ? filePath(file->fileName) : QString();
}

QString DeviceFolder::remove(QByteArrayView number)
{
    const QString path = fileOf(number);
    if (path.isEmpty())
        throw failure(QStringLiteral("No file is listed under number %1.").arg(QLatin1String(number)));
    QFile file(path);
    if (!file.remove())
        throw failure(QStringLiteral("Cannot delete %1: %2").arg(path, file.errorString()));
    std::erase_if(m_listed, [&](const Listed &listed) { return listed.number == number; });
    m_deleted = path;
    return path;
}

QString DeviceFolder::store(QByteArrayView bytes, bool inPlaceOfDeleted)
{
    const bool reuse = inPlaceOfDeleted && !m_deleted.isEmpty() && !QFileInfo::exists(m_deleted);
    const QString path = reuse ? m_deleted : freshName();
    WriteFileSafely(path, bytes);
    m_deleted.clear();
    return path;
}

void DeviceFolder::numberFiles(const QDateTime &now)
{
    const QDir folder(m_path);
    if (!folder.exists())
        throw failure(QStringLiteral("The folder %1 does not exist.").arg(m_path));
    QStringList names = folder.entryList(QDir::Files, QDir::Name);
    names.removeIf([&](const QString &name) { return !isPlainFile(filePath(name)); });
    const std::vector<Listed> previous = std::exchange(m_listed, {});
    m_notes.clear();
    // Files listed before keep their numbers; new files then take their own.
    QStringList newNames;
    for (const QString &name : names) {
        const auto kept = std::find_if(previous.begin(), previous.end(),
                                       [&](const Listed &listed) { return listed.fileName == name; });
        if (kept != previous.end())
            m_listed.push_back(*kept);
        else
            newNames.append(name);
    }
    QStringList unnumbered;
    std::vector<Clash> clashes;
    for (const QString &name : newNames) {
        const QByteArray own = ownNumber(name, now);
        if (own.isEmpty())
            unnumbered.append(name);
        else if (const Listed *holder = listed(own))
            clashes.push_back(Clash{own, holder->fileName, name});
        else
            m_listed.push_back(Listed{own, name});
    }
    reportClashes(clashes);
    for (const QString &name : unnumbered) {
        m_listed.push_back(Listed{lowestFreeNumber(), name});
        m_notes.append(QStringLiteral("%1 has no usable number of its own; listed as %2.")
                           .arg(name, QLatin1String(m_listed.back().number)));
    }
    std::sort(m_listed.begin(), m_listed.end(),
              [](const Listed &a, const Listed &b) { return a.fileName < b.fileName; });
    m_numbered = true;
}

// Before the first listing a clash refuses the folder; later, the file that
// came with a number already listed stays out of the directory.
void DeviceFolder::reportClashes(const std::vector<Clash> &clashes)
{
    QStringList lines;
    for (const Clash &clash : clashes) {
        lines.append(m_numbered ? QStringLiteral("%1 is left out of the directory: its file number %2 is %3's.")
                                      .arg(clash.fileName, QLatin1String(clash.number), clash.holder)
                                : QStringLiteral("Files %1 and %2 would both be file number %3.")
                                      .arg(clash.holder, clash.fileName, QLatin1String(clash.number)));
    }
    if (m_numbered || lines.isEmpty()) {
        m_notes += lines;
        return;
    }
    lines.append(QStringLiteral("Writing one of them back would delete the other: give each file a number of its own "
                                "in its first record, or move one out of %1.")
                     .arg(m_path));
    throw failure(lines.join(QLatin1Char('\n')));
}

QByteArray DeviceFolder::ownNumber(const QString &fileName, const QDateTime &now) const
{
    QFile file(filePath(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const DeviceFileReadResult read = ReadDeviceText(file.readAll(), true, now);
    for (const Entry &entry : read.entries) {
        if (entry.isRecordHeader()) {
            QByteArray number = DeviceFileNumberOf(entry.cellView(Entry::Number));
            return number.size() <= NumberWidth ? number : QByteArray();
        }
    }
    return {};
}

QByteArray DeviceFolder::lowestFreeNumber() const
{
    for (int n = 1;; ++n) {
        const QByteArray number = DeviceFileNumberOf(QByteArray::number(n));
        if (!listed(number))
            return number;
    }
}

const DeviceFolder::Listed *DeviceFolder::listed(QByteArrayView number) const
{
    const auto found =
        std::find_if(m_listed.begin(), m_listed.end(), [&](const Listed &file) { return file.number == number; });
    return found == m_listed.end() ? nullptr : &*found;
}

QString DeviceFolder::freshName() const
{
    for (int n = 1;; ++n) {
        const QString name = filePath(QStringLiteral("received-%1.txt").arg(n, 3, 10, QLatin1Char('0')));
        if (!QFileInfo::exists(name))
            return name;
    }
}

QString DeviceFolder::filePath(const QString &fileName) const
{
    return QDir(m_path).filePath(fileName);
}
