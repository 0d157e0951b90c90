#include "devsim/LineFraming.h"
#include "devsim/PieceSchedule.h"
#include "devsim/ReadPace.h"
#include "devsim/WireRate.h"

#include <gtest/gtest.h>

#include <numeric>

namespace
{

constexpr qint64 Ms = 1'000'000;

// At 11000 baud an 11-bit character takes exactly a millisecond.
const WireRate MillisecondLine(11000, LineFraming{});

struct HandOver {
    qint64 at;
    qsizetype size;
    bool operator==(const HandOver &other) const = default;
    friend void PrintTo(const HandOver &h, std::ostream *out) { *out << h.size << " at " << h.at; }
};

// Hands over everything waiting, each piece at the moment it falls due, as the simulator's timer does.
std::vector<HandOver> handOverAll(PieceSchedule &schedule, qint64 &now, qsizetype waiting,
                                  qsizetype limit = std::numeric_limits<qsizetype>::max())
{
    std::vector<HandOver> pieces;
    while (waiting > 0 && limit > 0) {
        const PieceSchedule::Piece piece = schedule.next(now, waiting, limit);
        now += piece.dueIn;
        if (piece.dueIn > 0)
            continue;
        pieces.push_back({now, piece.size});
        schedule.handed(now, piece.size);
        waiting -= piece.size;
        limit -= piece.size;
    }
    return pieces;
}

std::vector<qsizetype> sizes(const std::vector<HandOver> &pieces)
{
    std::vector<qsizetype> result;
    for (const HandOver &piece : pieces)
        result.push_back(piece.size);
    return result;
}

} // namespace

