#include "EngineTestSupport.h"

#include "engine/Backtest.h"
#include "engine/HitDistribution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <set>
#include <sys/wait.h>

using namespace quor3;

namespace
{

std::vector<DrawRecord> randomDraws(unsigned seed, int n, bool strays = false)
{
    std::mt19937 generator(seed);
    std::vector<Triple> t;
    for (int i = 0; i < n; ++i) {
        auto digit = [&] {
            if (strays && generator() % 40 == 0)
                return static_cast<int>(generator() % 30) - 10;
            return static_cast<int>(generator() % 10);
        };
        const int a = digit(), b = digit(), c = digit();
        t.push_back({a, b, c});
    }
    return drawsOf(t);
}

std::vector<std::string> textOf(const std::array<Play, 5>& plays)
{
    return choiceLines(plays);
}

// What the choice files say after a rebuild of `draws` with these odd/even digits.
struct WrittenChoices {
    std::vector<std::string> hot, cold, warm, oddEven, ordinal, pairs, repeats;
};

WrittenChoices rebuildToFiles(const std::vector<DrawRecord>& draws, RandomDigits& digits)
{
    TempFolder dir;
    writeDatabase(dir / "ga.c3d", draws);
    RecordingStatus status;
    rebuildStatistics(dir.path(), "ga.c3d", FirstPanels::TotalAndLastDate, status, digits);
    return {readTextLines(dir / "hot.dat"),     readTextLines(dir / "cold.dat"),    readTextLines(dir / "wm.dat"),
            readTextLines(dir / "oddeven.dat"), readTextLines(dir / "ordinal.dat"), readTextLines(dir / "pr.dat"),
            readTextLines(dir / "repeats.dat")};
}

const PlayScore& list(const BacktestResult& r, const char* name)
{
    for (const auto& s : r.lists)
        if (s.name == name)
            return s;
    throw std::runtime_error(name);
}

} // namespace

TEST(Backtest, ChoicesAreWhatARebuildOfTheDrawsBeforeWrites)
{
    struct Case {
        unsigned seed;
        int n;
        bool strays;
        std::set<long long> checked;
    };
    const Case cases[] = {
        {11, 40, false, {1, 2, 3, 14, 15, 16, 17, 30, 39}},
        {12, 200, true, {1, 5, 15, 16, 89, 90, 91, 92, 150, 199}},
        {13, 731, false, {1, 100, 365, 641, 642, 700, 730}},
    };
    for (const auto& c : cases) {
        const auto draws = randomDraws(c.seed, c.n, c.strays);
        const std::uint32_t seed = 4000 + c.seed;
        std::set<long long> seen;
        backtest(draws, 1, seed, [&](long long i, const ComputerChoices& choices) {
            if (!c.checked.count(i))
                return;
            seen.insert(i);
            ReproducibleDigits digits = backtestDigits(seed, i);
            const std::vector<DrawRecord> before(draws.begin(), draws.begin() + i);
            const WrittenChoices files = rebuildToFiles(before, digits);
            EXPECT_EQ(textOf(choices.hot), files.hot) << c.n << " draw " << i;
            EXPECT_EQ(textOf(choices.cold), files.cold) << c.n << " draw " << i;
            EXPECT_EQ(choiceLines(choices.warm), files.warm) << c.n << " draw " << i;
            EXPECT_EQ(textOf(choices.oddEven), files.oddEven) << c.n << " draw " << i;
            EXPECT_EQ(ordinalFileLines(choices.ordinal), files.ordinal) << c.n << " draw " << i;
            EXPECT_EQ(choiceLines(choices.ordinalPlays()), ordinalRows(files.ordinal)) << c.n << " draw " << i;
            EXPECT_EQ(choiceLines(choices.pairs), files.pairs) << c.n << " draw " << i;
            EXPECT_EQ(textOf(choices.repeats), files.repeats) << c.n << " draw " << i;
        });
        // Draws with a stray digit are not tested; all others are.
        for (long long i : c.checked) {
            const auto& d = draws[static_cast<std::size_t>(i)];
            const bool real =
                d.Digit1 >= 0 && d.Digit1 <= 9 && d.Digit2 >= 0 && d.Digit2 <= 9 && d.Digit3 >= 0 && d.Digit3 <= 9;
            EXPECT_EQ(seen.count(i) == 1, real) << c.n << " draw " << i;
        }
    }
}

