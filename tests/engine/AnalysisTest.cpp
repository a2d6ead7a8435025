#include "engine/Analysis.h"
#include "engine/Errors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>

using namespace quor3;

namespace
{

DrawRecord draw(int a, int b, int c)
{
    DrawRecord r;
    r.Digit1 = a;
    r.Digit2 = b;
    r.Digit3 = c;
    return r;
}

std::vector<DrawRecord> draws(std::initializer_list<std::array<int, 3>> list)
{
    std::vector<DrawRecord> v;
    for (const auto& d : list)
        v.push_back(draw(d[0], d[1], d[2]));
    return v;
}

DigitCounts counts(std::initializer_list<int> values)
{
    DigitCounts c{};
    int i = 0;
    for (int v : values)
        c[i++] = v;
    return c;
}

} // namespace

// ---- Number texts ----

TEST(AnalysisText, StrPadsOnTheLeftToTheMinimumWidth)
{
    EXPECT_EQ(strFixed(66.666664f, 5, 1), " 66.7");
    EXPECT_EQ(strFixed(2.0, 4, 2), "2.00");
    EXPECT_EQ(strFixed(0.0, 3, 1), "0.0");
    EXPECT_EQ(strFixed(0.0, 6, 2), "  0.00");
    EXPECT_EQ(strFixed(100.0, 5, 1), "100.0");
}

TEST(AnalysisText, ExactHalvesRoundAwayFromZero)
{
    EXPECT_EQ(strFixed(1.125, 4, 2), "1.13");
    EXPECT_EQ(strFixed(0.25, 3, 1), "0.3");
    EXPECT_EQ(strFixed(-0.01, 3, 1), "0.0");
}

TEST(AnalysisText, ValueLabelsKeepAtMostSixCharacters)
{
    EXPECT_EQ(valueLabelText(1234.5678, 6, 2), "1234.5");
    EXPECT_EQ(valueLabelText(12.5, 6, 2), " 12.50");
}

// ---- Odd/even ----

TEST(OddEven, OneDraw123)
{
    const OddEven v = countOddEven(draws({{1, 2, 3}}));
    EXPECT_EQ(v.oddTotal, 2);
    EXPECT_EQ(v.evenTotal, 1);
    const OddEvenTexts t = formatOddEven(v);
    EXPECT_EQ(t.oddTotal, "2");
    EXPECT_EQ(t.evenTotal, "1");
    EXPECT_EQ(t.oddPercent, " 66.7");
    EXPECT_EQ(t.evenPercent, " 33.3");
    EXPECT_EQ(t.oddAverage, "2.00");
    EXPECT_EQ(t.evenAverage, "1.00");
    EXPECT_EQ(t.lastFiveOdd, "0.0");
    EXPECT_EQ(t.lastFiveEven, "0.0");
}

TEST(OddEven, ExactHalvesRoundUp)
{
    // 80 draws, 63 odd digits of 240: 26.25 and 73.75 per cent exactly.
    std::vector<std::array<int, 3>> triples(80, {0, 0, 0});
    for (int k = 0; k < 63; ++k)
        triples[k / 3][k % 3] = 1;
    std::vector<quor3::DrawRecord> records;
    for (const auto& t : triples) {
        quor3::DrawRecord r;
        r.Digit1 = t[0];
        r.Digit2 = t[1];
        r.Digit3 = t[2];
        records.push_back(r);
    }
    const OddEvenTexts t = formatOddEven(countOddEven(records));
    EXPECT_EQ(t.oddPercent, " 26.3");
    EXPECT_EQ(t.evenPercent, " 73.8");
}

TEST(OddEven, LastFiveNeedsFiveDraws)
{
    auto five = draws({{1, 3, 5}, {7, 9, 1}, {3, 5, 7}, {9, 1, 3}, {5, 7, 9}});
    OddEvenTexts t = formatOddEven(countOddEven(five));
    EXPECT_EQ(t.lastFiveOdd, "3.0");
    EXPECT_EQ(t.lastFiveEven, "0.0");

    five.pop_back();
    t = formatOddEven(countOddEven(five));
    EXPECT_EQ(t.lastFiveOdd, "0.0");
    EXPECT_EQ(t.lastFiveEven, "0.0");
}

