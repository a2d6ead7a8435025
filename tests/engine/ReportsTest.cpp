#include "engine/Reports.h"
#include "engine/Dates.h"
#include "engine/Search.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace quor3;

namespace
{

DrawRecord draw(int d1, int d2, int d3, int day = 1)
{
    DrawRecord r;
    r.DrawDate = encodeDate(2002, 1, day);
    r.Digit1 = d1;
    r.Digit2 = d2;
    r.Digit3 = d3;
    return r;
}

DigitCounts freqOf(int d1, int d2, int d3)
{
    DigitCounts c{};
    ++c[static_cast<std::size_t>(d1)];
    ++c[static_cast<std::size_t>(d2)];
    ++c[static_cast<std::size_t>(d3)];
    return c;
}

std::vector<std::string> digitsOf(const std::vector<DrawRecord>& draws, const std::vector<std::size_t>& found)
{
    std::vector<std::string> out;
    for (auto i : found)
        out.push_back(std::to_string(draws[i].Digit1) + std::to_string(draws[i].Digit2) +
                      std::to_string(draws[i].Digit3));
    return out;
}

using Texts = std::vector<std::string>;

} // namespace

TEST(ReportCells, NumbersAreCutToThreeCharacters)
{
    EXPECT_EQ(cellText(0), "0");
    EXPECT_EQ(cellText(731), "731");
    EXPECT_EQ(cellText(2193), "219");
    EXPECT_EQ(cellText(-45), "-45");
    EXPECT_EQ(cellText(-450), "-45");
}

TEST(Totals, OneDrawWithARepeatedDigit)
{
    const auto counts = totalDigitCounts({draw(3, 3, 7)});
    TextGrid grid(10, 2);
    fillTotalsGrid(grid, counts);
    for (int d = 0; d < 10; ++d) {
        EXPECT_EQ(grid.at(d, 0), std::to_string(d));
        EXPECT_EQ(grid.at(d, 1), d == 3 ? "2" : d == 7 ? "1" : "0") << d;
    }
}

TEST(Totals, CountsAddUpToThreePerDrawAndSkipStrayValues)
{
    std::vector<DrawRecord> draws;
    for (int i = 0; i < 50; ++i)
        draws.push_back(draw(i % 10, (i * 3) % 10, (i * 7 + 1) % 10));
    auto counts = totalDigitCounts(draws);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 150);

    draws.push_back(draw(10, -1, 4));
    counts = totalDigitCounts(draws);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 151);
}

TEST(Totals, HeadingsAreWrittenOnceAndCountsReplaced)
{
    TextGrid grid(10, 2);
    grid.at(4, 0) = "x"; // a heading already there stays
    fillTotalsGrid(grid, totalDigitCounts({draw(1, 2, 3)}));
    fillTotalsGrid(grid, totalDigitCounts({draw(4, 4, 4)}));
    EXPECT_EQ(grid.at(4, 0), "x");
    EXPECT_EQ(grid.at(5, 0), "5");
    EXPECT_EQ(grid.at(1, 1), "0");
    EXPECT_EQ(grid.at(4, 1), "3");
}

TEST(Display, NewestFirstAndDatePiecesOfEightAndTenCharacters)
{
    DrawRecord late = draw(1, 2, 3);
    late.DrawDate = encodeDate(2001, 12, 25);
    const auto lines = displayLines({draw(3, 0, 7), draw(9, 9, 9, 2), late});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "12/25/2001 :        1   2   3");
    EXPECT_EQ(lines[1], "1/2/2002 :        9   9   9");
    EXPECT_EQ(lines[2], "1/1/2002 :        3   0   7");
    EXPECT_EQ(lines[2].size(), 27u);
    EXPECT_TRUE(displayLines({}).empty());
}

TEST(SkipTrace, CaretsForDigitsNotDrawn)
{
    const auto lines = frequentLines({freqOf(3, 0, 7), freqOf(3, 3, 1)});
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "1 ^ ");
    EXPECT_EQ(lines[3], "1 2 ");
    EXPECT_EQ(lines[5], "^ ^ ");
    EXPECT_EQ(lines[1], "^ 1 ");
}

TEST(SkipTrace, TripleDigitAndColumnSums)
{
    std::vector<DigitCounts> records;
    for (int i = 0; i < 90; ++i)
        records.push_back(freqOf(i % 10, (i / 10) % 10, (i * 7) % 10));
    records[40] = freqOf(4, 4, 4);
    const auto lines = frequentLines(records);
    for (const auto& line : lines)
        EXPECT_EQ(line.size(), 180u);
    for (int d = 0; d < 10; ++d)
        EXPECT_EQ(lines[d].substr(80, 2), d == 4 ? "3 " : "^ ");
    for (std::size_t column = 0; column < 90; ++column) {
        int sum = 0;
        for (const auto& line : lines)
            sum += line[column * 2] == '^' ? 0 : line[column * 2] - '0';
        EXPECT_EQ(sum, 3) << column;
    }
}

