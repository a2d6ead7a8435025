#include "EngineTestSupport.h"

#include "engine/Errors.h"
#include "engine/FileIo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace quor3;

namespace
{

RebuildResult rebuild(const TempFolder& dir, RecordingStatus& status, const std::string& name = "ga.c3d")
{
    SequenceDigits digits;
    return rebuildStatistics(dir.path(), name, FirstPanels::TotalAndLastDate, status, digits);
}

std::vector<std::string> lines(const TempFolder& dir, const char* name)
{
    return readTextLines(dir / name);
}

// 15 draws whose digits come up S[d] times in all.
std::vector<Triple> drawsWithCounts(const std::array<int, 10>& s)
{
    std::vector<int> digits;
    for (int d = 0; d < 10; ++d)
        for (int k = 0; k < s[d]; ++k)
            digits.push_back(d);
    std::vector<Triple> t;
    for (std::size_t i = 0; i + 2 < digits.size(); i += 3)
        t.push_back({digits[i], digits[i + 1], digits[i + 2]});
    return t;
}

} // namespace

TEST(Ranking, TiesAreOrderedByTheExchangesNotByDigit)
{
    const Ranking r = rankDescending({4, 6, 4, 3, 5, 6, 2, 4, 7, 4});
    EXPECT_EQ(r.digits, (std::array<int, 10>{8, 1, 5, 4, 2, 7, 0, 9, 3, 6}));
    EXPECT_EQ(r.values, (DigitValues{7, 6, 6, 5, 4, 4, 4, 4, 3, 2}));
    EXPECT_EQ(rankDescending({3, 3, 5, 0, 0, 0, 0, 0, 0, 0}).digits,
              (std::array<int, 10>{2, 1, 0, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(rankDescending({}).digits, (std::array<int, 10>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(Rebuild, HotRankingDrivesHottestWarmChoicesAndStatus)
{
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf(drawsWithCounts({4, 6, 4, 3, 5, 6, 2, 4, 7, 4})));
    RecordingStatus status;
    rebuild(dir, status);
    EXPECT_EQ(lines(dir, "hottest.dat"), (std::vector<std::string>{"8", "1", "5", "4", "2"}));
    EXPECT_EQ(lines(dir, "warm.dat"), (std::vector<std::string>{"4", "2", "7", "0"}));
    EXPECT_EQ(lines(dir, "wm.dat"), (std::vector<std::string>{"4  2  7", "4  2  0", "4  7  0", "2  7  0"}));
    EXPECT_EQ(lines(dir, "hot.dat"), (std::vector<std::string>{"8  1  5", "8  1  4", "1  5  4", "8  5  4", "8  1  2"}));
    EXPECT_EQ(lines(dir, "cold.dat"),
              (std::vector<std::string>{"6  3  9", "6  3  0", "3  9  0", "6  9  0", "6  3  7"}));
    EXPECT_EQ(status.panels[0], "Total Draws: 15");
    EXPECT_EQ(status.panels[1], "Last Draw Date: 1/15/2002");
    EXPECT_EQ(status.panels[2], "Hottest Number: 8");
    EXPECT_EQ(status.panels[3], "Coldest Number: 6");
    EXPECT_EQ(status.order, (std::vector<int>{0, 1, 2, 3}));
    // Text files end every line with CR LF.
    EXPECT_EQ(readWholeFile(dir / "hottest.dat"), "8\r\n1\r\n5\r\n4\r\n2\r\n");
}

TEST(Rebuild, TraceWindowIsTheLastNinetyDraws)
{
    for (int n : {12, 90, 91, 731}) {
        TempFolder dir;
        const auto draws = drawsOf(variedTriples(n));
        writeDatabase(dir / "ga.c3d", draws);
        RecordingStatus status;
        rebuild(dir, status);
        const auto freq = readCountsFile(dir / "freq.dat");
        ASSERT_EQ(freq.size(), static_cast<std::size_t>(std::min(n, 90))) << n;
        const std::size_t first = n > 90 ? static_cast<std::size_t>(n - 90) : 0;
        for (std::size_t r = 0; r < freq.size(); ++r) {
            DigitCounts expected{};
            const auto& d = draws[first + r];
            ++expected[d.Digit1];
            ++expected[d.Digit2];
            ++expected[d.Digit3];
            ASSERT_EQ(freq[r], expected) << "n=" << n << " record " << r;
        }
    }
}

TEST(Rebuild, FixedSizeFilesWhateverTheDrawCount)
{
    for (int n : {1, 12, 731}) {
        TempFolder dir;
        writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(n)));
        RecordingStatus status;
        rebuild(dir, status);
        const auto order = readCountsFile(dir / "order.dat");
        ASSERT_EQ(order.size(), 3u);
        for (const auto& position : order) {
            int sum = 0;
            for (int v : position)
                sum += v;
            EXPECT_EQ(sum, n);
        }
        EXPECT_EQ(readCountsFile(dir / "pair.dat").size(), 10u);
        EXPECT_EQ(readRatiosFile(dir / "repeat.dat").size(), 1u);
        EXPECT_EQ(lines(dir, "ordinal.dat").size(), 12u);
        EXPECT_EQ(lines(dir, "hottest.dat").size(), 5u);
        EXPECT_EQ(lines(dir, "warm.dat").size(), 4u);
        EXPECT_EQ(lines(dir, "pr.dat").size(), 4u);
        EXPECT_EQ(lines(dir, "repeats.dat").size(), 5u);
    }
}

TEST(Rebuild, PairTableHalvesItsDiagonal)
{
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf({{3, 3, 5}}));
    RecordingStatus status;
    rebuild(dir, status);
    auto pair = readCountsFile(dir / "pair.dat");
    EXPECT_EQ(pair[3][3], 1);
    EXPECT_EQ(pair[3][5], 2);
    EXPECT_EQ(pair[5][3], 2);

    writeDatabase(dir / "ga.c3d", drawsOf({{3, 3, 3}}));
    rebuild(dir, status);
    pair = readCountsFile(dir / "pair.dat");
    EXPECT_EQ(pair[3][3], 3);
    int total = 0;
    for (const auto& row : pair)
        for (int v : row)
            total += v;
    EXPECT_EQ(total, 3);
}

TEST(Rebuild, RepeatRatiosLookAtTheFollowingDraw)
{
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 2, 3}, {3, 4, 5}}));
    RecordingStatus status;
    const auto result = rebuild(dir, status);
    const auto ratios = readRatiosFile(dir / "repeat.dat").at(0);
    EXPECT_EQ(ratios[3], 1.0f);
    EXPECT_EQ(ratios[1], 0.0f);
    EXPECT_EQ(ratios[2], 0.0f);
    EXPECT_EQ(ratios[4], 0.0f); // the last draw is not examined
    EXPECT_EQ(result.totalDraws, 2);
}

