#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <stdexcept>

// Whole-file helpers for tests that prepare a file for the program or check what it wrote.
namespace TestFiles
{

inline void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot prepare test file " + path.toStdString());
}

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace TestFiles