TEST(OddEven, LastFiveCountsOnlyTheLatestFiveDraws)
{
    // Two even-only draws first, then five draws with one odd digit each.
    auto v = draws({{0, 2, 4}, {6, 8, 0}, {1, 0, 0}, {3, 0, 0}, {5, 0, 0}, {7, 0, 0}, {9, 0, 0}});
    const OddEven r = countOddEven(v);
    EXPECT_FLOAT_EQ(r.lastFiveOdd, 1.0f);
    EXPECT_FLOAT_EQ(r.lastFiveEven, 2.0f);
}

TEST(OddEven, TotalsAlwaysAddUpToThreeTimesTheDraws)
{
    std::vector<DrawRecord> v;
    for (int i = 0; i < 97; ++i)
        v.push_back(draw((i * 7) % 10, (i * 3 + 1) % 10, i % 13 == 0 ? 11 : (i * i) % 10));
    const OddEven r = countOddEven(v);
    EXPECT_EQ(r.oddTotal + r.evenTotal, 3 * 97);
}

TEST(OddEven, ValuesOutsideTheDigitsCountAsEven)
{
    const OddEven r = countOddEven(draws({{11, -1, 3}}));
    EXPECT_EQ(r.oddTotal, 1);
    EXPECT_EQ(r.evenTotal, 2);
}

TEST(OddEven, EmptyDatabaseGivesZerosWithoutDividing)
{
    const OddEvenTexts t = formatOddEven(countOddEven({}));
    EXPECT_EQ(t.oddTotal, "0");
    EXPECT_EQ(t.oddPercent, "  0.0");
    EXPECT_EQ(t.evenAverage, "0.00");
    EXPECT_EQ(t.lastFiveEven, "0.0");
}

// ---- Percentage repeats ----

TEST(Repeats, PercentTexts)
{
    EXPECT_EQ(repeatPercentText(0.125f), " 12.50");
    EXPECT_EQ(repeatPercentText(1.0f), "100.00");
    EXPECT_EQ(repeatPercentText(0.0f), "  0.00");
    // Single-precision product: 0.3333333 * 100 -> 33.33
    EXPECT_EQ(repeatPercentText(1.0f / 3.0f), " 33.33");
    EXPECT_EQ(repeatPercentText(12.5f), "1250.0");
}

// ---- Hot/cold ----

TEST(HotCold, DefaultSpanIs14OrEveryRecord)
{
    EXPECT_EQ(defaultHotColdSpan(90), 14);
    EXPECT_EQ(defaultHotColdSpan(15), 14);
    EXPECT_EQ(defaultHotColdSpan(14), 14);
    EXPECT_EQ(defaultHotColdSpan(5), 5);
    EXPECT_EQ(defaultHotColdSpan(0), 0);
}

