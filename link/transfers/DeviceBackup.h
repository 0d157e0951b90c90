#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class Document;
class TransferSession;
class TransferView;
struct KeptTexts;

// A copy of every file the device holds, in a folder: a sequence of the
// link's own exchanges, run by the transfer session as the On Line mode runs
// them. The directory is read (entering On Line mode, or going back to the
// directory when it is shown), stored byte for byte as "directory.txt", and
// then each directory row's file is read with the read command and stored
// byte for byte as received under BackupFileName. Each stored file is read
// back with the device file reader before the next is asked for; one that
// does not read back is reported and kept as it came. Only a whole file is
// ever written, through the safe replace, so a file cut short (Cancel, a line
// error, a hang-up) leaves nothing behind. Nothing on the device changes: only
// the commands that enter, browse, read and leave On Line mode go out.
//
// The progress panel shows file i of n, its name and the bytes so far; the
// status line the summary at the end. A line cut during a file gives the
// session's one message, which names what was stored.
class DeviceBackup : public QObject
{
    Q_OBJECT
public:
    struct StoredFile {
        QString name;
        qint64 size = 0;
    };
    struct Outcome {
        // The directory's rows.
        int files = 0;
        // The files stored (directory.txt not counted), those that failed to read back included.
        QList<StoredFile> stored;
        // One text per file that failed: not read back, not written.
        QStringList failures;
        bool cancelled = false;
        bool cut = false;

        qint64 totalSize() const;
        // Every file stored and read back.
        bool complete() const;
    };

    DeviceBackup(TransferSession &session, const Document &document, TransferView &view, const KeptTexts &texts,
                 QString folder, QObject *parent = nullptr);

    // Runs the whole backup; a port that cannot be opened throws its failure.
    Outcome run();
    // The summary: files stored of the directory's, bytes, folder, and the failures.
    QString summary(const Outcome &outcome) const;

signals:
    // One line per file of the directory as it ends: stored, or why not.
    void fileEnded(const QString &line);

private:
    struct Row {
        QByteArray number;
        QString name;
    };

    bool readDirectory();
    QList<Row> directoryRows() const;
    std::optional<QByteArray> readFile(const Row &row, const Outcome &outcome);
    void store(const QString &name, const QByteArray &bytes, Outcome &outcome);
    void storeDirectory(Outcome &outcome);
    bool readsBack(const QString &path, const QByteArray &bytes, QString &why) const;
    void showProgress(qint64 bytes);
    void giveWindowBack();
    QString storedSoFar(const Outcome &outcome) const;
    QString text(const QByteArray &kept, const char *english) const;

    TransferSession &m_session;
    const Document &m_document;
    TransferView &m_view;
    const KeptTexts &m_texts;
    QString m_folder;
    // The file being read: its place and name, for the progress.
    int m_index = 0;
    int m_count = 0;
    QString m_name;
};
