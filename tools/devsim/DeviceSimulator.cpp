#include "devsim/DeviceSimulator.h"

#include "document/FileAccess.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace
{

constexpr QByteArrayView CommandStart = "*KORAX@";
constexpr QByteArrayView CommandEnd = "$!";
constexpr QByteArrayView ReadCommand = "RD001%";
constexpr QByteArrayView DeleteCommand = "DEL001%";
// How often the line is looked at while the program has not opened the port.
constexpr int PortWatchMs = 10;
// The pause between two pieces of cut text, so that each arrives on its own.
constexpr int ChunkPauseMs = 1;
// How long the program has to read the last bytes before the line hangs up.
constexpr int HangUpGraceMs = 20;

QString fromWire(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes);
}

} // namespace

DeviceSimulator::DeviceSimulator(Options options, QObject *parent)
    : QObject(parent), m_options(std::move(options)), m_folder(m_options.folder),
      m_cutter(m_options.chunkSeed, m_options.maxChunk)
{
    m_portWatch.setInterval(PortWatchMs);
    connect(&m_portWatch, &QTimer::timeout, this, &DeviceSimulator::serviceLine);
    m_chunkPause.setInterval(ChunkPauseMs);
    m_chunkPause.setSingleShot(true);
    connect(&m_chunkPause, &QTimer::timeout, this, &DeviceSimulator::writePending);
}

DeviceSimulator::~DeviceSimulator()
{
    m_readable.reset();
    m_writable.reset();
    removeLink();
}

QString DeviceSimulator::start()
{
    if (!QFileInfo(m_options.folder).isDir())
        return QStringLiteral("The folder %1 does not exist.").arg(m_options.folder);
    try {
        m_folder.open(QDateTime::currentDateTime());
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    }
    for (const QString &note : m_folder.notes())
        emit notice(note);
    if (QString error = m_line.open(); !error.isEmpty())
        return error;
    if (QString error = makeLink(); !error.isEmpty()) {
        m_line.hangUp();
        return error;
    }
    m_readable = std::make_unique<QSocketNotifier>(m_line.descriptor(), QSocketNotifier::Read);
    m_readable->setEnabled(false);
    connect(m_readable.get(), &QSocketNotifier::activated, this, &DeviceSimulator::serviceLine);
    m_writable = std::make_unique<QSocketNotifier>(m_line.descriptor(), QSocketNotifier::Write);
    m_writable->setEnabled(false);
    connect(m_writable.get(), &QSocketNotifier::activated, this, &DeviceSimulator::writePending);
    m_portWatch.start();
    return {};
}

QString DeviceSimulator::pushFile(const QString &path)
{
    if (m_hungUp || m_hangUpDue || !m_line.isOpen())
        return QStringLiteral("The line is not open.");
    if (!m_line.programHasPort())
        return QStringLiteral("The program has not opened the port; start Receive in the program first.");
    QByteArray bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    }
    emit notice(QStringLiteral("Sending %1").arg(path));
    send(bytes);
    return {};
}

void DeviceSimulator::send(QByteArrayView bytes)
{
    if (m_hungUp || m_hangUpDue || !m_line.isOpen())
        return;
    m_outgoing.append(bytes);
    if (!m_chunkPause.isActive() && !m_writable->isEnabled())
        writePending();
}

// Reads what the program sent and follows whether it has the port open: while
// it has, the line's notifier calls here; while it has not, the watch timer.
void DeviceSimulator::serviceLine()
{
    QByteArray bytes;
    const PtyLine::ReadState state = m_line.readAvailable(bytes);
    if (!bytes.isEmpty()) {
        setProgramPort(true);
        record(Direction::FromProgram, bytes);
        handle(m_input.take(bytes));
    }
    if (!m_hungUp)
        setProgramPort(state == PtyLine::ReadState::Open);
}

void DeviceSimulator::setProgramPort(bool open)
{
    m_readable->setEnabled(open);
    if (open)
        m_portWatch.stop();
    else
        m_portWatch.start();
    if (open == m_programPort)
        return;
    m_programPort = open;
    if (!open) {
        // What the program has not read is thrown away when it opens the port again.
        m_outgoing.clear();
        m_chunkPause.stop();
        m_writable->setEnabled(false);
        handle(m_input.finish());
    }
    emit programPortChanged(open);
}

void DeviceSimulator::handle(const QList<ProgramInput::Item> &items)
{
    for (const ProgramInput::Item &item : items) {
        if (m_hungUp)
            return;
        switch (item.kind) {
        case ProgramInput::Item::Command:
            handleCommand(item.bytes);
            break;
        case ProgramInput::Item::File:
            storeFile(item.bytes);
            break;
        case ProgramInput::Item::Dropped:
            m_uploadExpected = false;
            emit notice(QStringLiteral("Dropped %1 bytes of an unfinished file or command.").arg(item.bytes.size()));
            break;
        }
    }
}

void DeviceSimulator::handleCommand(const QByteArray &command)
{
    emit commandReceived(command);
    const QByteArrayView name =
        QByteArrayView(command).sliced(CommandStart.size(), command.size() - CommandStart.size() - CommandEnd.size());
    if (!name.startsWith(DeleteCommand) && name != "DSDOWN")
        m_folder.forgetDeleted();
    m_uploadExpected = false;
    if (name == "DSTRANS") {
        send("STRANS$!");
    } else if (name == "DIR") {
        sendListing();
    } else if (name.startsWith(ReadCommand)) {
        sendFile(name.sliced(ReadCommand.size()));
    } else if (name.startsWith(DeleteCommand)) {
        deleteFile(name.sliced(DeleteCommand.size()));
    } else if (name == "DSDOWN") {
        send("SDOWN$!");
        m_uploadExpected = true;
    } else if (name != "EW" && name != "BREAK") {
        emit notice(QStringLiteral("Unknown command %1 left without an answer.").arg(fromWire(command)));
    }
}