TEST(Rebuild, OneDrawGivesZeroRepeatsAndTheRankingOfThatDraw)
{
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf({{7, 2, 7}}));
    RecordingStatus status;
    rebuild(dir, status);
    EXPECT_EQ(readCountsFile(dir / "freq.dat").size(), 1u);
    // The exchanges move digit 1 ahead of 0.
    EXPECT_EQ(lines(dir, "hottest.dat"), (std::vector<std::string>{"7", "2", "1", "3", "4"}));
    EXPECT_EQ(lines(dir, "repeats.dat"),
              (std::vector<std::string>{"0  1  2", "0  1  3", "1  2  3", "0  2  3", "0  1  4"}));
}

TEST(Rebuild, OddEvenChoicesTakeTheWinningParityAndTheHottestDigits)
{
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 3, 5}, {7, 9, 2}}));
    RecordingStatus status;
    rebuild(dir, status);
    auto hottest = lines(dir, "hottest.dat");
    auto oddEven = lines(dir, "oddeven.dat");
    ASSERT_EQ(oddEven.size(), 5u);
    for (int k = 0; k < 5; ++k) {
        ASSERT_EQ(oddEven[k].size(), 7u);
        EXPECT_EQ((oddEven[k][0] - '0') % 2, 1) << oddEven[k];
        EXPECT_EQ((oddEven[k][3] - '0') % 2, 1) << oddEven[k];
        EXPECT_EQ(oddEven[k].substr(1, 2), "  ");
        EXPECT_EQ(oddEven[k].substr(6), hottest[k]);
    }
    // A tie goes to even, 0 included.
    writeDatabase(dir / "ga.c3d", drawsOf({{1, 3, 5}, {0, 2, 4}}));
    rebuild(dir, status);
    for (const auto& line : lines(dir, "oddeven.dat")) {
        EXPECT_EQ((line[0] - '0') % 2, 0) << line;
        EXPECT_EQ((line[3] - '0') % 2, 0) << line;
    }
}

TEST(Rebuild, OrdinalListRanksEachPosition)
{
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf({{3, 0, 7}, {3, 1, 7}, {2, 1, 7}}));
    RecordingStatus status;
    rebuild(dir, status);
    EXPECT_EQ(lines(dir, "ordinal.dat"),
              (std::vector<std::string>{"3", "2", "1", "0", "1", "0", "2", "3", "7", "1", "2", "3"}));
    // Rebuilding again never grows the list.
    rebuild(dir, status);
    EXPECT_EQ(lines(dir, "ordinal.dat").size(), 12u);
}

