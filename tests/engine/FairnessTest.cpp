#include "EngineTestSupport.h"

#include "engine/Fairness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sys/wait.h>

using namespace quor3;

namespace
{

const FairnessTest& test(const FairnessResult& r, const char* name)
{
    for (const auto& t : r.tests)
        if (t.name == name)
            return t;
    throw std::runtime_error(name);
}

// Sixty draws; the expected values below were worked out to 50 digits apart from this code.
const std::vector<Triple> sixty = {
    {5, 2, 6}, {0, 1, 8}, {1, 5, 9}, {0, 8, 3}, {0, 1, 6}, {6, 1, 3}, {1, 8, 6}, {0, 9, 1}, {3, 9, 0}, {9, 9, 6},
    {4, 4, 4}, {4, 4, 1}, {4, 0, 1}, {1, 9, 4}, {8, 2, 1}, {9, 9, 3}, {5, 1, 8}, {1, 9, 0}, {9, 3, 7}, {8, 6, 5},
    {7, 9, 7}, {5, 4, 3}, {2, 3, 1}, {9, 4, 8}, {7, 5, 7}, {4, 9, 1}, {1, 8, 6}, {2, 5, 2}, {7, 6, 0}, {1, 8, 9},
    {5, 5, 5}, {9, 7, 9}, {7, 1, 1}, {4, 7, 1}, {0, 4, 9}, {7, 4, 6}, {5, 0, 7}, {5, 2, 9}, {1, 7, 0}, {3, 4, 2},
    {3, 6, 6}, {7, 1, 2}, {7, 6, 8}, {4, 2, 6}, {8, 4, 6}, {5, 6, 3}, {2, 1, 2}, {2, 3, 3}, {0, 7, 9}, {2, 4, 4},
    {0, 2, 6}, {8, 5, 9}, {9, 5, 2}, {8, 9, 0}, {7, 8, 6}, {6, 6, 6}, {1, 7, 6}, {0, 3, 1}, {3, 7, 2}, {1, 5, 9}};

} // namespace

TEST(Fairness, ChiSquaredTailsMatchThePublishedTable)
{
    // Critical values at 5% and 1%, as printed in the usual tables.
    EXPECT_NEAR(chiSquaredUpperTail(16.919, 9), 0.05, 1e-4);
    EXPECT_NEAR(chiSquaredUpperTail(21.666, 9), 0.01, 1e-4);
    EXPECT_NEAR(chiSquaredUpperTail(5.991, 2), 0.05, 1e-4);
    EXPECT_NEAR(chiSquaredUpperTail(35.172, 23), 0.05, 1e-4);
    // The same to the last places, and with two degrees of freedom the tail is exp(-x/2).
    EXPECT_NEAR(chiSquaredUpperTail(16.919, 9), 0.049999640848349794, 1e-14);
    EXPECT_NEAR(chiSquaredUpperTail(9.0, 9), 0.43727418891386706, 1e-14);
    EXPECT_NEAR(chiSquaredUpperTail(7.3, 2), std::exp(-3.65), 1e-15);
    EXPECT_EQ(chiSquaredUpperTail(3.0, 0), 1.0);
}

