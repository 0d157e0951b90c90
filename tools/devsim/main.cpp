// winorba-devsim: a device on a pseudo-terminal, for trying WinOrba's
// transfers without hardware. See --help.

#include "devsim/DeviceSimulator.h"
#include "devsim/WireRate.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <limits>
#include <optional>
#include <unistd.h>

namespace
{

const char *const Description = R"(A device on a pseudo-terminal for WinOrba: it serves FOLDER, a folder of
device data files, as the device's own files, so that Send, Receive and On Line
mode can be tried without hardware.

It prints the port to use in one line: type that path in WinOrba's port box
(the first of the port settings) and press Enter, then tick On Line. With
--link the path is the link, which stays the same from one start to the next.

A pseudo-terminal carries any amount at once. With --baud it plays a real
line: both ways the bytes take the time they take on the wire at that rate
and framing (8 data bits, even parity and 1 stop bit by default: 11 bits a
character, so 4800 baud carries about 436 characters a second), and WinOrba
gets them a few at a time, as a serial port hands them over: a piece of 8
bytes (of random size with --chunk-seed) as soon as it has crossed, or what
is left after four character times of silence.

What it answers:
  *KORAX@DSTRANS$!     STRANS$!
  *KORAX@DIR$!         the directory: a device data file with one record per
                       file (record number = file number, name = file name,
                       one field at offset 0 = the file size in bytes)
  *KORAX@RD001%nnn$!   the bytes of file nnn
  *KORAX@DEL001%nnn$!  deletes file nnn from FOLDER (no answer)
  *KORAX@DSDOWN$!      SDOWN$!, then stores the program's upload in place of
                       the file deleted just before (or as a new file)
  *KORAX@EW$!, *KORAX@BREAK$!   no answer
A file is listed under the number of its first record; a file without a
number of its own gets the lowest free number. A FOLDER where two files would
have the same number is refused, naming both: writing one of them back would
delete the other (a file that comes later with a number already listed is
left out of the directory). A file the program sends without a command (Send)
is stored as FOLDER/received-nnn.txt.

For Receive: start Receive in WinOrba, then press Enter here to push the
--push file, or type the path of another file and press Enter.

Every event is printed; Ctrl+C ends.)";

// Far above any serial port's rate; it keeps the wire arithmetic in range.
constexpr qint64 MaxBaud = 100'000'000;

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 0;
    (void)!write(g_signalPipe[1], &byte, 1);
}