TEST(SkipTrace, NoRecordsGivesTenEmptyLines)
{
    EXPECT_EQ(frequentLines({}), Texts(10));
    EXPECT_EQ(traceMark(12345), "123");
}

TEST(Pairs, FreshGridTakesHeadingsAndValues)
{
    std::vector<DigitCounts> table(10);
    for (int r = 0; r < 10; ++r)
        for (int k = 0; k < 10; ++k)
            table[r][k] = r * 10 + k + (r == 9 && k == 9 ? 1000 : 0);
    TextGrid grid(11, 11);
    fillPairsGrid(grid, table);
    EXPECT_EQ(grid.at(0, 0), "");
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(grid.at(i, 0), std::to_string(i - 1));
        EXPECT_EQ(grid.at(0, i), std::to_string(i - 1));
    }
    EXPECT_EQ(grid.at(3, 2), "12"); // record 1, field 2
    EXPECT_EQ(grid.at(1, 1), "0");
    EXPECT_EQ(grid.at(10, 10), "109"); // 1099 cut to three characters
}

TEST(Pairs, SecondFillChangesNothing)
{
    std::vector<DigitCounts> first(10), second(10);
    for (auto& r : second)
        r.fill(7);
    TextGrid grid(11, 11);
    fillPairsGrid(grid, first);
    const auto before = grid.cells;
    fillPairsGrid(grid, second);
    EXPECT_EQ(grid.cells, before);
}

TEST(Pairs, FirstEmptyCellRules)
{
    TextGrid grid(3, 3);
    EXPECT_TRUE(putInFirstEmptyOfColumn(grid, 1, "a"));
    EXPECT_TRUE(putInFirstEmptyOfColumn(grid, 1, "b"));
    EXPECT_TRUE(putInFirstEmptyOfRow(grid, 1, "c"));
    EXPECT_EQ(grid.at(1, 0), "a");
    EXPECT_EQ(grid.at(1, 1), "b");
    EXPECT_EQ(grid.at(0, 1), "c");
    EXPECT_TRUE(putInFirstEmptyOfRow(grid, 1, "d"));
    EXPECT_EQ(grid.at(2, 1), "d");
    EXPECT_FALSE(putInFirstEmptyOfRow(grid, 1, "e"));
    EXPECT_TRUE(putInFirstEmptyOfColumn(grid, 1, "f"));
    EXPECT_FALSE(putInFirstEmptyOfColumn(grid, 1, "g"));
    EXPECT_EQ(grid.at(1, 2), "f");
}

TEST(Ordinal, HeadingsOnceValuesReplaced)
{
    std::vector<DigitCounts> order(3);
    order[0][3] = 1;
    order[1][0] = 1;
    order[2][7] = 1;
    TextGrid grid(4, 11);
    fillOrdinalGrid(grid, order);
    EXPECT_EQ(grid.at(0, 0), "");
    EXPECT_EQ(grid.at(1, 0), "1");
    EXPECT_EQ(grid.at(3, 0), "3");
    EXPECT_EQ(grid.at(0, 1), "0");
    EXPECT_EQ(grid.at(0, 10), "9");
    for (int p = 0; p < 3; ++p)
        for (int d = 0; d < 10; ++d)
            EXPECT_EQ(grid.at(p + 1, d + 1),
                      (p == 0 && d == 3) || (p == 1 && d == 0) || (p == 2 && d == 7) ? "1" : "0");

    order[0][3] = 2;
    fillOrdinalGrid(grid, order);
    EXPECT_EQ(grid.at(1, 4), "2");
    EXPECT_EQ(grid.at(1, 0), "1");
    EXPECT_EQ(grid.at(0, 4), "3");
}

// --- Search ---

TEST(Search, SinglePositionTypesScanNewestFirst)
{
    const std::vector<DrawRecord> draws{draw(1, 2, 3), draw(1, 5, 3), draw(4, 2, 3), draw(1, 2, 9)};
    EXPECT_EQ(digitsOf(draws, searchDraws(draws, SearchType::First, 1, 0, 0)), (Texts{"129", "153", "123"}));
    EXPECT_EQ(digitsOf(draws, searchDraws(draws, SearchType::Second, 0, 2, 0)), (Texts{"129", "423", "123"}));
    EXPECT_EQ(digitsOf(draws, searchDraws(draws, SearchType::Third, 0, 0, 3)), (Texts{"423", "153", "123"}));
    EXPECT_EQ(digitsOf(draws, searchDraws(draws, SearchType::FirstSecond, 1, 2, 0)), (Texts{"129", "123"}));
    EXPECT_EQ(digitsOf(draws, searchDraws(draws, SearchType::FirstThird, 1, 0, 3)), (Texts{"153", "123"}));
    EXPECT_EQ(digitsOf(draws, searchDraws(draws, SearchType::SecondThird, 0, 2, 3)), (Texts{"423", "123"}));
    EXPECT_EQ(digitsOf(draws, searchDraws(draws, SearchType::Exact, 1, 2, 3)), (Texts{"123"}));
    // Types that use fewer digits ignore the others.
    EXPECT_EQ(searchDraws(draws, SearchType::First, 1, 7, 7), searchDraws(draws, SearchType::First, 1, 0, 0));
}

