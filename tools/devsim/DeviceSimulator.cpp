#include "devsim/DeviceSimulator.h"

#include "document/FileAccess.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <limits>
#include <stdexcept>

namespace
{

constexpr QByteArrayView CommandStart = "*KORAX@";
constexpr QByteArrayView CommandEnd = "$!";
constexpr QByteArrayView ReadCommand = "RD001%";
constexpr QByteArrayView DeleteCommand = "DEL001%";
// How often the line is looked at while the program has not opened the port.
constexpr int PortWatchMs = 10;
// How long the program has to read the last bytes before the line hangs up.
constexpr int HangUpGraceMs = 20;

QString fromWire(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes);
}

std::optional<WireRate> wireRate(const DeviceSimulator::Options &options)
{
    if (options.baud <= 0)
        return std::nullopt;
    return WireRate(options.baud, options.framing);
}

// Timers count whole milliseconds: a wait is rounded up, so nothing comes early.
int milliseconds(qint64 nanoseconds)
{
    return static_cast<int>(
        qBound(qint64(1), (nanoseconds + 999'999) / 1'000'000, qint64(std::numeric_limits<int>::max())));
}

} // namespace

DeviceSimulator::DeviceSimulator(Options options, QObject *parent)
    : QObject(parent), m_options(std::move(options)), m_folder(m_options.folder),
      m_pieces(wireRate(m_options), ChunkCutter(m_options.chunkSeed, m_options.maxChunk)),
      m_readPace(wireRate(m_options))
{
    m_clock.start();
    m_portWatch.setInterval(PortWatchMs);
    connect(&m_portWatch, &QTimer::timeout, this, &DeviceSimulator::serviceLine);
    for (QTimer *timer : {&m_pieceDue, &m_readPause}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&m_pieceDue, &QTimer::timeout, this, &DeviceSimulator::writePending);
    connect(&m_readPause, &QTimer::timeout, this, &DeviceSimulator::serviceLine);
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
    m_pieces.queued(now(), m_outgoing.size());
    m_outgoing.append(bytes);
    // While the line is full, the notifier goes on once the program reads.
    if (!m_writable->isEnabled())
        writePending();
}

// Reads what the program sent and follows whether it has the port open: while
// it has, the line's notifier calls here; while it has not, the watch timer;
// on a paced line, while the program's bytes are still crossing, the pause.
void DeviceSimulator::serviceLine()
{
    const qint64 allowance = m_readPace.allowance(now());
    if (allowance == 0) {
        pauseReading();
        return;
    }
    QByteArray bytes;
    const PtyLine::ReadState state = m_line.readAvailable(bytes, allowance);
    // A read cut short by the allowance does not tell whether more waits, nor whether the port is still open.
    const bool more = bytes.size() == allowance && state == PtyLine::ReadState::Open;
    m_readPace.read(bytes.size(), !more);
    if (!bytes.isEmpty()) {
        setProgramPort(true);
        record(Direction::FromProgram, bytes);
        handle(m_input.take(bytes));
    }
    if (m_hungUp)
        return;
    setProgramPort(state == PtyLine::ReadState::Open);
    if (more)
        pauseReading();
}

// The line's notifier rests until the next byte of the program's has crossed.
void DeviceSimulator::pauseReading()
{
    m_readable->setEnabled(false);
    m_readPause.start(milliseconds(m_readPace.nextAt() - now()));
}

void DeviceSimulator::setProgramPort(bool open)
{
    m_readable->setEnabled(open && !m_readPause.isActive());
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
        m_pieceDue.stop();
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

// Writes what waits to be sent, as the piece schedule hands it over, and
// counts it towards the hang-up.
void DeviceSimulator::writePending()
{
    m_writable->setEnabled(false);
    m_pieceDue.stop();
    while (!m_outgoing.isEmpty()) {
        const PieceSchedule::Piece piece = m_pieces.next(now(), m_outgoing.size(), bytesBeforeHangUp());
        if (piece.dueIn > 0) {
            m_pieceDue.start(milliseconds(piece.dueIn));
            return;
        }
        const qsizetype written = m_line.write(QByteArrayView(m_outgoing).first(piece.size));
        if (written > 0) {
            record(Direction::ToProgram, QByteArrayView(m_outgoing).first(written));
            m_outgoing.remove(0, written);
            m_sentCount += written;
            m_pieces.handed(now(), written);
        }
        if (bytesBeforeHangUp() == 0) {
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
    }
}

qsizetype DeviceSimulator::bytesBeforeHangUp() const
{
    if (m_options.hangUpAfter < 0)
        return std::numeric_limits<qsizetype>::max();
    return qMax<qint64>(0, m_options.hangUpAfter - m_sentCount);
}

void DeviceSimulator::hangUp()
{
    if (m_hungUp || !m_line.isOpen())
        return;
    m_hungUp = true;
    m_outgoing.clear();
    m_portWatch.stop();
    m_pieceDue.stop();
    m_readPause.stop();
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
