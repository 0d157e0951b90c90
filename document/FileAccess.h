#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Whole-file reads and writes with the messages the operator sees; the reason
// in them is the system's own text for the failure.

// Throws "Cannot open file "%s". %s" (the full file name, then the reason).
QByteArray ReadWholeFile(const QString &fileName);

// Replaces the file's content with bytes without ever leaving it damaged: the
// bytes go to a new file in the same folder, which is flushed to disk and then
// renamed over the target. On any failure the old file stays as it was and
// "Cannot create file "%s". %s" is thrown. An existing file keeps its
// permissions; a link is followed and the file it names is replaced.
void WriteFileSafely(const QString &fileName, QByteArrayView bytes);