void print(const QString &text)
{
    std::fprintf(stdout, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

// What the operator types in WinOrba's port box: the link when there is one,
// as it survives a restart of the simulator, else the pseudo-terminal.
QString portLine(const QString &port, const QString &terminal)
{
    const QString line = QStringLiteral("Type this in WinOrba's port box and press Enter: %1").arg(port);
    return port == terminal ? line : line + QStringLiteral("   (a link to %1)").arg(terminal);
}

// Control characters of wire text shown as escapes, so a trace line stays one line.
QString printable(const QByteArray &bytes)
{
    QString text;
    for (const char c : bytes) {
        if (c == '\r')
            text += QStringLiteral("\\r");
        else if (c == '\n')
            text += QStringLiteral("\\n");
        else if (static_cast<unsigned char>(c) < ' ')
            text += QStringLiteral("\\x%1").arg(static_cast<unsigned char>(c), 2, 16, QLatin1Char('0'));
        else
            text += QChar::fromLatin1(c);
    }
    return text;
}

void complain(const QString &text)
{
    std::fprintf(stderr, "winorba-devsim: %s\n", text.toLocal8Bit().constData());
}

bool readNumber(const QCommandLineParser &parser, const QString &name, qint64 minimum, qint64 maximum, qint64 &value)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    value = parser.value(name).toLongLong(&ok);
    if (ok && value >= minimum && value <= maximum)
        return true;
    complain(QStringLiteral("--%1 needs a whole number from %2 to %3.").arg(name).arg(minimum).arg(maximum));
    return false;
}

template <typename Value>
bool readChoice(const QCommandLineParser &parser, const QString &name, std::optional<Value> (*named)(QStringView),
                const char *choices, Value &value)
{
    if (!parser.isSet(name))
        return true;
    const std::optional<Value> chosen = named(parser.value(name));
    if (chosen) {
        value = *chosen;
        return true;
    }
    complain(QStringLiteral("--%1 takes %2.").arg(name, QLatin1String(choices)));
    return false;
}

// The framing options matter only to a paced line; without --baud they are refused rather than ignored.
bool readFraming(const QCommandLineParser &parser, bool paced, LineFraming &framing)
{
    const QStringList names{QStringLiteral("data-bits"), QStringLiteral("parity"), QStringLiteral("stop-bits")};
    if (!paced && std::any_of(names.begin(), names.end(), [&](const QString &name) { return parser.isSet(name); })) {
        complain(QStringLiteral("--data-bits, --parity and --stop-bits set the framing of the line that --baud paces; "
                                "give --baud too."));
        return false;
    }
    qint64 dataBits = framing.dataBits;
    if (!readNumber(parser, names.at(0), 5, 8, dataBits) ||
        !readChoice(parser, names.at(1), &LineFraming::parityNamed, "None, Odd, Even, Mark or Space", framing.parity) ||
        !readChoice(parser, names.at(2), &LineFraming::stopBitsNamed, "1, 1.5 or 2", framing.stopBits))
        return false;
    framing.dataBits = static_cast<int>(dataBits);
    return true;
}

bool readOptions(const QCommandLineParser &parser, DeviceSimulator::Options &options)
{
    if (parser.positionalArguments().size() != 1) {
        complain(QStringLiteral("give one FOLDER to serve (see --help)."));
        return false;
    }
    options.folder = parser.positionalArguments().constFirst();
    options.linkPath = parser.value(QStringLiteral("link"));
    qint64 seed = 0;
    qint64 maxChunk = options.maxChunk;
    qint64 hangUp = options.hangUpAfter;
    constexpr qint64 Unbounded = std::numeric_limits<qint64>::max();
    if (!readNumber(parser, QStringLiteral("chunk-seed"), 0, std::numeric_limits<quint32>::max(), seed) ||
        !readNumber(parser, QStringLiteral("max-chunk"), 1, std::numeric_limits<quint32>::max() - 1, maxChunk) ||
        !readNumber(parser, QStringLiteral("hang-up-after"), 0, Unbounded, hangUp) ||
        !readNumber(parser, QStringLiteral("baud"), 1, MaxBaud, options.baud) ||
        !readFraming(parser, options.baud > 0, options.framing))
        return false;
    options.chunkSeed = static_cast<quint32>(seed);
    options.maxChunk = maxChunk;
    options.hangUpAfter = hangUp;
    return true;
}

void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QString::fromUtf8(Description));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("The folder served as the device's files."));
    parser.addOptions({
        {QStringLiteral("link"), QStringLiteral("Make a symbolic link to the port at PATH."), QStringLiteral("PATH")},
        {QStringLiteral("push"), QStringLiteral("The file Enter pushes for a Receive in WinOrba."),
         QStringLiteral("FILE")},
        {QStringLiteral("chunk-seed"),
         QStringLiteral("Cut everything sent into pieces of random size from seed N (0, the default: no cutting)."),
         QStringLiteral("N")},
        {QStringLiteral("max-chunk"), QStringLiteral("The largest piece when cutting (default 16)."),
         QStringLiteral("N")},
        {QStringLiteral("hang-up-after"),
         QStringLiteral("Hang the line up once N bytes have been sent, as an unplugged adapter does."),
         QStringLiteral("N")},
        {QStringLiteral("baud"),
         QStringLiteral("Pace both ways at the wire rate of RATE baud, handing bytes over a few at a time (default: "
                        "no pacing)."),
         QStringLiteral("RATE")},
        {QStringLiteral("data-bits"), QStringLiteral("Data bits of a character on the paced line, 5 to 8 (default 8)."),
         QStringLiteral("N")},
        {QStringLiteral("parity"),
         QStringLiteral("Parity of the paced line: None, Odd, Even, Mark or Space (default Even)."),
         QStringLiteral("PARITY")},
        {QStringLiteral("stop-bits"), QStringLiteral("Stop bits of the paced line: 1, 1.5 or 2 (default 1)."),
         QStringLiteral("N")},
        {QStringLiteral("trace"), QStringLiteral("Print every byte both ways.")},
    });
}