TEST(Backtest, TheHotListHitsAHistoryOfOneRepeatedDraw)
{
    // 1-2-3 every day: the last 15 draws rank 1, 2, 3 first, so the first hot
    // play is 1 2 3; the repeats and the first ordinal row are too.
    const auto draws = drawsOf(std::vector<Triple>(20, {1, 2, 3}));
    const BacktestResult r = backtest(draws);
    EXPECT_EQ(r.tested, 19);
    const PlayScore& hot = list(r, "hot");
    EXPECT_EQ(hot.plays, 95);
    EXPECT_EQ(hot.boxHits, 19);
    EXPECT_EQ(hot.straightHits, 19);
    EXPECT_EQ(hot.playsByChance, (PlaysByChance{95, 0, 0}));
    EXPECT_NEAR(hot.expectedBox, 0.57, 1e-12);
    EXPECT_NEAR(hot.expectedStraight, 0.095, 1e-12);
    EXPECT_LT(hot.pBox, 1e-20);
    EXPECT_EQ(list(r, "cold").boxHits, 0);
    EXPECT_EQ(list(r, "warm").boxHits, 0);
    EXPECT_EQ(list(r, "ordinal").boxHits, 19);
    EXPECT_EQ(list(r, "repeats").boxHits, 19);
    long long sum = 0;
    for (const auto& s : r.lists)
        sum += s.boxHits;
    EXPECT_EQ(r.total.boxHits, sum);
    EXPECT_EQ(r.total.plays, 19 * 33);
    // A history like this is not luck, but the sentence still claims no skill.
    const std::string verdict = backtestVerdict(r);
    EXPECT_NE(verdict.find("more than random plays usually manage (p < 0.001)"), std::string::npos) << verdict;
    EXPECT_NE(verdict.find("does not show that the choices can predict a draw"), std::string::npos) << verdict;
    EXPECT_NE(verdict.find("one run in three"), std::string::npos) << verdict;
}

TEST(Backtest, TwoDrawsWorkedByHand)
{
    // After 1-2-3 the hot ranking is 1 2 3 0 4 5 6 7 8 9, the ordinal picks
    // 1 0 2 3 | 2 1 0 3 | 3 1 2 0 and every repeat ratio 0.
    const BacktestResult r = backtest(drawsOf({{1, 2, 3}, {3, 2, 1}}));
    EXPECT_EQ(r.tested, 1);
    const PlayScore& hot = list(r, "hot");
    EXPECT_EQ(hot.boxHits, 1);
    EXPECT_EQ(hot.straightHits, 0);
    EXPECT_NEAR(hot.pBox, 2 * (1 - std::pow(0.994, 5)), 1e-15);
    const PlayScore& ordinal = list(r, "ordinal");
    // Rows 1 2 3, 0 1 1, 2 0 2, 3 3 0, 1 1 2: one of three different digits, four with a pair.
    EXPECT_EQ(ordinal.playsByChance, (PlaysByChance{1, 4, 0}));
    EXPECT_NEAR(ordinal.expectedBox, 0.018, 1e-15);
    EXPECT_EQ(ordinal.boxHits, 1);
    const PlayScore& pairs = list(r, "pairs");
    // Warm digits 0 4 5 6 with empty pair rows: 0 1 0, 0 1 4, 0 1 5, 0 1 6.
    EXPECT_EQ(pairs.playsByChance, (PlaysByChance{3, 1, 0}));
    EXPECT_EQ(pairs.boxHits, 0);
    EXPECT_EQ(list(r, "repeats").boxHits, 1);
    EXPECT_EQ(list(r, "repeats").straightHits, 0);
    EXPECT_EQ(r.steps.size(), 1u);
    EXPECT_EQ(r.steps[0].drawIndex, 1);
    EXPECT_EQ(r.steps[0].boxHits, r.total.boxHits);
    EXPECT_NEAR(r.steps[0].expectedBox, r.total.expectedBox, 1e-15);
}