TEST(WireRate, CountsEveryBitOfTheFraming)
{
    const WireRate programDefault(4800, LineFraming{});
    EXPECT_NEAR(programDefault.charactersPerSecond(), 436.36, 0.01);
    EXPECT_EQ(programDefault.charactersIn(1'000'000'000), 436);
    EXPECT_EQ(programDefault.nanosecondsFor(1), 2'291'667);
    using F = LineFraming;
    EXPECT_EQ(WireRate(9600, F{7, F::Parity::None, F::StopBits::Two}).charactersPerSecond(), 960);
    EXPECT_EQ(WireRate(10500, F{8, F::Parity::None, F::StopBits::OneAndHalf}).charactersPerSecond(), 1000);
    EXPECT_EQ(WireRate(8000, F{5, F::Parity::Mark, F::StopBits::One}).charactersPerSecond(), 1000);
    // Times round up and counts down, so the count in the time of n characters is n, even for long sessions.
    const WireRate fast(256000, LineFraming{});
    for (const qint64 n : {qint64(1), qint64(7), qint64(23'273), qint64(10'000'000'000)}) {
        EXPECT_EQ(fast.charactersIn(fast.nanosecondsFor(n)), n);
        EXPECT_EQ(fast.charactersIn(fast.nanosecondsFor(n) - 1), n - 1);
    }
}

TEST(LineFraming, TakesThePortSettingsTexts)
{
    EXPECT_EQ(LineFraming::parityNamed(u"Even"), LineFraming::Parity::Even);
    EXPECT_EQ(LineFraming::parityNamed(u"space"), LineFraming::Parity::Space);
    EXPECT_EQ(LineFraming::parityNamed(u"NONE"), LineFraming::Parity::None);
    EXPECT_EQ(LineFraming::parityNamed(u"e"), std::nullopt);
    EXPECT_EQ(LineFraming::stopBitsNamed(u"1.5"), LineFraming::StopBits::OneAndHalf);
    EXPECT_EQ(LineFraming::stopBitsNamed(u"2"), LineFraming::StopBits::Two);
    EXPECT_EQ(LineFraming::stopBitsNamed(u"1,5"), std::nullopt);
    EXPECT_EQ(LineFraming{}.halfBitsPerCharacter(), 22);
}

TEST(PieceSchedule, APacedLineHandsOverFifoLoadsAsTheyCrossAndTheRestAfterSilence)
{
    PieceSchedule schedule(MillisecondLine, ChunkCutter(0, 16));
    qint64 now = 5 * Ms;
    schedule.queued(now, 0);
    EXPECT_EQ(handOverAll(schedule, now, 20), (std::vector<HandOver>{{13 * Ms, 8}, {21 * Ms, 8}, {(25 + 4) * Ms, 4}}));

    // Bytes that come to an idle wire begin to cross when they come.
    now = 100 * Ms;
    schedule.queued(now, 0);
    EXPECT_EQ(handOverAll(schedule, now, 8), (std::vector<HandOver>{{108 * Ms, 8}}));
}

TEST(PieceSchedule, BytesSentWhileOthersCrossFollowThemBackToBack)
{
    PieceSchedule schedule(MillisecondLine, ChunkCutter(0, 16));
    schedule.queued(0, 0);
    EXPECT_EQ(schedule.next(0, 3).dueIn, 7 * Ms);
    // Three bytes are still crossing: five more follow them, and the piece is full at 8 ms.
    schedule.queued(2 * Ms, 3);
    EXPECT_EQ(schedule.next(2 * Ms, 8).dueIn, 6 * Ms);
    // Three bytes crossed and waited for silence: five more cross from now on.
    PieceSchedule waiting(MillisecondLine, ChunkCutter(0, 16));
    waiting.queued(0, 0);
    waiting.queued(5 * Ms, 3);
    EXPECT_EQ(waiting.next(5 * Ms, 8), (PieceSchedule::Piece{8, 5 * Ms}));
}

TEST(PieceSchedule, APacedLineCutsAsTheSeedSaysAndStopsAtTheHangUp)
{
    const std::vector<qsizetype> cut = [] {
        ChunkCutter cutter(7, 5);
        std::vector<qsizetype> result;
        for (qsizetype left = 60; left > 0; left -= result.back())
            result.push_back(cutter.next(left));
        return result;
    }();
    PieceSchedule schedule(MillisecondLine, ChunkCutter(7, 5));
    qint64 now = 0;
    schedule.queued(now, 0);
    const std::vector<HandOver> pieces = handOverAll(schedule, now, 60);
    EXPECT_EQ(sizes(pieces), cut);
    qsizetype crossed = 0;
    for (size_t i = 0; i + 1 < pieces.size(); ++i) {
        crossed += pieces[i].size;
        EXPECT_EQ(pieces[i].at, crossed * Ms) << i;
    }
    EXPECT_GE(pieces.back().at, 60 * Ms);

    // A piece that the hang-up cuts short does not wait for silence.
    PieceSchedule limited(MillisecondLine, ChunkCutter(0, 16));
    now = 0;
    limited.queued(now, 0);
    EXPECT_EQ(handOverAll(limited, now, 20, 11), (std::vector<HandOver>{{8 * Ms, 8}, {11 * Ms, 3}}));
}

TEST(PieceSchedule, WithoutPacingEverythingGoesAtOnceOrCutAMillisecondApart)
{
    PieceSchedule whole(std::nullopt, ChunkCutter(0, 16));
    qint64 now = 0;
    EXPECT_EQ(handOverAll(whole, now, 5000), (std::vector<HandOver>{{0, 5000}}));

    PieceSchedule cut(std::nullopt, ChunkCutter(3, 4));
    now = 0;
    const std::vector<HandOver> pieces = handOverAll(cut, now, 40);
    ChunkCutter sameSeed(3, 4);
    qsizetype left = 40;
    for (size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_EQ(pieces[i], (HandOver{qint64(i) * Ms, sameSeed.next(left)}));
        left -= pieces[i].size;
    }
    EXPECT_EQ(left, 0);
}

TEST(ReadPace, ReadsNoFasterThanTheWireCarries)
{
    ReadPace unpaced(std::nullopt);
    EXPECT_EQ(unpaced.allowance(0), std::numeric_limits<qint64>::max());

    ReadPace pace(MillisecondLine);
    // The first byte of a run counts as crossed when it is found; one more each millisecond.
    EXPECT_EQ(pace.allowance(10 * Ms), 1);
    pace.read(1, false);
    EXPECT_EQ(pace.allowance(10 * Ms + Ms / 2), 0);
    EXPECT_EQ(pace.nextAt(), 11 * Ms);
    EXPECT_EQ(pace.allowance(15 * Ms), 5);
    // Three were there: the program had written no more.
    pace.read(3, true);
    // A new run cannot start before the byte after the last one read could have crossed.
    EXPECT_EQ(pace.allowance(13 * Ms + Ms / 2), 0);
    EXPECT_EQ(pace.nextAt(), 14 * Ms);
    EXPECT_EQ(pace.allowance(16 * Ms), 3);
}
