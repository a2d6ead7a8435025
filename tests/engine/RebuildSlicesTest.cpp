// The edges of the rebuild's slices and positions, each at several sizes and
// places: the draw just outside the hot span and the one just inside it, a
// repeat in every position of the following draw.

#include "EngineTestSupport.h"

#include "engine/FileIo.h"

#include <gtest/gtest.h>

using namespace quor3;

namespace
{

RebuildResult rebuild(const TempFolder& dir, RecordingStatus& status)
{
    SequenceDigits digits;
    return rebuildStatistics(dir.path(), "ga.c3d", FirstPanels::TotalAndLastDate, status, digits);
}

} // namespace

TEST(HotSpan, OnlyTheLastFifteenDrawsCount)
{
    // 0, 1 and 2 lead everywhere; the 16th draw from the end (9-9-9) must not
    // count and the 15th (8-8-8) must, so the fourth and fifth hottest digits
    // tell a span of 14 or 16 from one of 15.
    for (int n : {16, 17, 30, 91, 106, 731}) {
        std::vector<Triple> triples(static_cast<std::size_t>(n), Triple{0, 1, 2});
        triples[static_cast<std::size_t>(n - 16)] = {9, 9, 9};
        triples[static_cast<std::size_t>(n - 15)] = {8, 8, 8};
        TempFolder dir;
        writeDatabase(dir / "ga.c3d", drawsOf(triples));
        RecordingStatus status;
        const auto result = rebuild(dir, status);
        EXPECT_EQ(readTextLines(dir / "hottest.dat"), (std::vector<std::string>{"0", "1", "2", "8", "4"})) << n;
        EXPECT_EQ(result.hotRanking[3], 8) << n;
        EXPECT_EQ(result.hotRanking[9], 9) << n;
        EXPECT_EQ(status.panels[3], "Coldest Number: 9") << n;
    }
}

TEST(HotSpan, FewerThanFifteenDrawsAllCount)
{
    for (int n : {1, 5, 14, 15}) {
        std::vector<Triple> triples(static_cast<std::size_t>(n), Triple{0, 1, 2});
        triples.front() = {7, 7, 7}; // the oldest draw still counts
        TempFolder dir;
        writeDatabase(dir / "ga.c3d", drawsOf(triples));
        RecordingStatus status;
        rebuild(dir, status);
        const auto hottest = readTextLines(dir / "hottest.dat");
        ASSERT_EQ(hottest.size(), 5u);
        EXPECT_EQ(hottest[n == 1 ? 0 : 3], "7") << n;
    }
}

TEST(Repeats, ARepeatInAnyPositionOfTheNextDrawCounts)
{
    // Digit 4 in position p of one draw and position q of the next; the other
    // digits never come up twice.
    for (int p = 0; p < 3; ++p)
        for (int q = 0; q < 3; ++q) {
            int first[3] = {0, 1, 2};
            int next[3] = {5, 6, 7};
            first[p] = 4;
            next[q] = 4;
            TempFolder dir;
            writeDatabase(dir / "ga.c3d", drawsOf({{first[0], first[1], first[2]}, {next[0], next[1], next[2]}}));
            RecordingStatus status;
            rebuild(dir, status);
            const auto ratios = readRatiosFile(dir / "repeat.dat");
            ASSERT_EQ(ratios.size(), 1u);
            for (int d = 0; d < 10; ++d)
                EXPECT_EQ(ratios[0][d], d == 4 ? 1.0f : 0.0f) << "digit " << d << ", positions " << p << q;
        }
}

TEST(Repeats, EachPositionOfADrawIsATrialOfItsOwn)
{
    // The two 6s of 6-6-1 both come up again in 6-0-0, the 6 of 6-0-0 not in
    // 2-2-2: three trials, two repeats. All three 2s of 2-2-2 are in 1-6-2.
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf({{6, 6, 1}, {6, 0, 0}, {2, 2, 2}, {1, 6, 2}}));
    RecordingStatus status;
    rebuild(dir, status);
    const auto ratios = readRatiosFile(dir / "repeat.dat").at(0);
    EXPECT_EQ(ratios[6], 2.0f / 3.0f);
    EXPECT_EQ(ratios[2], 1.0f);
    EXPECT_EQ(ratios[0], 0.0f);
    EXPECT_EQ(ratios[1], 0.0f); // the 1 of the last draw is never examined
}
