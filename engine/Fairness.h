#pragma once

#include "engine/DrawRecord.h"

#include <array>
#include <string>
#include <vector>

namespace quor3
{

// One test of the draws against fair random digits.
struct FairnessTest {
    std::string name; // position1, position2, position3, pooled, sums, pattern, repeats
    double statistic = 0.0;
    long long df = 0;
    double p = 1.0;
};

struct FairnessResult {
    long long draws = 0;   // the draws tested: all three digits from 0 to 9
    long long skipped = 0; // the others, left out before any test
    // Digit counts of positions 1, 2 and 3, and of all positions together.
    std::array<std::array<long long, 10>, 3> positionCounts{};
    std::array<long long, 10> pooledCounts{};
    std::vector<FairnessTest> tests;
};

// Chi-squared tests of each position's digits, of all digits pooled, of the
// digit sums and of the mix of patterns (all different, one pair, triple)
// against fair digits, and an exact binomial test of how often a position
// repeats the draw before. Each test gives statistic, degrees of freedom and
// p-value; for repeats, the statistic is the number of repeats and the degrees
// of freedom the number of comparisons. A test with nothing to compare gives
// p = 1.
FairnessResult checkFairness(const std::vector<DrawRecord>& draws);

// P(chi-squared with df degrees of freedom >= statistic); 1 when df is 0.
double chiSquaredUpperTail(double statistic, long long df);

// The ways three fair digits add up to each sum 0..27, out of 1000.
const std::array<int, 28>& sumWays();

// The bins of the sums test for this many draws: scanning from sum 0 upward, a
// bin closes as soon as its expected count reaches 5, and a last bin below 5
// joins the one before it. Each bin is its first and last sum.
std::vector<std::pair<int, int>> sumBins(long long draws);

// What a test looks at, for tables: "digits in the first position" and so on.
std::string fairnessTestTitle(const std::string& name);

// How often, among k independent tests of fair draws, at least one p-value
// falls below 0.05 by luck: 1 - 0.95^k.
double falseAlarmChance(int tests);

// A plain verdict that allows for running several tests at once.
std::string fairnessVerdict(const FairnessResult& result);

// The command line's forms: a text table, or one JSON object.
std::string fairnessTable(const FairnessResult& result, const std::string& databaseName);
std::string fairnessJson(const FairnessResult& result);

} // namespace quor3