TEST(Choices, PairsLineOfAWarmDigit)
{
    // H[3] to H[6] are the warm digits.
    PairTable table{};
    EXPECT_EQ(pairsChoices({0, 1, 2, 7, 3, 4, 5, 6, 8, 9}, table).front().text(), "0  1  7");
    table[5] = {0, 0, 4, 0, 0, 9, 0, 0, 0, 0};
    EXPECT_EQ(pairsChoices({0, 1, 2, 5, 3, 4, 7, 6, 8, 9}, table).front().text(), "5  2  5");
}

TEST(Choices, RepeatPercentagesRoundHalvesToEven)
{
    EXPECT_EQ(repeatPercentage(0.125f), 12);
    EXPECT_EQ(repeatPercentage(0.375f), 38);
    EXPECT_EQ(repeatPercentage(1.0f), 100);
    EXPECT_EQ(repeatPercentage(std::numeric_limits<float>::quiet_NaN()), 0);
}

TEST(Choices, OrdinalRowsTakeTheFirstCharacterOfEachLine)
{
    const std::vector<std::string> lines = {"1", "2", "3", "4", "5x", "6", "7", "8", "9", "0", "1", "2"};
    EXPECT_EQ(ordinalRows(lines), (std::vector<std::string>{"1  5  9", "2  6  0", "3  7  1", "4  8  2", "1  6  1"}));
    EXPECT_EQ(ordinalRows({}).front(), "    ");
}

TEST(openDatabase, MissingFileShowsBareLabelsAndTouchesNothing)
{
    TempFolder dir;
    writeWholeFile(dir / "hot.dat", "old");
    RecordingStatus status;
    SequenceDigits digits;
    EXPECT_FALSE(openDatabase(dir.path(), "new.c3d", status, digits));
    EXPECT_EQ(status.panels[0], "Total Draws: 0");
    EXPECT_EQ(status.panels[1], "Last Draw Date: ");
    EXPECT_EQ(status.panels[2], "Hottest Number: ");
    EXPECT_EQ(status.panels[3], "Coldest Number: ");
    EXPECT_EQ(readWholeFile(dir / "hot.dat"), "old");
    EXPECT_FALSE(fileExists(dir / "freq.dat"));
    EXPECT_FALSE(fileExists(dir / "new.c3d"));
}

TEST(openDatabase, NamesAreCutToTwentyFiveCharacters)
{
    EXPECT_EQ(databaseNameFor("/x/abcdefghijklmnopqrstuvwxyz1234.c3d"), "abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(databaseNameFor("/x/ga.c3d"), "ga.c3d");
    // Characters, not bytes.
    EXPECT_EQ(databaseNameFor("/x/" + std::string(30, 'a') + "\xC3\xA9"), std::string(25, 'a'));
    EXPECT_EQ(databaseNameFor("/x/" + std::string(24, 'a') + "\xC3\xA9zz"), std::string(24, 'a') + "\xC3\xA9");
}

TEST(BadInput, EmptyDatabaseFailsAfterEmptyingFreqOnly)
{
    TempFolder dir;
    writeWholeFile(dir / "ga.c3d", "");
    writeWholeFile(dir / "freq.dat", "old freq");
    writeWholeFile(dir / "hot.dat", "old hot");
    RecordingStatus status;
    try {
        rebuild(dir, status);
        FAIL() << "an empty database must not rebuild";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), Error::Kind::InputOutput);
        EXPECT_NE(std::string(e.what()).find("ga.c3d"), std::string::npos) << e.what();
    }
    EXPECT_EQ(status.panels[0], "Total Draws: 0");
    EXPECT_EQ(status.panels.count(1), 0u);
    EXPECT_EQ(readWholeFile(dir / "freq.dat"), "");
    EXPECT_EQ(readWholeFile(dir / "hot.dat"), "old hot");
}

TEST(BadInput, PartialTailAndStrayDigitsAreIgnored)
{
    TempFolder dir;
    auto draws = drawsOf({{1, 2, 3}, {-1, 12, 5}, {2147483647, -2147483647 - 1, 9}});
    std::string bytes = encodeDraws(draws) + std::string(23, '\x7f');
    writeWholeFile(dir / "ga.c3d", bytes);
    RecordingStatus status;
    rebuild(dir, status);
    EXPECT_EQ(status.panels[0], "Total Draws: 3");
    int counted = 0;
    for (const auto& record : readCountsFile(dir / "freq.dat"))
        for (int v : record)
            counted += v;
    EXPECT_EQ(counted, 5); // 1, 2, 3, 5, 9
    int positions = 0;
    for (const auto& record : readCountsFile(dir / "order.dat"))
        for (int v : record)
            positions += v;
    EXPECT_EQ(positions, 5);
}