TEST(Backtest, AllEqualDigitsMakeOrdinalTriples)
{
    // After 7-7-7 each position ranks 7 1 2 3: rows 7 7 7, 1 1 1, 2 2 2, 3 3 3, 7 1 2.
    const BacktestResult r = backtest(drawsOf({{7, 7, 7}, {7, 7, 7}}));
    const PlayScore& ordinal = list(r, "ordinal");
    EXPECT_EQ(ordinal.playsByChance, (PlaysByChance{1, 0, 4}));
    EXPECT_NEAR(ordinal.expectedBox, 0.010, 1e-15);
    EXPECT_EQ(ordinal.boxHits, 1);
    EXPECT_EQ(ordinal.straightHits, 1);
    const double none = 0.994 * std::pow(0.999, 4);
    EXPECT_NEAR(ordinal.pBox, 2 * (1 - none), 1e-15);
    EXPECT_EQ(list(r, "hot").boxHits, 0);
    EXPECT_EQ(list(r, "repeats").boxHits, 0);
}

TEST(Backtest, TooFewDrawsTestNothing)
{
    for (const auto& [draws, from] : std::vector<std::pair<std::vector<DrawRecord>, long long>>{
             {{}, 1}, {drawsOf({{1, 2, 3}}), 1}, {randomDraws(3, 5), 5}, {randomDraws(3, 5), 9}}) {
        const BacktestResult r = backtest(draws, from);
        EXPECT_EQ(r.tested, 0);
        EXPECT_EQ(r.from, from);
        EXPECT_EQ(r.total.plays, 0);
        EXPECT_EQ(r.total.boxHits, 0);
        EXPECT_EQ(r.total.expectedBox, 0.0);
        EXPECT_EQ(r.total.pBox, 1.0);
        EXPECT_TRUE(r.steps.empty());
        EXPECT_NE(backtestVerdict(r).find("No draws were tested"), std::string::npos);
    }
    EXPECT_EQ(backtest(randomDraws(3, 5), 0).from, 1);
    EXPECT_EQ(backtest(randomDraws(3, 5), 3).tested, 2);
}

TEST(Backtest, DrawsWithStrayDigitsAreNotTestedButStillCount)
{
    const auto draws = drawsOf({{1, 2, 3}, {12, 2, 3}, {4, 5, 6}, {1, -2, 3}});
    std::vector<long long> tested;
    const BacktestResult r = backtest(draws, 1, 1, [&](long long i, const ComputerChoices&) { tested.push_back(i); });
    EXPECT_EQ(tested, (std::vector<long long>{2}));
    EXPECT_EQ(r.tested, 1);
    EXPECT_EQ(r.total.plays, 33);
}

TEST(Backtest, TheOddEvenDigitsFollowTheSeed)
{
    // Fixed by the seed on every machine.
    ReproducibleDigits digits(1, 0);
    std::string first;
    for (int k = 0; k < 12; ++k)
        first += static_cast<char>('0' + digits.nextDigit());
    ReproducibleDigits again(1, 0);
    std::string second;
    for (int k = 0; k < 12; ++k)
        second += static_cast<char>('0' + again.nextDigit());
    EXPECT_EQ(first, second);

    const auto draws = randomDraws(21, 120);
    auto oddEvenLists = [&](std::uint32_t seed) {
        std::vector<std::vector<std::string>> lists;
        backtest(draws, 1, seed, [&](long long, const ComputerChoices& c) { lists.push_back(textOf(c.oddEven)); });
        return lists;
    };
    EXPECT_EQ(oddEvenLists(7), oddEvenLists(7));
    EXPECT_NE(oddEvenLists(7), oddEvenLists(8));
    const BacktestResult a = backtest(draws, 1, 7), b = backtest(draws, 1, 7);
    EXPECT_EQ(a.total.boxHits, b.total.boxHits);
    EXPECT_EQ(a.seed, 7u);

    // Neighbouring streams are not shifted copies of each other, and every digit comes up evenly.
    std::array<long long, 10> counts{};
    for (std::uint32_t stream = 0; stream < 2000; ++stream) {
        ReproducibleDigits d(5, stream);
        for (int k = 0; k < 50; ++k)
            ++counts[static_cast<std::size_t>(d.nextDigit())];
    }
    for (long long c : counts)
        EXPECT_NEAR(static_cast<double>(c), 10000.0, 400.0);
}

