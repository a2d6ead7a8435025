#pragma once

#include "engine/Choices.h"
#include "engine/DrawRecord.h"
#include "engine/HitDistribution.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quor3
{

// The odd/even digits of the backtest come from this seed unless the user picks another.
constexpr std::uint32_t DefaultBacktestSeed = 1;

// The seven lists in the order of the match check: hot, cold, warm, oddeven,
// ordinal, pairs, repeats.
constexpr int ChoiceLists = 7;
const std::array<const char*, ChoiceLists>& choiceListNames();

// How the plays of one list (or of all of them) did against the draws that followed.
struct PlayScore {
    std::string name;
    long long plays = 0;
    long long boxHits = 0;
    long long straightHits = 0;
    PlaysByChance playsByChance{};
    double expectedBox = 0.0;
    double expectedStraight = 0.0;
    // Two-sided, under the exact distribution of box hits of plays picked at random.
    double pBox = 1.0;
    // The 95% range of that distribution: its 2.5% and 97.5% quantiles.
    long long lowBox = 0;
    long long highBox = 0;
};

// The running totals after one tested draw, for the chart.
struct BacktestStep {
    long long drawIndex = 0;
    long long tested = 0;     // draws tested up to and including this one
    long long boxHits = 0;    // all lists, up to and including this draw
    double expectedBox = 0.0; // what plays picked at random would have scored by then
    long long lowBox = 0;     // the 95% range of such plays' box hits by then
    long long highBox = 0;
};

struct BacktestResult {
    long long from = 1;
    long long tested = 0;
    std::uint32_t seed = DefaultBacktestSeed;
    std::array<PlayScore, ChoiceLists> lists;
    PlayScore total;
    // The chart's points: every tested draw of a short history; of a longer
    // one every so many, at most MaxBacktestSteps, always with the last.
    std::vector<BacktestStep> steps;
    bool stopped = false; // ended early on request: the figures are not whole
};

// About one point for every three pixels across the chart: more would only
// cost time to draw, however long the history.
constexpr long long MaxBacktestSteps = 240;

// The odd/even digits of the choices made before draw i.
ReproducibleDigits backtestDigits(std::uint32_t seed, long long drawIndex);

// Draw by draw from `from` to the last: the 33 choices a rebuild of the draws
// before it writes (its odd/even digits from backtestDigits), compared with the
// draw. Nothing is written. `from` below 1 counts as 1; a history of no more
// than `from` draws tests nothing. A draw with a digit outside 0 to 9 is no
// real draw and is not tested, but its digits count towards later choices as
// they do in a rebuild. `inspect` sees the choices of every tested draw.
// When `stop` turns true (another thread's wish: its window has closed) the
// backtest ends early and its result says so.
BacktestResult backtest(const std::vector<DrawRecord>& draws, long long from = 1,
                        std::uint32_t seed = DefaultBacktestSeed,
                        const std::function<void(long long drawIndex, const ComputerChoices&)>& inspect = {},
                        const std::atomic<bool>* stop = nullptr);

// The result in a few plain sentences, with the chance that a p-value below
// 0.05 in one of seven lists is luck.
std::string backtestVerdict(const BacktestResult& result);

// The command line's forms: a text table, or one JSON object.
std::string backtestTable(const BacktestResult& result, const std::string& databaseName);
std::string backtestJson(const BacktestResult& result, const std::string& databaseName);

} // namespace quor3