TEST(Search, AnyOrderOfThreeIsGroupedByArrangement)
{
    // Oldest first: the order of the dates must not matter.
    const std::vector<DrawRecord> draws{draw(2, 1, 1), draw(1, 2, 1), draw(1, 1, 2),
                                        draw(1, 1, 1), draw(2, 1, 1), draw(1, 1, 2)};
    EXPECT_EQ(digitsOf(draws, searchDraws(draws, SearchType::AnyOrder3, 1, 1, 2)),
              (Texts{"112", "112", "121", "211", "211"}));
    const auto found = searchDraws(draws, SearchType::AnyOrder3, 1, 1, 2);
    EXPECT_EQ(found, (std::vector<std::size_t>{5, 2, 1, 4, 0}));
}

TEST(Search, AnyOrderOfThreeDistinctDigitsFindsEveryArrangementOnce)
{
    // The fourth arrangement puts S1 second, S2 third and S3 first: 3-1-2 before 2-3-1.
    const std::vector<DrawRecord> draws{draw(3, 2, 1), draw(2, 3, 1), draw(3, 1, 2),
                                        draw(2, 1, 3), draw(1, 3, 2), draw(1, 2, 3)};
    EXPECT_EQ(digitsOf(draws, searchDraws(draws, SearchType::AnyOrder3, 1, 2, 3)),
              (Texts{"123", "132", "213", "312", "231", "321"}));
}

TEST(Search, AnyOrderOfTwo)
{
    const std::vector<DrawRecord> draws{draw(5, 5, 5), draw(5, 1, 5), draw(1, 5, 5), draw(5, 5, 1), draw(5, 1, 2),
                                        draw(8, 5, 1), draw(5, 8, 8), draw(1, 8, 5), draw(1, 5, 8), draw(8, 1, 5)};
    EXPECT_EQ(digitsOf(draws, searchDraws(draws, SearchType::AnyOrder2, 5, 5, 0)), (Texts{"551", "155", "515", "555"}));
    EXPECT_EQ(digitsOf(draws, searchDraws(draws, SearchType::AnyOrder2, 5, 8, 0)),
              (Texts{"815", "158", "185", "588", "851"}));
}

TEST(Search, AnywhereListsEachDrawOnce)
{
    const std::vector<DrawRecord> draws{draw(0, 0, 0), draw(1, 2, 3), draw(3, 0, 0), draw(9, 9, 0)};
    EXPECT_EQ(digitsOf(draws, searchDraws(draws, SearchType::Anywhere1, 0, 7, 7)), (Texts{"990", "300", "000"}));
}

TEST(Search, DoublesIgnoreTheSearchDigits)
{
    const std::vector<DrawRecord> draws{draw(4, 4, 4), draw(1, 2, 3), draw(1, 2, 1), draw(7, 8, 8), draw(5, 5, 6)};
    EXPECT_EQ(digitsOf(draws, searchDraws(draws, SearchType::Doubles, 1, 2, 3)), (Texts{"556", "788", "121", "444"}));
    EXPECT_EQ(searchDraws(draws, SearchType::Doubles, 9, 9, 9), searchDraws(draws, SearchType::Doubles, 0, 0, 0));
}

TEST(Search, NoMatchAndEmptyDatabase)
{
    EXPECT_TRUE(searchDraws({draw(1, 2, 3)}, SearchType::Exact, 3, 2, 1).empty());
    for (int t = 0; t <= 10; ++t)
        EXPECT_TRUE(searchDraws({}, static_cast<SearchType>(t), 1, 1, 1).empty());
}

TEST(Search, ResultLinesShowDrawnOrderWithWideSeparator)
{
    const std::vector<DrawRecord> draws{draw(3, 0, 7), draw(7, 3, 0, 2)};
    const auto lines = searchResultLines(draws, SearchType::AnyOrder3, 3, 0, 7);
    EXPECT_EQ(lines, (Texts{"1/1/2002 :         3   0   7", "1/2/2002 :         7   3   0"}));
}
