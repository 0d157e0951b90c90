#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Whole-file reads and writes with the messages the operator sees: the full
// file name, the reason in the words set by SetFileFailureWords and the
// system's number (see FileError).

// Throws the failure to read the file.
QByteArray ReadWholeFile(const QString &fileName);

// What decides how a save puts its bytes in place of a file.
struct SaveTarget {
    bool exists = false;
    // The folder takes new files (and renames), so a new file can replace the old one.
    bool folderWritable = true;
    // The number of names (hard links) the existing file has.
    qint64 links = 1;
};

enum class SaveMethod {
    // A new file beside the target, flushed and renamed over it: the old file
    // stays whole until the new one is complete.
    Replace,
    // The bytes written into the existing file, which is then cut to their
    // length: it keeps its other names, owner and mode, and needs no writable folder.
    InPlace,
};

// The safe replace wherever it works and keeps what the operator has; in
// place for a file with more than one name (a replace would part them) and
// for a file the operator may write in a folder they may not.
SaveMethod ChooseSaveMethod(const SaveTarget &target);

// Replaces the file's content with bytes, composed whole beforehand, by the
// method choose picks for it. The replace never leaves the file damaged: on any
// failure the old file stays as it was. Writing in place can leave it
// damaged only when the disk fails half-way. Either way a failure throws
// the failure to write the file. An existing file keeps its permissions (and
// its owner where the system allows); a link is followed and the file it
// names is written.
void WriteFileSafely(const QString &fileName, QByteArrayView bytes,
                     SaveMethod (*choose)(const SaveTarget &) = &ChooseSaveMethod);
