#include "devsim/DeviceSimulator.h"
#include "devsim/WireRate.h"
#include "support/TestFiles.h"
#include "tools/ProgramPort.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// The simulator on a paced line, measured on the event loop as the program
// meets it. A fast rate keeps each test well under a second; the bounds are
// what pacing guarantees (never ahead of the wire) and a generous allowance
// for a loaded machine the other way.
namespace
{

constexpr qint64 Baud = 38400;
const WireRate Line(Baud, LineFraming{});
constexpr int WaitMs = 10'000;

QByteArray numberedLines(int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += QByteArray("SDW ") + QByteArray::number(i).rightJustified(5) + "  1 C41\r\n";
    return text;
}

// Each piece that went one way: when, counted on a clock started before the
// test gave the simulator anything to carry, and how much had gone by then.
struct Piece {
    qint64 at;
    qsizetype size;
    qsizetype total;
};

class WireLog
{
public:
    WireLog(DeviceSimulator &simulator, DeviceSimulator::Direction direction)
    {
        QObject::connect(&simulator, &DeviceSimulator::wire,
                         [this, direction](DeviceSimulator::Direction d, const QByteArray &bytes) {
                             if (d != direction)
                                 return;
                             m_total += bytes.size();
                             m_pieces.push_back({m_clock.nsecsElapsed(), bytes.size(), m_total});
                         });
        m_clock.start();
    }

    qint64 elapsed() const { return m_clock.nsecsElapsed(); }
    const std::vector<Piece> &pieces() const { return m_pieces; }
    std::vector<qsizetype> sizes() const
    {
        std::vector<qsizetype> sizes;
        for (const Piece &piece : m_pieces)
            sizes.push_back(piece.size);
        return sizes;
    }
    // Pieces that went before the wire could have carried them.
    int early(qint64 crossedAtStart) const
    {
        return int(std::count_if(m_pieces.begin(), m_pieces.end(), [&](const Piece &piece) {
            return piece.total > Line.charactersIn(piece.at) + crossedAtStart;
        }));
    }

private:
    QElapsedTimer m_clock;
    qsizetype m_total = 0;
    std::vector<Piece> m_pieces;
};

void expectWireTime(qint64 took, qsizetype bytes)
{
    const qint64 wireTime = Line.nanosecondsFor(bytes);
    EXPECT_GE(took, wireTime * 9 / 10);
    EXPECT_LT(took, 3 * wireTime + 2'000'000'000);
}

struct Pushed {
    std::vector<qsizetype> sizes;
    qint64 took;
};

// Pushes text to the program's port and reads it there.
Pushed push(const QByteArray &text, DeviceSimulator::Options options)
{
    QTemporaryDir folder;
    TestFiles::write(folder.filePath("pushed.txt"), text);
    options.folder = folder.path();
    DeviceSimulator simulator(options);
    EXPECT_EQ(simulator.start(), QString());
    ProgramPort port(simulator.portPath());
    WireLog log(simulator, DeviceSimulator::Direction::ToProgram);
    EXPECT_EQ(simulator.pushFile(folder.filePath("pushed.txt")), QString());
    EXPECT_EQ(port.readUntil(text.last(24), WaitMs), text);
    const qint64 took = log.elapsed();
    if (options.baud > 0) {
        EXPECT_EQ(log.early(0), 0);
    }
    return {log.sizes(), took};
}

} // namespace

TEST(PacedSimulator, SendsAtTheWireRateAFifoLoadAtATime)
{
    const QByteArray text = numberedLines(120);
    const Pushed pushed = push(text, {.baud = Baud});
    expectWireTime(pushed.took, text.size());
    EXPECT_EQ(pushed.sizes, std::vector<qsizetype>(text.size() / 8, 8));
}

TEST(PacedSimulator, ASeedCutsAPacedLineAsItCutsAnyOther)
{
    const QByteArray text = numberedLines(20);
    const Pushed paced = push(text, {.chunkSeed = 7, .maxChunk = 5, .baud = Baud});
    expectWireTime(paced.took, text.size());
    EXPECT_EQ(paced.sizes, push(text, {.chunkSeed = 7, .maxChunk = 5}).sizes);
}

TEST(PacedSimulator, ReadsWhatTheProgramWritesNoFasterThanTheWire)
{
    QTemporaryDir folder;
    DeviceSimulator simulator({.folder = folder.path(), .baud = Baud});
    ASSERT_EQ(simulator.start(), QString());
    QSignalSpy stored(&simulator, &DeviceSimulator::fileStored);
    ProgramPort port(simulator.portPath());
    const QByteArray file = "SFA $07.12.26 15:12:03$\r\n" + numberedLines(120) + "SFE\r\n";
    WireLog log(simulator, DeviceSimulator::Direction::FromProgram);
    // The whole file goes in one write: the line takes it, and the device reads it as it crosses.
    port.write(file);
    ASSERT_TRUE(QTest::qWaitFor([&] { return stored.size() == 1; }, WaitMs));
    expectWireTime(log.elapsed(), file.size());
    // The first byte counts as crossed when the simulator finds it.
    EXPECT_EQ(log.early(1), 0);
    EXPECT_GT(log.pieces().size(), 20u);
    EXPECT_EQ(TestFiles::read(stored.at(0).at(0).toString()), file);
}