TEST(HitDistribution, ThreePlaysByHand)
{
    // Chances 6, 3 and 1 in 1000: P(0) = .994 x .997 x .999 and so on.
    const HitDistribution grouped(PlaysByChance{1, 1, 1});
    const HitDistribution stepwise(std::vector<double>{0.006, 0.003, 0.001});
    const double expected[4] = {0.990026982, 0.009946054, 2.6946e-05, 1.8e-08};
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(grouped.probabilityOf(k), expected[k], 1e-15) << k;
        EXPECT_NEAR(stepwise.probabilityOf(k), expected[k], 1e-15) << k;
    }
    EXPECT_EQ(grouped.probabilityOf(4), 0.0);
    EXPECT_NEAR(grouped.twoSidedP(1), 0.019946036, 1e-14);
    EXPECT_NEAR(stepwise.twoSidedP(1), 0.019946036, 1e-14);
    EXPECT_EQ(grouped.twoSidedP(0), 1.0);
    EXPECT_NEAR(grouped.twoSidedP(2), 5.3928e-05, 1e-17);
    EXPECT_NEAR(expectedBoxHits({1, 1, 1}), 0.010, 1e-15);
}

TEST(HitDistribution, LongHistoriesAgainstHighPrecisionSums)
{
    // Worked out to 60 digits from the binomial terms, independently of this code.
    const HitDistribution single(PlaysByChance{1000, 0, 0});
    EXPECT_NEAR(single.atMost(2) / 0.06143335175080263, 1.0, 1e-12);
    EXPECT_NEAR(single.atLeast(12) / 0.019754362539493977, 1.0, 1e-12);

    const HitDistribution mixed(PlaysByChance{20000, 3500, 500});
    EXPECT_NEAR(mixed.atMost(100) / 0.0027854011193235407, 1.0, 1e-11);
    EXPECT_NEAR(mixed.atLeast(160) / 0.0075812216663160464, 1.0, 1e-11);
    EXPECT_NEAR(mixed.atMost(60) / 2.7283556185009488e-12, 1.0, 1e-10);
    EXPECT_EQ(mixed.quantile(0.025), 109);
    EXPECT_EQ(mixed.quantile(0.975), 154);
    EXPECT_NEAR(mixed.twoSidedP(160), 2 * 0.0075812216663160464, 1e-13);
    EXPECT_NEAR(expectedBoxHits({20000, 3500, 500}), 131.0, 1e-12);

    // The grouped form and the play-by-play convolution agree.
    std::vector<double> chances(300, 0.006);
    chances.insert(chances.end(), 40, 0.003);
    chances.insert(chances.end(), 7, 0.001);
    const HitDistribution grouped(PlaysByChance{300, 40, 7}), stepwise(chances);
    for (long long k = 0; k < 12; ++k)
        EXPECT_NEAR(grouped.atMost(k), stepwise.atMost(k), 1e-14) << k;
}

TEST(HitDistribution, BoxChanceOfAPlay)
{
    EXPECT_EQ(boxChanceOf({1, 2, 3}), BoxChance::SixIn1000);
    EXPECT_EQ(boxChanceOf({1, 1, 3}), BoxChance::ThreeIn1000);
    EXPECT_EQ(boxChanceOf({1, 3, 1}), BoxChance::ThreeIn1000);
    EXPECT_EQ(boxChanceOf({3, 1, 1}), BoxChance::ThreeIn1000);
    EXPECT_EQ(boxChanceOf({4, 4, 4}), BoxChance::OneIn1000);
}

TEST(Backtest, TheBandHoldsTheExpectationAndEndsOnTheTotalRange)
{
    const BacktestResult r = backtest(randomDraws(31, 731));
    ASSERT_EQ(r.steps.size(), 183u); // every 4th of the 730 tested draws, and the last
    for (const auto& s : r.steps) {
        EXPECT_EQ(s.tested, s.drawIndex); // every draw from the second on
        EXPECT_LE(static_cast<double>(s.lowBox), s.expectedBox);
        EXPECT_GE(static_cast<double>(s.highBox), s.expectedBox);
    }
    EXPECT_EQ(r.steps.back().lowBox, r.total.lowBox);
    EXPECT_EQ(r.steps.back().highBox, r.total.highBox);
    EXPECT_EQ(r.steps.back().boxHits, r.total.boxHits);
    EXPECT_NEAR(r.steps.back().expectedBox, r.total.expectedBox, 1e-9);
    const HitDistribution chance(r.total.playsByChance);
    EXPECT_EQ(r.total.lowBox, chance.quantile(0.025));
    EXPECT_EQ(r.total.highBox, chance.quantile(0.975));
    const HitDistribution hot(r.lists[0].playsByChance);
    EXPECT_EQ(r.lists[0].lowBox, hot.quantile(0.025));
    EXPECT_EQ(r.lists[0].highBox, hot.quantile(0.975));
}