TEST(Fairness, SixtyDrawsAgainstIndependentSums)
{
    const FairnessResult r = checkFairness(drawsOf(sixty));
    EXPECT_EQ(r.draws, 60);
    EXPECT_EQ(r.skipped, 0);
    ASSERT_EQ(r.tests.size(), 7u);
    const char* order[] = {"position1", "position2", "position3", "pooled", "sums", "pattern", "repeats"};
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(r.tests[k].name, order[k]);

    EXPECT_NEAR(test(r, "position1").statistic, 6.6666666666666667, 1e-12);
    EXPECT_NEAR(test(r, "position1").p, 0.67177902289518628, 1e-13);
    EXPECT_NEAR(test(r, "position2").statistic, 7.0, 1e-12);
    EXPECT_NEAR(test(r, "position2").p, 0.63711940716939865, 1e-13);
    EXPECT_NEAR(test(r, "position3").statistic, 16.0, 1e-12);
    EXPECT_NEAR(test(r, "position3").p, 0.066881587774126713, 1e-13);
    EXPECT_NEAR(test(r, "pooled").statistic, 7.3333333333333333, 1e-12);
    EXPECT_NEAR(test(r, "pooled").p, 0.60245760913961294, 1e-13);
    for (const char* name : {"position1", "position2", "position3", "pooled"})
        EXPECT_EQ(test(r, name).df, 9);

    // Sixty draws make the bins 0-6, 7-9, 10-11, 12-13, 14-15, 16-17, 18-19, 20-27.
    EXPECT_EQ(sumBins(60), (std::vector<std::pair<int, int>>{
                               {0, 6}, {7, 9}, {10, 11}, {12, 13}, {14, 15}, {16, 17}, {18, 19}, {20, 27}}));
    EXPECT_EQ(test(r, "sums").df, 7);
    EXPECT_NEAR(test(r, "sums").statistic, 2.2207843825490884, 1e-12);
    EXPECT_NEAR(test(r, "sums").p, 0.94661683022756081, 1e-13);

    // 45 all different, 12 with a pair, 3 triples.
    EXPECT_EQ(test(r, "pattern").df, 2);
    EXPECT_NEAR(test(r, "pattern").statistic, 10.763888888888889, 1e-12);
    EXPECT_NEAR(test(r, "pattern").p, 0.004598870981371341, 1e-14);

    // 18 repeats in 177 comparisons: the expected 17.7.
    EXPECT_EQ(test(r, "repeats").statistic, 18.0);
    EXPECT_EQ(test(r, "repeats").df, 177);
    EXPECT_EQ(test(r, "repeats").p, 1.0);

    EXPECT_EQ(r.positionCounts[2][6], 13);
    long long pooled = 0;
    for (long long c : r.pooledCounts)
        pooled += c;
    EXPECT_EQ(pooled, 180);
}

TEST(Fairness, SumBinsCloseAtFiveAndFoldALastSmallBin)
{
    // 731 draws: 0-2 reaches 7.3, then one sum per bin, and 27 (0.7) joins 25-26.
    const auto bins = sumBins(731);
    ASSERT_EQ(bins.size(), 24u);
    EXPECT_EQ(bins.front(), (std::pair<int, int>{0, 2}));
    EXPECT_EQ(bins[1], (std::pair<int, int>{3, 3}));
    EXPECT_EQ(bins.back(), (std::pair<int, int>{25, 27}));
    // Ten draws: exactly 5 expected closes the first bin at 13; the rest is exactly 5 again.
    EXPECT_EQ(sumBins(10), (std::vector<std::pair<int, int>>{{0, 13}, {14, 27}}));
    // One draw: a single bin and nothing to test.
    EXPECT_EQ(sumBins(1), (std::vector<std::pair<int, int>>{{0, 27}}));
    const FairnessResult one = checkFairness(drawsOf({{1, 2, 3}}));
    EXPECT_EQ(test(one, "sums").df, 0);
    EXPECT_EQ(test(one, "sums").p, 1.0);
    // One draw in one position against 0.1 expected per digit: 0.81/0.1 + 9 x 0.01/0.1 = 9.
    EXPECT_NEAR(test(one, "position1").statistic, 9.0, 1e-12);
    EXPECT_NEAR(test(one, "position1").p, 0.43727418891386706, 1e-13);
    EXPECT_EQ(test(one, "repeats").df, 0);
    EXPECT_EQ(test(one, "repeats").p, 1.0);
}

TEST(Fairness, AllEqualDigitsFailThePatternTest)
{
    // d-d-d for d = 0..9: positions even, but all triples: 7.2 + 2.7 + 9.9^2/0.1 = 990.
    std::vector<Triple> triples;
    for (int d = 0; d < 10; ++d)
        triples.push_back({d, d, d});
    const FairnessResult r = checkFairness(drawsOf(triples));
    EXPECT_EQ(test(r, "position1").statistic, 0.0);
    EXPECT_EQ(test(r, "position1").p, 1.0);
    EXPECT_NEAR(test(r, "pattern").statistic, 990.0, 1e-9);
    EXPECT_NEAR(test(r, "pattern").p / 1.0573808917921579e-215, 1.0, 1e-9);
    // No position ever repeats: 2 x 0.9^27.
    EXPECT_EQ(test(r, "repeats").statistic, 0.0);
    EXPECT_NEAR(test(r, "repeats").p, 0.11629947400608012, 1e-14);
    const std::string verdict = fairnessVerdict(r);
    EXPECT_NE(verdict.find("One test (all different, one pair, triple) gave a p-value below 0.007"), std::string::npos)
        << verdict;
    EXPECT_NE(verdict.find("With only 10 draws"), std::string::npos) << verdict;
}

