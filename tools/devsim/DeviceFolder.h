#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

// A folder of device data files served as the device's own files.
//
// The directory lists one record per file of the folder, in name order: the
// record number is the file's number and the record name the file name (in the
// device's code page, padded to the longest), with one field at offset 0 that
// holds the file's size in bytes (four bytes, lowest first). A file is listed
// under the number of its first record, as the device keeps them: the program
// opens a directory row by its number, and writing a device file back deletes
// the number of the file's first record before the upload. A file without a
// usable number of its own (no record, or a number longer than four
// characters) gets the lowest free number.
//
// Two files of one number cannot both be served: the write-back of one would
// delete the other. The folder is refused when it holds such files at the
// start; a file that comes later with a number already listed is left out of
// the directory.
//
// The numbers hold from one listing to the next, so the rows the program shows
// keep naming the files they named when listed. Failures throw
// std::runtime_error with a message for the person running the simulator.
class DeviceFolder
{
public:
    explicit DeviceFolder(QString path);

    const QString &path() const { return m_path; }

    // Numbers the files for the first time; throws, naming them, when two
    // files would have the same number. notes() then tells of the files given
    // the lowest free number.
    void open(const QDateTime &now);

    // Reads the folder again, numbers its files and gives the directory as a
    // device data file created at now.
    QByteArray listing(const QDateTime &now);
    // What the last listing had to say: files it could not list under their
    // own number or left out, and names the program will not show as rows.
    const QStringList &notes() const { return m_notes; }

    // The path of the file listed under a file number ("007"), empty when none is.
    QString fileOf(QByteArrayView number);
    // Deletes the file listed under a number and returns its path. The next
    // upload that replaces it takes its name.
    QString remove(QByteArrayView number);
    // Stores a file that the program sent and returns its path: in place of
    // the file deleted just before when asked to and that name is free, else
    // under a new name "received-nnn.txt".
    QString store(QByteArrayView bytes, bool inPlaceOfDeleted);
    // The program went on to something else: the next upload is a new file.
    void forgetDeleted() { m_deleted.clear(); }

private:
    struct Listed {
        QByteArray number;
        QString fileName;
    };
    // A file whose own number another file holds.
    struct Clash {
        QByteArray number;
        QString holder;
        QString fileName;
    };

    void numberFiles(const QDateTime &now);
    void reportClashes(const std::vector<Clash> &clashes);
    void noteKeptLineTags(const QString &fileName);
    QByteArray ownNumber(const QString &fileName, const QDateTime &now) const;
    QByteArray lowestFreeNumber() const;
    const Listed *listed(QByteArrayView number) const;
    QString freshName() const;
    QString filePath(const QString &fileName) const;

    QString m_path;
    std::vector<Listed> m_listed;
    bool m_numbered = false;
    QStringList m_notes;
    QString m_deleted;
};
