#include "app/RecentFiles.h"

#include <QFile>
#include <QFileInfo>

namespace
{

const QByteArray section("Recent");

QByteArray keyOf(int index)
{
    return "File" + QByteArray::number(index + 1);
}

// One name for one file, however it was reached (a relative path, "..").
QString absoluteOf(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

// The value as written: in quotes, which the reader takes off again, so blanks
// at either end of a name stay part of it.
QByteArray valueOf(const QString &path)
{
    return path.isEmpty() ? QByteArray() : '"' + QFile::encodeName(path) + '"';
}

// A name the settings line cannot hold whole is not kept rather than kept cut.
bool keepable(const QString &path)
{
    return !path.contains('\n') && !path.contains('\r') && valueOf(path).size() <= ProfileFile::MaxValueLength;
}

} // namespace

QStringList RecentFiles::paths() const
{
    QStringList kept;
    for (int i = 0; i < MaxFiles; ++i) {
        const QString path = QFile::decodeName(m_file.readString(section, keyOf(i), ""));
        if (!path.isEmpty() && !kept.contains(path))
            kept.append(path);
    }
    return kept;
}

bool RecentFiles::remember(const QString &path) const
{
    const QString added = absoluteOf(path);
    if (!keepable(added))
        return true;
    QStringList kept = paths();
    kept.removeAll(added);
    kept.prepend(added);
    for (int i = 0; i < MaxFiles; ++i) {
        if (!m_file.writeString(section, keyOf(i), valueOf(i < kept.size() ? kept[i] : QString())))
            return false;
    }
    return true;
}