void DeviceSimulator::sendListing()
{
    try {
        send(m_folder.listing(QDateTime::currentDateTime()));
        for (const QString &note : m_folder.notes())
            emit notice(note);
    } catch (const std::exception &e) {
        emit notice(QStringLiteral("No directory sent: %1").arg(QString::fromUtf8(e.what())));
    }
}

void DeviceSimulator::sendFile(QByteArrayView number)
{
    try {
        const QString path = m_folder.fileOf(number);
        if (path.isEmpty())
            throw std::runtime_error(
                QStringLiteral("no file is listed under number %1.").arg(fromWire(number)).toStdString());
        const QByteArray bytes = ReadWholeFile(path);
        emit notice(QStringLiteral("Sending %1").arg(path));
        send(bytes);
    } catch (const std::exception &e) {
        emit notice(QStringLiteral("Nothing sent: %1").arg(QString::fromUtf8(e.what())));
    }
}

void DeviceSimulator::deleteFile(QByteArrayView number)
{
    try {
        emit notice(QStringLiteral("Deleted %1").arg(m_folder.remove(number)));
    } catch (const std::exception &e) {
        emit notice(QStringLiteral("Nothing deleted: %1").arg(QString::fromUtf8(e.what())));
    }
}

void DeviceSimulator::storeFile(const QByteArray &bytes)
{
    const bool upload = std::exchange(m_uploadExpected, false);
    try {
        emit fileStored(m_folder.store(bytes, upload));
    } catch (const std::exception &e) {
        emit notice(
            QStringLiteral("A file of %1 bytes was not stored: %2").arg(bytes.size()).arg(QString::fromUtf8(e.what())));
    }
}

// Writes what waits to be sent: all that the line takes, or one piece when
// cutting, counting towards the hang-up.
void DeviceSimulator::writePending()
{
    m_writable->setEnabled(false);
    while (!m_outgoing.isEmpty()) {
        qsizetype size = m_cutter.next(m_outgoing.size());
        if (m_options.hangUpAfter >= 0)
            size = qMin<qint64>(size, m_options.hangUpAfter - m_sentCount);
        const qsizetype written = size > 0 ? m_line.write(QByteArrayView(m_outgoing).first(size)) : 0;
        if (written > 0) {
            record(Direction::ToProgram, QByteArrayView(m_outgoing).first(written));
            m_outgoing.remove(0, written);
            m_sentCount += written;
        }
        if (m_options.hangUpAfter >= 0 && m_sentCount >= m_options.hangUpAfter) {
            // Closing the line throws away what the program has not read yet:
            // it gets a moment to read the bytes sent.
            m_outgoing.clear();
            m_hangUpDue = true;
            QTimer::singleShot(HangUpGraceMs, this, &DeviceSimulator::hangUp);
            return;
        }
        if (written == 0) {
            // The line is full until the program reads.
            m_writable->setEnabled(true);
            return;
        }
        if (m_cutter.cuts()) {
            if (!m_outgoing.isEmpty())
                m_chunkPause.start();
            return;
        }
    }
}

void DeviceSimulator::hangUp()
{
    if (m_hungUp || !m_line.isOpen())
        return;
    m_hungUp = true;
    m_outgoing.clear();
    m_portWatch.stop();
    m_chunkPause.stop();
    m_readable->setEnabled(false);
    m_writable->setEnabled(false);
    m_line.hangUp();
    removeLink();
    emit notice(QStringLiteral("Hung up after %1 bytes sent.").arg(m_sentCount));
    emit hungUp();
}

QString DeviceSimulator::makeLink()
{
    const QString &link = m_options.linkPath;
    if (link.isEmpty())
        return {};
    const QFileInfo existing(link);
    if (existing.isSymLink())
        QFile::remove(link);
    else if (existing.exists())
        return QStringLiteral("%1 exists and is not a symbolic link; it is left as it is.").arg(link);
    if (!QFile::link(m_line.slavePath(), link))
        return QStringLiteral("Cannot make the symbolic link %1.").arg(link);
    m_linkMade = true;
    return {};
}

// The link goes with the line, unless something else has been put in its place meanwhile.
void DeviceSimulator::removeLink()
{
    if (m_linkMade && QFileInfo(m_options.linkPath).symLinkTarget() == m_line.slavePath())
        QFile::remove(m_options.linkPath);
    m_linkMade = false;
}

void DeviceSimulator::record(Direction direction, QByteArrayView bytes)
{
    if (m_transcript.isEmpty() || m_transcript.back().direction != direction)
        m_transcript.append(WirePart{direction, {}});
    m_transcript.back().bytes.append(bytes);
    emit wire(direction, bytes.toByteArray());
}

QByteArray DeviceSimulator::wireBytes(Direction direction) const
{
    QByteArray bytes;
    for (const WirePart &part : m_transcript) {
        if (part.direction == direction)
            bytes.append(part.bytes);
    }
    return bytes;
}
