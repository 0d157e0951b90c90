#pragma once

#include "devsim/DeviceFolder.h"
#include "devsim/LineFraming.h"
#include "devsim/PieceSchedule.h"
#include "devsim/ProgramInput.h"
#include "devsim/PtyLine.h"
#include "devsim/ReadPace.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>

#include <memory>

// A device on a pseudo-terminal, for trying every exchange of the link without
// hardware. It runs on the Qt event loop and never blocks, so a test can run
// it in the same process as the port it talks to.
//
// It serves a folder of device data files as the device's own files (see
// DeviceFolder for the directory and the numbers) and answers the program's
// commands:
//   "*KORAX@DSTRANS$!"      "STRANS$!"
//   "*KORAX@DIR$!"          the directory as a device data file
//   "*KORAX@RD001%nnn$!"    the bytes of file nnn
//   "*KORAX@DEL001%nnn$!"   deletes file nnn; no answer
//   "*KORAX@DSDOWN$!"       "SDOWN$!", then the program's upload is stored,
//                           in place of the file deleted just before
//   "*KORAX@EW$!", "*KORAX@BREAK$!"   no answer
// A file that the program sends without a command (an off-line Send) is
// stored as a new file; pushFile() sends a file as the device does for an
// off-line Receive. Nothing is acknowledged: the link has no answer to a file.
//
// A pseudo-terminal carries any amount at once. Given a baud rate, the
// simulator plays a real line instead: what it sends crosses at the wire rate
// and reaches the program a few bytes at a time, as a UART hands them over,
// and it reads what the program sends no faster than the wire carries it, so
// that the program's writes back up (see PieceSchedule and ReadPace). All of
// it runs on timers of the event loop.
//
// For testing the program's receiver it can cut everything it sends into
// pieces of random size (from a seed, so a run can be repeated; without a
// baud rate a pause of a millisecond lets each piece arrive on its own), and
// it can hang the line up after a given number of bytes sent, as an
// unplugged adapter does (a moment after the last byte, so that the program
// can read them).
class DeviceSimulator : public QObject
{
    Q_OBJECT
public:
    struct Options {
        // Served as the device's directory.
        QString folder{};
        // When not empty, a symbolic link to the port is made there (an
        // existing symbolic link is replaced, any other file is not).
        QString linkPath{};
        // 0: every answer goes out in one piece; else the seed of the cutting.
        quint32 chunkSeed = 0;
        // The largest piece when cutting.
        qsizetype maxChunk = 16;
        // Hang up once this many bytes have been sent; -1: never.
        qint64 hangUpAfter = -1;
        // The line's baud rate; 0: no pacing, bytes go as fast as the pseudo-terminal takes them.
        qint64 baud = 0;
        // How a character goes over the paced line.
        LineFraming framing{};
    };

    enum class Direction { FromProgram, ToProgram };
    Q_ENUM(Direction)
    // Consecutive bytes that went one way.
    struct WirePart {
        Direction direction;
        QByteArray bytes;
    };

    explicit DeviceSimulator(Options options, QObject *parent = nullptr);
    ~DeviceSimulator() override;

    // Opens the line; returns an error text, empty on success. A folder where
    // two files would have the same file number is refused, naming both.
    QString start();
    // The path the program opens: the pseudo-terminal's slave.
    const QString &portPath() const { return m_line.slavePath(); }
    bool programHasPort() const { return m_line.programHasPort(); }
    bool isHungUp() const { return m_hungUp; }

    // Sends a file as the device does when the operator starts a transfer on
    // it; returns an error text (the file cannot be read, the program has not
    // opened the port, the line is hung up), empty when the file is on its way.
    QString pushFile(const QString &path);
    // Sends bytes as they are, through the same cutting and hang-up count.
    void send(QByteArrayView bytes);
    // Closes the line now, as an unplugged adapter does: the program's port
    // fails and the port path (and the link) disappear.
    void hangUp();

    // Everything on the wire in order, and each direction on its own.
    const QList<WirePart> &transcript() const { return m_transcript; }
    QByteArray received() const { return wireBytes(Direction::FromProgram); }
    QByteArray sent() const { return wireBytes(Direction::ToProgram); }

signals:
    // The whole command text, "*KORAX@" to "$!".
    void commandReceived(const QByteArray &command);
    void fileStored(const QString &path);
    void programPortChanged(bool open);
    // Bytes as they go over the wire.
    void wire(DeviceSimulator::Direction direction, const QByteArray &bytes);
    // Events worth telling the person running the simulator.
    void notice(const QString &text);
    void hungUp();

private:
    void serviceLine();
    void watchForProgram();
    void setProgramPort(bool open);
    void handle(const QList<ProgramInput::Item> &items);
    void handleCommand(const QByteArray &command);
    void sendListing();
    void sendFile(QByteArrayView number);
    void deleteFile(QByteArrayView number);
    void storeFile(const QByteArray &bytes);
    void writePending();
    qsizetype bytesBeforeHangUp() const;
    void pauseReading();
    qint64 now() const { return m_clock.nsecsElapsed(); }
    QString makeLink();
    void removeLink();
    void record(Direction direction, QByteArrayView bytes);
    QByteArray wireBytes(Direction direction) const;

    Options m_options;
    PtyLine m_line;
    DeviceFolder m_folder;
    ProgramInput m_input;
    QElapsedTimer m_clock;
    PieceSchedule m_pieces;
    ReadPace m_readPace;
    std::unique_ptr<QSocketNotifier> m_readable;
    std::unique_ptr<QSocketNotifier> m_writable;
    // While the program has not opened the port, the line is looked at every few milliseconds.
    QTimer m_portWatch;
    // Waits for the next piece to be due.
    QTimer m_pieceDue;
    // On a paced line: waits for the next byte the program sent to have crossed.
    QTimer m_readPause;
    QByteArray m_outgoing;
    qint64 m_sentCount = 0;
    bool m_programPort = false;
    bool m_uploadExpected = false;
    bool m_hangUpDue = false;
    bool m_hungUp = false;
    bool m_linkMade = false;
    QList<WirePart> m_transcript;
};
