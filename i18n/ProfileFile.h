#pragma once

#include <QByteArray>
#include <QString>

// An INI file read and written the way the settings have always been kept:
// the file is opened by name on every access and nothing is cached, so a
// change made by hand while the program runs is seen by the next read.
// Section and key names compare without regard to case; blanks around keys
// and values are trimmed, and so are quotes that enclose a value; a value is
// seen up to its first 2047 characters; a missing file, section or key gives
// the default. Writing creates what is
// missing and keeps every other line, its bytes and its order. Values are
// 8-bit bytes, kept as they are.
class ProfileFile
{
public:
    static constexpr qsizetype MaxValueLength = 2047;

    explicit ProfileFile(QString path);

    const QString &path() const { return m_path; }

    QByteArray readString(QByteArrayView section, QByteArrayView key, QByteArrayView defaultValue) const;
    // A value that is not a decimal whole number gives the default.
    int readInt(QByteArrayView section, QByteArrayView key, int defaultValue) const;
    // False when the file cannot be written; the file is then left as it was.
    bool writeString(QByteArrayView section, QByteArrayView key, QByteArrayView value) const;
    bool writeInt(QByteArrayView section, QByteArrayView key, int value) const;

private:
    QString m_path;
};