TEST(BadInput, ImpossibleDayNumbersShowASafeDate)
{
    TempFolder dir;
    for (double day : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity(), 1e300, -1e300}) {
        auto draws = drawsOf({{1, 2, 3}});
        draws[0].DrawDate = day;
        writeDatabase(dir / "ga.c3d", draws);
        RecordingStatus status;
        rebuild(dir, status);
        EXPECT_EQ(status.panels[1], "Last Draw Date: 0/0/0");
        EXPECT_EQ(entryLine(draws[0]), "0/0/0 :        1   2   3");
    }
}

TEST(BadInput, MoreThanCapacityIsAnalysedWhole)
{
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(1000)));
    RecordingStatus status;
    const auto result = rebuild(dir, status);
    EXPECT_EQ(status.panels[0], "Total Draws: 1000");
    EXPECT_EQ(result.totalDraws, 1000);
    EXPECT_EQ(readCountsFile(dir / "freq.dat").size(), 90u);
    const auto order = readCountsFile(dir / "order.dat");
    int first = 0;
    for (int v : order[0])
        first += v;
    EXPECT_EQ(first, 1000);
}

TEST(BadInput, UnwritableFolderIsAClearError)
{
    RecordingStatus status;
    SequenceDigits digits;
    try {
        rebuildStatistics("/nonexistent-quor3-folder", "ga.c3d", FirstPanels::TotalAndLastDate, status, digits);
        FAIL();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("\"ga.c3d\""), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("No such file"), std::string::npos) << e.what();
    }
}

TEST(Rebuild, PanelsFollowTheCallersChoice)
{
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf(variedTriples(5)));
    SequenceDigits digits;
    RecordingStatus none;
    rebuildStatistics(dir.path(), "ga.c3d", FirstPanels::None, none, digits);
    EXPECT_EQ(none.order, (std::vector<int>{2, 3}));
    RecordingStatus corrected;
    rebuildStatistics(dir.path(), "ga.c3d", FirstPanels::LastDateOnly, corrected, digits);
    EXPECT_EQ(corrected.order, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(corrected.panels[1], "Last Draw Date: 1/5/2002");
}

TEST(Rebuild, TheFilesAreMadeInMemoryAndWrittenAsMade)
{
    // Short and long histories, stray digits here and there, and a torn last
    // record: the rebuild reads the file itself and counts on its own path.
    for (int n : {200, 4096, 4097, 9001}) {
        SCOPED_TRACE(n);
        TempFolder dir;
        auto draws = drawsOf(variedTriples(n));
        for (int at : {0, 4095, 4096, n - 1})
            if (at < n)
                draws[static_cast<std::size_t>(at)].Digit2 = at % 2 ? 12 : -3;
        writeDatabase(dir / "ga.c3d", draws);
        if (n == 4097)
            appendToFile(dir / "ga.c3d", std::string(7, '\x05'));
        SequenceDigits memoryDigits, fileDigits;
        const RebuildOutput made = computeDerivedFiles(draws, memoryDigits);
        EXPECT_FALSE(fileExists(dir / "freq.dat"));
        RecordingStatus status;
        const RebuildResult result =
            rebuildStatistics(dir.path(), "ga.c3d", FirstPanels::TotalAndLastDate, status, fileDigits);
        const std::vector<std::string> order = {"freq.dat", "hottest.dat", "warm.dat",   "wm.dat",      "hot.dat",
                                                "cold.dat", "oddeven.dat", "order.dat",  "ordinal.dat", "pair.dat",
                                                "pr.dat",   "repeat.dat",  "repeats.dat"};
        ASSERT_EQ(made.files.size(), order.size());
        for (std::size_t k = 0; k < order.size(); ++k) {
            EXPECT_EQ(made.files[k].name, order[k]);
            EXPECT_EQ(made.files[k].bytes, readWholeFile(dir / order[k])) << order[k];
        }
        EXPECT_EQ(made.hotRanking, result.hotRanking);
        EXPECT_EQ(status.panels[2], "Hottest Number: " + std::to_string(made.hotRanking[0]));
        EXPECT_EQ(status.panels[3], "Coldest Number: " + std::to_string(made.hotRanking[9]));
        EXPECT_EQ(result.totalDraws, n);
    }
}