TEST(HotCold, SpanSumsTheLastRecordsOnly)
{
    std::vector<DigitCounts> records(90, counts({1, 0, 0, 0, 0, 0, 0, 0, 0, 2}));
    records[0] = counts({0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    records[89] = counts({0, 3, 0, 0, 0, 0, 0, 0, 0, 0});
    auto t = spanTotals(records, 2);
    ASSERT_TRUE(t);
    EXPECT_EQ((*t)[0], 1);
    EXPECT_EQ((*t)[1], 3);
    EXPECT_EQ((*t)[9], 2);

    t = spanTotals(records, 90);
    ASSERT_TRUE(t);
    EXPECT_EQ((*t)[0], 88);
    EXPECT_EQ((*t)[9], 176);
}

TEST(HotCold, DamagedRecordsSaturateInsteadOfOverflowing)
{
    DigitCounts big{};
    big.fill(2000000000);
    DigitCounts low{};
    low.fill(-2000000000);
    EXPECT_EQ(spanTotals({big, big}, 2)->at(0), 2147483647);
    EXPECT_EQ(spanTotals({low, low}, 2)->at(9), -2147483647 - 1);
}

TEST(HotCold, SpanLargerThanTheRecordsOrNegativeGivesNothing)
{
    const std::vector<DigitCounts> records(90, counts({1, 1, 1}));
    EXPECT_FALSE(spanTotals(records, 91));
    EXPECT_FALSE(spanTotals(records, -1));
    EXPECT_FALSE(spanTotals({}, 1));
    EXPECT_TRUE(spanTotals({}, 0));
}

TEST(HotCold, ZeroSpanListsInDigitOrderWithoutSwaps)
{
    const auto t = spanTotals(std::vector<DigitCounts>(20, counts({3, 3})), 0);
    ASSERT_TRUE(t);
    const HotColdLists lists = hotColdLists(*t);
    EXPECT_EQ(lists.hot, (std::vector<std::string>{"0..........0", "1..........0", "2..........0"}));
    EXPECT_EQ(lists.cold, (std::vector<std::string>{"9..........0", "8..........0", "7..........0"}));
}

TEST(HotCold, RowsRankLargestFirstAndColdestFirst)
{
    const HotColdLists lists = hotColdLists(counts({5, 1, 12, 0, 7, 3, 3, 9, 2, 4}));
    EXPECT_EQ(lists.hot, (std::vector<std::string>{"2..........12", "7..........9", "4..........7"}));
    EXPECT_EQ(lists.cold, (std::vector<std::string>{"3..........0", "1..........1", "8..........2"}));
}

TEST(HotCold, EqualTotalsFollowTheExchangesOfTheSort)
{
    // 0 and 1 tie behind 9. Taking 9 to the front exchanges it with 0, so at
    // the next step 1 stands earlier than 0 and ranks higher.
    const HotColdLists lists = hotColdLists(counts({4, 4, 1, 1, 1, 1, 1, 1, 1, 6}));
    EXPECT_EQ(lists.hot[0], "9..........6");
    EXPECT_EQ(lists.hot[1], "1..........4");
    EXPECT_EQ(lists.hot[2], "0..........4");
}

TEST(HotCold, LargeTotalsKeepAllTheirDigits)
{
    EXPECT_EQ(hotColdRow(7, 12), "7..........12");
    EXPECT_EQ(hotColdRow(3, 131), "3..........131");
}

// ---- Cumulative totals and sums ----

TEST(GraphCounts, StoredSpanIsLimitedToTheDraws)
{
    EXPECT_EQ(limitToDraws(200, 120), 120);
    EXPECT_EQ(limitToDraws(120, 120), 120);
    EXPECT_EQ(limitToDraws(119, 120), 119);
    EXPECT_EQ(limitToDraws(5, 0), 0);
}

TEST(GraphCounts, DigitTotalsOverTheLastDraws)
{
    std::vector<DrawRecord> v(50, draw(1, 2, 3));
    v.push_back(draw(9, 9, 9));
    DigitValues t = digitTotalsOverLast(v, 1);
    EXPECT_EQ(t[9], 3);
    EXPECT_EQ(std::accumulate(t.begin(), t.end(), 0), 3);
    t = digitTotalsOverLast(v, 51);
    EXPECT_EQ(std::accumulate(t.begin(), t.end(), 0), 153);
    EXPECT_EQ(t[1], 50);
}

TEST(GraphCounts, SpanLargerThanTheDrawsNeverReadsBeforeTheFirst)
{
    const std::vector<DrawRecord> v(4, draw(0, 0, 1));
    DigitValues t = digitTotalsOverLast(v, 1000);
    EXPECT_EQ(t[0], 8);
    EXPECT_EQ(t[1], 4);
    t = digitTotalsOverLast({}, 5);
    EXPECT_EQ(std::accumulate(t.begin(), t.end(), 0), 0);
    t = digitTotalsOverLast(v, -3);
    EXPECT_EQ(std::accumulate(t.begin(), t.end(), 0), 0);
}

TEST(GraphCounts, DigitsOutsideZeroToNineCountNowhere)
{
    const DigitValues t = digitTotalsOverLast(draws({{10, -1, 4}}), 1);
    EXPECT_EQ(std::accumulate(t.begin(), t.end(), 0), 1);
    EXPECT_EQ(t[4], 1);
}

TEST(GraphCounts, SumsOfTheLastDraw999)
{
    auto v = draws({{1, 1, 1}, {9, 9, 9}});
    const SumCounts f = digitSumsOverLast(v, 1);
    EXPECT_EQ(f[27], 1);
    EXPECT_EQ(std::accumulate(f.begin(), f.end(), 0), 1);
    EXPECT_EQ(axisMaxFor(f), 4.0);
}

TEST(GraphCounts, SumsOutsideTheRangeCountNothing)
{
    const SumCounts f = digitSumsOverLast(draws({{9, 9, 10}, {-1, 0, 0}, {0, 0, 0}}), 3);
    EXPECT_EQ(f[0], 1);
    EXPECT_EQ(std::accumulate(f.begin(), f.end(), 0), 1);
}

TEST(GraphCounts, AxisReachesThreeAboveTheTallestBar)
{
    EXPECT_EQ(axisMaxFor(DigitValues{1, 17, 3}), 20.0);
    EXPECT_EQ(axisMaxFor(DigitValues{}), 3.0);
    EXPECT_EQ(axisMaxFor(std::array<std::int32_t, 5>{0, 0, 0, 0, 2}), 5.0);
}

// ---- Sets ----

TEST(Sets, FileRoundTripHas51Lines)
{
    SetsConfig c;
    c.span = 10;
    c.member[1][3] = true;
    c.member[4][0] = true;
    c.member[4][9] = true;
    const auto lines = formatSetsLines(c);
    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(lines[0], "10");
    EXPECT_EQ(lines[1 + 10 + 3], "0");
    EXPECT_EQ(lines[1], "1");
    const SetsConfig back = parseSetsLines(lines, "SetsCfg.ini");
    EXPECT_EQ(back.span, 10);
    EXPECT_EQ(back.member, c.member);
}

TEST(Sets, FileIsWrittenWithCrLf)
{
    const auto dir = std::filesystem::temp_directory_path() / "quor3-analysis-test";
    std::filesystem::create_directories(dir);
    SetsConfig c;
    c.span = 3;
    writeSetsFile(dir / SetsFileName, c);
    const std::string text = readWholeFile(dir / SetsFileName);
    EXPECT_EQ(text.substr(0, 6), "3\r\n1\r\n");
    EXPECT_EQ(text.size(), 3u + 50u * 3u);
    EXPECT_EQ(readSetsFile(dir / SetsFileName).span, 3);
    std::filesystem::remove_all(dir);
}

TEST(Sets, AnyValueOtherThanZeroLeavesTheDigitOut)
{
    std::vector<std::string> lines(51, "1");
    lines[0] = "7";
    lines[1] = "2";
    lines[2] = "0";
    lines[3] = "-1";
    const SetsConfig c = parseSetsLines(lines, "setscfg.ini");
    EXPECT_FALSE(c.member[0][0]);
    EXPECT_TRUE(c.member[0][1]);
    EXPECT_FALSE(c.member[0][2]);
}

TEST(Sets, ShortOrGarbledFileIsAReadError)
{
    std::vector<std::string> lines(50, "1");
    try {
        parseSetsLines(lines, "setscfg.ini");
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), Error::Kind::InputOutput);
        EXPECT_NE(std::string(e.what()).find("setscfg.ini"), std::string::npos);
    }
    lines.push_back("1");
    lines[0] = "ten";
    EXPECT_THROW(parseSetsLines(lines, "setscfg.ini"), Error);
}