TEST(Backtest, ALongHistoryIsChartedAtEvenlySpacedDrawsWithExactBands)
{
    std::vector<DrawRecord> draws = randomDraws(47, 4321);
    draws[2000].Digit2 = 12; // no real draw: not tested, so not charted
    std::vector<PlaysByChance> playsSoFar;
    const BacktestResult r = backtest(draws, 1, DefaultBacktestSeed, [&](long long, const ComputerChoices& c) {
        PlaysByChance plays = playsSoFar.empty() ? PlaysByChance{} : playsSoFar.back();
        auto count = [&plays](const auto& list) {
            for (const Play& p : list)
                ++plays[static_cast<std::size_t>(boxChanceOf(p))];
        };
        count(c.hot), count(c.cold), count(c.warm), count(c.oddEven), count(c.ordinalPlays()), count(c.pairs),
            count(c.repeats);
        playsSoFar.push_back(plays);
    });
    ASSERT_EQ(r.tested, 4319);
    ASSERT_EQ(playsSoFar.size(), 4319u);
    EXPECT_EQ(playsSoFar.back(), r.total.playsByChance);
    ASSERT_LE(r.steps.size(), static_cast<std::size_t>(MaxBacktestSteps + 1));
    ASSERT_GE(r.steps.size(), static_cast<std::size_t>(MaxBacktestSteps / 2));
    const long long stride = r.steps.front().tested;
    for (std::size_t k = 0; k < r.steps.size(); ++k) {
        const BacktestStep& s = r.steps[k];
        if (k + 1 < r.steps.size()) {
            EXPECT_EQ(s.tested, stride * static_cast<long long>(k + 1)) << k;
        }
        const PlaysByChance& plays = playsSoFar[static_cast<std::size_t>(s.tested - 1)];
        EXPECT_DOUBLE_EQ(s.expectedBox, expectedBoxHits(plays)) << k;
        if (k % 50 == 0 || k + 1 == r.steps.size()) {
            const HitDistribution chance(plays);
            EXPECT_EQ(s.lowBox, chance.quantile(0.025)) << k;
            EXPECT_EQ(s.highBox, chance.quantile(0.975)) << k;
        }
    }
    EXPECT_EQ(r.steps.back().tested, r.tested);
    EXPECT_EQ(r.steps.back().drawIndex, 4320);
    EXPECT_EQ(r.steps.back().boxHits, r.total.boxHits);
}

TEST(Backtest, AStopRequestEndsItEarly)
{
    const std::vector<DrawRecord> draws = randomDraws(5, 5000);
    std::atomic<bool> stop{false};
    EXPECT_FALSE(backtest(draws, 1, DefaultBacktestSeed, {}, &stop).stopped);
    const BacktestResult r = backtest(
        draws, 1, DefaultBacktestSeed,
        [&stop](long long drawIndex, const ComputerChoices&) {
            if (drawIndex == 2000)
                stop = true;
        },
        &stop);
    EXPECT_TRUE(r.stopped);
    EXPECT_GE(r.tested, 2000);
    EXPECT_LT(r.tested, 2000 + 1024);
}

