#include "link/transfers/DeviceBackup.h"

#include "document/DeviceFileReader.h"
#include "document/Document.h"
#include "document/FileAccess.h"
#include "i18n/CodePage.h"
#include "i18n/KeptTexts.h"
#include "link/transfers/BackupFileName.h"
#include "link/transfers/LinkCommands.h"
#include "link/transfers/TransferSession.h"
#include "link/transfers/TransferView.h"

#include <QDateTime>
#include <QDir>
#include <QScopeGuard>

using State = LinkStateMachine::State;

qint64 DeviceBackup::Outcome::totalSize() const
{
    qint64 total = 0;
    for (const StoredFile &file : stored)
        total += file.size;
    return total;
}

bool DeviceBackup::Outcome::complete() const
{
    return !cancelled && !cut && failures.isEmpty() && stored.size() == files;
}

DeviceBackup::DeviceBackup(TransferSession &session, const Document &document, TransferView &view,
                           const KeptTexts &texts, QString folder, QObject *parent)
    : QObject(parent), m_session(session), m_document(document), m_view(view), m_texts(texts),
      m_folder(std::move(folder))
{
    connect(&m_session, &TransferSession::backupTextArrived, this, &DeviceBackup::showProgress);
}

// The rows are taken from the directory as it came, before the first file is
// asked for: the list may change under the backup (Cancel empties it).
DeviceBackup::Outcome DeviceBackup::run()
{
    Outcome outcome;
    const auto end = qScopeGuard([&] {
        giveWindowBack();
        m_view.showStatus(summary(outcome));
    });
    if (!QDir().mkpath(m_folder))
        throw std::runtime_error(QStringLiteral("Cannot create the folder %1.").arg(m_folder).toStdString());
    if (!readDirectory()) {
        outcome.cancelled = !LinkStateMachine::onLine(m_session.link().state());
        outcome.cut = !outcome.cancelled;
        return outcome;
    }
    storeDirectory(outcome);
    const QList<Row> rows = directoryRows();
    outcome.files = int(rows.size());
    m_count = outcome.files;
    for (m_index = 1; m_index <= m_count; ++m_index) {
        const Row &row = rows.at(m_index - 1);
        const std::optional<QByteArray> bytes = readFile(row, outcome);
        if (!bytes) {
            outcome.cancelled = !LinkStateMachine::onLine(m_session.link().state());
            outcome.cut = !outcome.cancelled;
            return outcome;
        }
        store(row.name, *bytes, outcome);
    }
    return outcome;
}

// As the On Line mode reads it: entering the mode, or going back to the directory shown.
bool DeviceBackup::readDirectory()
{
    const quint64 interruptions = m_session.interruptions();
    if (m_session.directoryShown()) {
        m_session.Back();
    } else {
        m_view.setOnLineTicked(true);
        m_session.OnLineSwitched();
    }
    m_session.WaitWhileIn(State::WaitingForDirectory);
    return m_session.directoryShown() && m_session.interruptions() == interruptions;
}

QList<DeviceBackup::Row> DeviceBackup::directoryRows() const
{
    QList<Row> rows;
    for (const Entry &entry : m_document.entries().entries()) {
        if (!entry.isRecordHeader())
            continue;
        const QByteArray number = DeviceFileNumber(LinkCommands::FileNumberWidth, entry.cellView(Entry::Number));
        rows.append(Row{number, BackupFileName(number, entry.cellView(Entry::NameOffset))});
    }
    return rows;
}

std::optional<QByteArray> DeviceBackup::readFile(const Row &row, const Outcome &outcome)
{
    m_name = row.name;
    m_view.showProgressPanel(true);
    m_view.setProgress(m_index - 1, m_count);
    showProgress(0);
    m_session.ReadForBackup(row.number,
                            text(m_texts.backupCut, "The backup stopped; stored before: %1").arg(storedSoFar(outcome)));
    m_session.WaitWhileIn(State::BackingUp);
    return m_session.takeBackupFile();
}

// A file that cannot be written is a failure of its own; the next one may still go.
void DeviceBackup::store(const QString &name, const QByteArray &bytes, Outcome &outcome)
{
    const QString path = QDir(m_folder).filePath(name);
    try {
        WriteFileSafely(path, bytes);
    } catch (const std::exception &failure) {
        outcome.failures << name + QStringLiteral(": ") + QString::fromUtf8(failure.what());
        emit fileEnded(outcome.failures.last());
        return;
    }
    outcome.stored << StoredFile{name, bytes.size()};
    QString why;
    if (readsBack(path, bytes, why)) {
        emit fileEnded(text(m_texts.backupStored, "%1 stored, %2 bytes").arg(name).arg(bytes.size()));
        return;
    }
    outcome.failures
        << text(m_texts.backupUnreadable, "%1 does not read back: %2; it is kept as received").arg(name, why);
    emit fileEnded(outcome.failures.last());
}

void DeviceBackup::storeDirectory(Outcome &outcome)
{
    try {
        WriteFileSafely(QDir(m_folder).filePath(BackupDirectoryFileName), ReadWholeFile(m_session.transferFile()));
    } catch (const std::exception &failure) {
        outcome.failures << QString::fromUtf8(BackupDirectoryFileName) + QStringLiteral(": ") +
                                QString::fromUtf8(failure.what());
    }
}

// The file on disk is what came, and the reader takes it as device data.
bool DeviceBackup::readsBack(const QString &path, const QByteArray &bytes, QString &why) const
{
    try {
        if (ReadWholeFile(path) != bytes) {
            why = QStringLiteral("the file on disk differs from what was received");
            return false;
        }
        const DeviceFileReadResult read = ReadDeviceFile(path, true, QDateTime::currentDateTime());
        why = read.error;
        if (why.isEmpty() && !read.holdsDeviceData())
            why = QStringLiteral("no device data");
    } catch (const std::exception &failure) {
        why = QString::fromUtf8(failure.what());
    }
    return why.isEmpty();
}

void DeviceBackup::showProgress(qint64 bytes)
{
    m_view.setPercentText(CodePage::fromUnicode(
        text(m_texts.backupProgress, "File %1 of %2: %3, %4 bytes").arg(m_index).arg(m_count).arg(m_name).arg(bytes)));
}

// The directory stays on the list, which the window's commands may work on again.
void DeviceBackup::giveWindowBack()
{
    m_view.showProgressPanel(false);
    if (!m_session.link().ready())
        return;
    m_view.setDoubleClickAttached(true);
    m_view.updateControls(true);
}

QString DeviceBackup::summary(const Outcome &outcome) const
{
    QString line = text(m_texts.backupSummary, "%1 of %2 files stored in %4, %3 bytes in total.")
                       .arg(outcome.stored.size())
                       .arg(outcome.files)
                       .arg(outcome.totalSize())
                       .arg(QDir::toNativeSeparators(m_folder));
    if (!outcome.failures.isEmpty())
        line += u' ' + text(m_texts.backupFailures, "Failed: %1").arg(outcome.failures.join(QStringLiteral("; ")));
    return line;
}

QString DeviceBackup::storedSoFar(const Outcome &outcome) const
{
    QStringList names;
    for (const StoredFile &file : outcome.stored)
        names << file.name;
    return names.isEmpty() ? text(m_texts.backupNothing, "nothing") : names.join(QStringLiteral(", "));
}

// The language's text; English where the language file has none (a command line run without one).
QString DeviceBackup::text(const QByteArray &kept, const char *english) const
{
    return kept.isEmpty() ? QString::fromUtf8(english) : CodePage::toUnicode(kept);
}