void reportEvents(DeviceSimulator &simulator, bool trace)
{
    QObject::connect(&simulator, &DeviceSimulator::programPortChanged, [](bool open) {
        print(open ? QStringLiteral("WinOrba opened the port.") : QStringLiteral("WinOrba closed the port."));
    });
    QObject::connect(&simulator, &DeviceSimulator::commandReceived,
                     [](const QByteArray &command) { print(QStringLiteral("<- ") + printable(command)); });
    QObject::connect(&simulator, &DeviceSimulator::fileStored,
                     [](const QString &path) { print(QStringLiteral("Stored %1").arg(path)); });
    QObject::connect(&simulator, &DeviceSimulator::notice, print);
    QObject::connect(&simulator, &DeviceSimulator::hungUp, qApp, &QCoreApplication::quit);
    if (trace) {
        QObject::connect(&simulator, &DeviceSimulator::wire,
                         [](DeviceSimulator::Direction direction, const QByteArray &bytes) {
                             const bool in = direction == DeviceSimulator::Direction::FromProgram;
                             print((in ? QStringLiteral("<<< ") : QStringLiteral(">>> ")) + printable(bytes));
                         });
    }
}

// Each line typed pushes a file: an empty line the --push file, else the path typed.
void pushOnEnter(DeviceSimulator &simulator, const QString &pushFile, QObject *owner)
{
    auto *input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, owner);
    auto *pending = new QByteArray;
    QObject::connect(input, &QObject::destroyed, [pending] { delete pending; });
    QObject::connect(input, &QSocketNotifier::activated, [&simulator, pushFile, input, pending] {
        char buffer[1024];
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            input->setEnabled(false);
            return;
        }
        pending->append(buffer, n);
        for (qsizetype end; (end = pending->indexOf('\n')) >= 0; pending->remove(0, end + 1)) {
            const QString typed = QString::fromLocal8Bit(pending->first(end)).trimmed();
            const QString file = typed.isEmpty() ? pushFile : typed;
            const QString error = file.isEmpty() ? QStringLiteral("No file to push: give --push FILE or type a path.")
                                                 : simulator.pushFile(file);
            if (!error.isEmpty())
                print(error);
        }
    });
}

void quitOnSignals(QObject *owner)
{
    if (pipe(g_signalPipe) != 0)
        return;
    auto *stop = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, owner);
    QObject::connect(stop, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGHUP, onSignal);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("winorba-devsim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WINORBA_VERSION));
    QCommandLineParser parser;
    addOptions(parser);
    parser.process(app);
    DeviceSimulator::Options options;
    if (!readOptions(parser, options))
        return 2;

    DeviceSimulator simulator(options);
    reportEvents(simulator, parser.isSet(QStringLiteral("trace")));
    if (const QString error = simulator.start(); !error.isEmpty()) {
        complain(error);
        return 1;
    }
    const QString port = options.linkPath.isEmpty() ? simulator.portPath() : options.linkPath;
    print(QStringLiteral("Serving %1 on %2").arg(options.folder, simulator.portPath()));
    if (options.baud > 0)
        print(QStringLiteral("Line paced at %1 baud, %2 bits a character: %3 characters a second.")
                  .arg(options.baud)
                  .arg(options.framing.halfBitsPerCharacter() / 2.0)
                  .arg(WireRate(options.baud, options.framing).charactersPerSecond(), 0, 'f', 0));
    print(portLine(port, simulator.portPath()));
    pushOnEnter(simulator, parser.value(QStringLiteral("push")), &app);
    quitOnSignals(&app);
    return app.exec();
}