TEST(Backtest, VerdictWarnsAboutOneListOfSeven)
{
    BacktestResult r;
    r.tested = 700;
    r.total.plays = 23100;
    r.total.boxHits = 131;
    r.total.expectedBox = 128.9;
    r.total.pBox = 0.86;
    r.total.lowBox = 108;
    r.total.highBox = 151;
    for (int l = 0; l < ChoiceLists; ++l) {
        r.lists[l].name = choiceListNames()[l];
        r.lists[l].plays = 3300;
        r.lists[l].boxHits = 19;
        r.lists[l].expectedBox = 19.8;
        r.lists[l].pBox = 0.9;
    }
    EXPECT_EQ(backtestVerdict(r), "Over 700 draws the 33 daily choices matched 131 times; plays picked at random "
                                  "would match about 129 times (95% range 108-151). The choices did no better than "
                                  "chance.");
    r.lists[5].boxHits = 31;
    r.lists[5].pBox = 0.012;
    const std::string verdict = backtestVerdict(r);
    EXPECT_NE(verdict.find("The pairs list matched more often than chance would usually give (p = 0.012), but with "
                           "seven lists, one such result turns up by luck in about one run in three."),
              std::string::npos)
        << verdict;
}

TEST(Backtest, JsonHasTheAgreedShape)
{
    const BacktestResult r = backtest(drawsOf({{1, 2, 3}}), 1, 9);
    EXPECT_EQ(backtestJson(r, "ga \"x\".c3d"),
              "{\"database\": \"ga \\\"x\\\".c3d\", \"from\": 1, \"tested\": 0, \"seed\": 9, \"categories\": ["
              "{\"name\": \"hot\", \"plays\": 0, \"boxHits\": 0, \"straightHits\": 0, \"expectedBox\": 0, "
              "\"expectedStraight\": 0, \"pBox\": 1}, "
              "{\"name\": \"cold\", \"plays\": 0, \"boxHits\": 0, \"straightHits\": 0, \"expectedBox\": 0, "
              "\"expectedStraight\": 0, \"pBox\": 1}, "
              "{\"name\": \"warm\", \"plays\": 0, \"boxHits\": 0, \"straightHits\": 0, \"expectedBox\": 0, "
              "\"expectedStraight\": 0, \"pBox\": 1}, "
              "{\"name\": \"oddeven\", \"plays\": 0, \"boxHits\": 0, \"straightHits\": 0, \"expectedBox\": 0, "
              "\"expectedStraight\": 0, \"pBox\": 1}, "
              "{\"name\": \"ordinal\", \"plays\": 0, \"boxHits\": 0, \"straightHits\": 0, \"expectedBox\": 0, "
              "\"expectedStraight\": 0, \"pBox\": 1}, "
              "{\"name\": \"pairs\", \"plays\": 0, \"boxHits\": 0, \"straightHits\": 0, \"expectedBox\": 0, "
              "\"expectedStraight\": 0, \"pBox\": 1}, "
              "{\"name\": \"repeats\", \"plays\": 0, \"boxHits\": 0, \"straightHits\": 0, \"expectedBox\": 0, "
              "\"expectedStraight\": 0, \"pBox\": 1}], "
              "\"total\": {\"plays\": 0, \"boxHits\": 0, \"straightHits\": 0, \"expectedBox\": 0, "
              "\"expectedStraight\": 0, \"pBox\": 1}}");
}

namespace
{

std::string runEngine(const std::string& args, int& status)
{
    FILE* pipe = popen((std::string("'") + QUOR3_ENGINE_CLI + "' " + args + " 2>/dev/null").c_str(), "r");
    std::string out;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    const int raw = pclose(pipe);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return out;
}

} // namespace

TEST(CommandLine, BacktestPrintsOneJsonObjectOrATable)
{
    TempFolder dir;
    const auto draws = randomDraws(41, 300);
    writeDatabase(dir / "ga.c3d", draws);
    int status = -1;
    const std::string path = "'" + (dir / "ga.c3d").string() + "'";
    EXPECT_EQ(runEngine("backtest " + path + " --from 20 --seed 5 --json", status),
              backtestJson(backtest(draws, 20, 5), "ga.c3d") + "\n");
    EXPECT_EQ(status, 0);
    const std::string table = runEngine("backtest " + path, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(table, backtestTable(backtest(draws), "ga.c3d"));
    EXPECT_NE(table.find("total"), std::string::npos);
    // Nothing is written beside the database.
    EXPECT_FALSE(fileExists(dir / "hot.dat"));
    runEngine("backtest " + path + " --from 0", status);
    EXPECT_EQ(status, 2);
    runEngine("backtest " + path + " --seed", status);
    EXPECT_EQ(status, 2);
    runEngine("backtest '" + (dir / "none.c3d").string() + "' --json", status);
    EXPECT_EQ(status, 1);
}