TEST(Sets, DefaultSpanIsSevenOrAllOfFewerThanEight)
{
    EXPECT_EQ(defaultSetsSpan(30), 7);
    EXPECT_EQ(defaultSetsSpan(8), 7);
    EXPECT_EQ(defaultSetsSpan(7), 7);
    EXPECT_EQ(defaultSetsSpan(5), 5);
    EXPECT_EQ(defaultSetsSpan(0), 0);
}

TEST(Sets, TotalsAndCaptions)
{
    SetsConfig c;
    for (int d : {1, 5, 9})
        c.member[0][d] = true;
    c.member[1][3] = true;
    c.member[2][3] = true; // a digit may belong to several sets
    const DigitValues counts{10, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    const SetTotals t = setTotals(c, counts);
    EXPECT_EQ(t.captions[0], "159");
    EXPECT_EQ(t.totals[0], 15);
    EXPECT_EQ(t.captions[1], "3");
    EXPECT_EQ(t.totals[1], 3);
    EXPECT_EQ(t.totals[2], 3);
    EXPECT_EQ(t.captions[3], "");
    EXPECT_EQ(t.totals[3], 0);
}

TEST(Sets, DefaultPairs)
{
    const auto t = pairedTotals(DigitValues{1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_EQ(t, (std::array<std::int32_t, 5>{3, 7, 11, 15, 19}));
    EXPECT_STREQ(PairedCaptions[4], "8-9");
}