TEST(Fairness, StrayDigitsAreSkippedBeforeEveryTest)
{
    // The repeats test compares the third draw with the first, the one kept before it.
    const FairnessResult r = checkFairness(drawsOf({{1, 2, 3}, {-1, 5, 5}, {1, 2, 3}, {4, 10, 4}}));
    EXPECT_EQ(r.draws, 2);
    EXPECT_EQ(r.skipped, 2);
    EXPECT_EQ(test(r, "repeats").statistic, 3.0);
    EXPECT_EQ(test(r, "repeats").df, 3);
    EXPECT_NEAR(test(r, "repeats").p, 0.002, 1e-15); // 2 x 0.1^3
    EXPECT_EQ(r.positionCounts[1][5], 0);
    EXPECT_NE(fairnessVerdict(r).find("2 draws were left out for a digit outside 0 to 9."), std::string::npos);

    const FairnessResult none = checkFairness(drawsOf({{-1, 2, 3}}));
    EXPECT_EQ(none.draws, 0);
    for (const auto& t : none.tests)
        EXPECT_EQ(t.p, 1.0) << t.name;
    EXPECT_EQ(fairnessVerdict(none), "There are no draws with digits 0 to 9 to test.");
}

TEST(Fairness, VerdictAllowsForSevenTests)
{
    FairnessResult r;
    r.draws = 731;
    for (const char* name : {"position1", "position2", "position3", "pooled", "sums", "pattern", "repeats"})
        r.tests.push_back({name, 1.0, 9, 0.5});
    EXPECT_EQ(fairnessVerdict(r),
              "None of the 7 tests found anything unusual: the draws look like fair random digits.");
    r.tests[4].p = 0.03;
    EXPECT_EQ(fairnessVerdict(r),
              "One test (digit sums) gave a p-value below 0.05. With 7 tests, one p-value below 0.05 turns up by "
              "luck about 3 times in 10, even with fair draws, so this is no sign of an unfair draw; a test would "
              "need a p-value below 0.007 to stand out.");
    EXPECT_NEAR(falseAlarmChance(6), 0.2649081, 1e-7);
    EXPECT_NEAR(falseAlarmChance(7), 0.3016627, 1e-7);
}

TEST(Fairness, VerdictWarnsOfTooFewDrawsBelowAHundred)
{
    const struct {
        long long draws;
        const char* warning; // nullptr: none
    } cases[] = {
        {1, " With only 1 draw, these tests can miss even large departures from fair digits."},
        {99, " With only 99 draws, these tests can miss even large departures from fair digits."},
        {100, nullptr},
        {731, nullptr},
    };
    for (const auto& c : cases) {
        FairnessResult r;
        r.draws = c.draws;
        for (const char* name : {"position1", "position2", "position3", "pooled", "sums", "pattern", "repeats"})
            r.tests.push_back({name, 1.0, 9, 0.5});
        const std::string verdict = fairnessVerdict(r);
        if (c.warning)
            EXPECT_EQ(verdict, "None of the 7 tests found anything unusual: the draws look like fair random digits." +
                                   std::string(c.warning));
        else
            EXPECT_EQ(verdict.find("With only"), std::string::npos) << c.draws << ": " << verdict;
    }
}

TEST(Fairness, JsonHasTheAgreedShape)
{
    const FairnessResult r = checkFairness(drawsOf({{1, 2, 3}, {1, 5, 6}}));
    const std::string json = fairnessJson(r);
    EXPECT_EQ(json.rfind("{\"draws\": 2, \"skipped\": 0, \"tests\": [{\"name\": \"position1\", \"statistic\": ", 0), 0u)
        << json;
    EXPECT_NE(json.find("{\"name\": \"repeats\", \"statistic\": 1, \"df\": 3, \"p\": "), std::string::npos) << json;
    EXPECT_EQ(json.back(), '}');

    TempFolder dir;
    writeDatabase(dir / "ga.c3d", drawsOf(sixty));
    const std::string command = std::string("'") + QUOR3_ENGINE_CLI + "' fairness '" + (dir / "ga.c3d").string() + "'";
    for (const bool asJson : {true, false}) {
        FILE* pipe = popen((command + (asJson ? " --json" : "")).c_str(), "r");
        std::string out;
        char buffer[4096];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        const int status = pclose(pipe);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        const FairnessResult expected = checkFairness(drawsOf(sixty));
        EXPECT_EQ(out, asJson ? fairnessJson(expected) + "\n" : fairnessTable(expected, "ga.c3d"));
    }
}
