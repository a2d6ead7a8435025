#include "engine/Backtest.h"

#include "engine/JsonText.h"
#include "engine/Winners.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace quor3
{

const std::array<const char*, ChoiceLists>& choiceListNames()
{
    static const std::array<const char*, ChoiceLists> names = {"hot",     "cold",  "warm",   "oddeven",
                                                               "ordinal", "pairs", "repeats"};
    return names;
}

ReproducibleDigits backtestDigits(std::uint32_t seed, long long drawIndex)
{
    return ReproducibleDigits(seed, static_cast<std::uint32_t>(drawIndex));
}

namespace
{

bool realDraw(const DrawRecord& draw)
{
    auto digit = [](std::int32_t d) { return d >= 0 && d <= 9; };
    return digit(draw.Digit1) && digit(draw.Digit2) && digit(draw.Digit3);
}

// The distribution of the box hits of all plays so far, brought up to date
// at each point of the chart for its band. Terms below 1e-12 are dropped at both
// ends, less than a billionth in all over 731 draws: a count of the band could
// move only where a running sum came that close to 2.5% or 97.5%, and the
// tails would otherwise make every update grow with the history. The table's
// ranges and p-values come from the exact HitDistribution.
class RunningHits
{
  public:
    void add(const PlaysByChance& plays)
    {
        const Terms& terms = ofPlays(plays);
        const std::vector<double>& step = terms.pmf;
        // One pass over the running terms per term of the draw's own: long, even loops.
        std::vector<double> next(pmf_.size() + step.size() - 1, 0.0);
        for (std::size_t j = 0; j < step.size(); ++j) {
            const double weight = step[j];
            double* out = next.data() + j;
            for (std::size_t i = 0; i < pmf_.size(); ++i)
                out[i] += pmf_[i] * weight;
        }
        std::size_t first = 0, last = next.size();
        while (first + 1 < last && next[first] < Trim)
            ++first;
        while (last - 1 > first && next[last - 1] < Trim)
            --last;
        offset_ += terms.offset + static_cast<long long>(first);
        pmf_.assign(next.begin() + static_cast<std::ptrdiff_t>(first),
                    next.begin() + static_cast<std::ptrdiff_t>(last));
    }

    long long quantile(double q) const
    {
        double sum = 0.0;
        for (std::size_t k = 0; k < pmf_.size(); ++k) {
            sum += pmf_[k];
            if (sum >= q)
                return offset_ + static_cast<long long>(k);
        }
        return offset_ + static_cast<long long>(pmf_.size()) - 1;
    }

  private:
    static constexpr double Trim = 1e-12;

    // The plays of one draw, or of the draws between two points of the chart:
    // three binomial counts. The same few mixes come back draw after draw.
    struct Terms {
        long long offset = 0; // the count of the first term
        std::vector<double> pmf;
    };

    const Terms& ofPlays(const PlaysByChance& plays)
    {
        auto found = perDraw_.find(plays);
        if (found != perDraw_.end())
            return found->second;
        std::vector<double> pmf{1.0};
        for (int c = 0; c < 3; ++c)
            pmf = convolve(pmf, binomialTerms(plays[c], probability(static_cast<BoxChance>(c))));
        std::size_t first = 0, last = pmf.size();
        while (first + 1 < last && pmf[first] < Trim)
            ++first;
        while (last - 1 > first && pmf[last - 1] < Trim)
            --last;
        std::vector<double> kept(pmf.begin() + static_cast<std::ptrdiff_t>(first),
                                 pmf.begin() + static_cast<std::ptrdiff_t>(last));
        return perDraw_.emplace(plays, Terms{static_cast<long long>(first), std::move(kept)}).first->second;
    }

    std::vector<double> pmf_{1.0}; // pmf_[k] = P(hits = offset_ + k)
    long long offset_ = 0;
    std::map<PlaysByChance, Terms> perDraw_;
};

void finish(PlayScore& score)
{
    score.expectedBox = expectedBoxHits(score.playsByChance);
    score.expectedStraight = static_cast<double>(score.plays) / 1000.0;
    const HitDistribution chance(score.playsByChance);
    score.pBox = chance.twoSidedP(score.boxHits);
    score.lowBox = chance.quantile(0.025);
    score.highBox = chance.quantile(0.975);
}

} // namespace

BacktestResult backtest(const std::vector<DrawRecord>& draws, long long from, std::uint32_t seed,
                        const std::function<void(long long drawIndex, const ComputerChoices&)>& inspect,
                        const std::atomic<bool>* stop)
{
    BacktestResult result;
    result.from = std::max(from, 1LL);
    result.seed = seed;
    for (int l = 0; l < ChoiceLists; ++l)
        result.lists[l].name = choiceListNames()[l];
    result.total.name = "total";

    ChoiceCounts counts;
    RunningHits running;
    const long long n = static_cast<long long>(draws.size());
    long long toTest = 0;
    for (long long i = result.from; i < n; ++i)
        toTest += realDraw(draws[static_cast<std::size_t>(i)]) ? 1 : 0;
    // Every stride-th tested draw is a point of the chart, and the last one.
    const long long stride = std::max(1LL, (toTest + MaxBacktestSteps - 1) / MaxBacktestSteps);
    result.steps.reserve(static_cast<std::size_t>(std::min(toTest, MaxBacktestSteps + 1)));
    PlaysByChance sinceLastStep{};
    for (long long i = 0; i < n; ++i) {
        if (stop && i % 1024 == 0 && stop->load(std::memory_order_relaxed)) {
            result.stopped = true;
            return result;
        }
        const DrawRecord& draw = draws[static_cast<std::size_t>(i)];
        if (i >= result.from && realDraw(draw)) {
            ReproducibleDigits digits = backtestDigits(seed, i);
            const ComputerChoices choices = makeChoices(counts, digits);
            if (inspect)
                inspect(i, choices);
            const std::array<Play, 5> ordinal = choices.ordinalPlays();
            const std::pair<const Play*, std::size_t> lists[ChoiceLists] = {
                {choices.hot.data(), choices.hot.size()},
                {choices.cold.data(), choices.cold.size()},
                {choices.warm.data(), choices.warm.size()},
                {choices.oddEven.data(), choices.oddEven.size()},
                {ordinal.data(), ordinal.size()},
                {choices.pairs.data(), choices.pairs.size()},
                {choices.repeats.data(), choices.repeats.size()},
            };
            PlaysByChance drawPlays{};
            for (int l = 0; l < ChoiceLists; ++l) {
                PlayScore& score = result.lists[l];
                for (std::size_t k = 0; k < lists[l].second; ++k) {
                    const Play& play = lists[l].first[k];
                    const int chance = static_cast<int>(boxChanceOf(play));
                    ++score.plays;
                    ++score.playsByChance[chance];
                    ++drawPlays[chance];
                    if (sameDigitsAnyOrder(draw.Digit1, draw.Digit2, draw.Digit3, play.first, play.second, play.third))
                        ++score.boxHits;
                    if (play.first == draw.Digit1 && play.second == draw.Digit2 && play.third == draw.Digit3)
                        ++score.straightHits;
                }
            }
            ++result.tested;
            for (int c = 0; c < 3; ++c) {
                result.total.playsByChance[c] += drawPlays[c];
                sinceLastStep[c] += drawPlays[c];
            }
            if (result.tested % stride == 0 || result.tested == toTest) {
                long long hits = 0;
                for (const auto& score : result.lists)
                    hits += score.boxHits;
                running.add(sinceLastStep);
                sinceLastStep = {};
                BacktestStep step;
                step.drawIndex = i;
                step.tested = result.tested;
                step.boxHits = hits;
                step.expectedBox = expectedBoxHits(result.total.playsByChance);
                step.lowBox = running.quantile(0.025);
                step.highBox = running.quantile(0.975);
                result.steps.push_back(step);
            }
        }
        counts.add(draw);
    }

    for (auto& score : result.lists) {
        result.total.plays += score.plays;
        result.total.boxHits += score.boxHits;
        result.total.straightHits += score.straightHits;
        finish(score);
    }
    finish(result.total);
    return result;
}

namespace
{

std::string times(long long count)
{
    return std::to_string(count) + (count == 1 ? " time" : " times");
}

std::string about(double expected)
{
    char text[32];
    if (expected < 10.0)
        std::snprintf(text, sizeof text, "%.1f", expected);
    else
        std::snprintf(text, sizeof text, "%lld", std::llround(expected));
    return text;
}

// "about 3 of 100": how often luck alone gives a result this far from the expectation.
std::string luckRate(double p)
{
    const long long perHundred = std::max(1LL, std::llround(p * 100.0));
    if (p < 0.01)
        return "fewer than 1 of 100";
    return "about " + std::to_string(perHundred) + " of 100";
}

std::string pPhrase(double p)
{
    return p < 0.001 ? "p < 0.001" : "p = " + pValueText(p);
}

const char* listWords(int list)
{
    static const char* const words[ChoiceLists] = {"hot", "cold", "warm", "odd/even", "ordinal", "pairs", "% repeats"};
    return words[list];
}

} // namespace

std::string backtestVerdict(const BacktestResult& r)
{
    if (r.tested == 0)
        return "No draws were tested. The backtest compares each draw from draw " + std::to_string(r.from + 1) +
               " on with the choices made from the draws before it, so it needs at least " +
               std::to_string(r.from + 1) + " draws.";
    const PlayScore& t = r.total;
    std::string text = "Over " + std::to_string(r.tested) + (r.tested == 1 ? " draw" : " draws") +
                       " the 33 daily choices matched " + times(t.boxHits) +
                       "; plays picked at random would match about " + about(t.expectedBox) + " times (95% range " +
                       std::to_string(t.lowBox) + "-" + std::to_string(t.highBox) + ").";
    if (t.pBox >= 0.05)
        text += " The choices did no better than chance.";
    else if (static_cast<double>(t.boxHits) > t.expectedBox)
        text += " That is more than random plays usually manage (" + pPhrase(t.pBox) +
                "), but luck alone does this in " + luckRate(t.pBox) +
                " histories; it does not show that the choices can predict a draw.";
    else
        text += " That is fewer than random plays usually manage (" + pPhrase(t.pBox) + "); luck alone does this in " +
                luckRate(t.pBox) + " histories.";

    std::string names, values;
    int unusual = 0, above = 0;
    std::vector<int> lists;
    for (int l = 0; l < ChoiceLists; ++l)
        if (r.lists[l].plays > 0 && r.lists[l].pBox < 0.05)
            lists.push_back(l);
    for (std::size_t k = 0; k < lists.size(); ++k) {
        const PlayScore& s = r.lists[lists[k]];
        const char* joint = k == 0 ? "" : (k + 1 == lists.size() ? " and " : ", ");
        names += joint + std::string(listWords(lists[k]));
        values += joint + pPhrase(s.pBox);
        ++unusual;
        above += static_cast<double>(s.boxHits) > s.expectedBox;
    }
    if (unusual > 0) {
        const char* how = above == unusual ? "more often than chance would usually give"
                          : above == 0     ? "less often than chance would usually give"
                                           : "further from chance than usual";
        text += " The " + names + (unusual == 1 ? " list" : " lists") + " matched " + how + " (" + values +
                "), but with seven lists, one such result turns up by luck in about one run in three.";
    }
    return text;
}

std::string backtestTable(const BacktestResult& r, const std::string& databaseName)
{
    std::string out = "Backtest of " + databaseName + ": " + std::to_string(r.tested) + " draws tested from draw " +
                      std::to_string(r.from + 1) + " on, odd/even seed " + std::to_string(r.seed) + "\n\n";
    char line[160];
    std::snprintf(line, sizeof line, "%-8s %7s %9s %9s %9s %9s %8s\n", "list", "plays", "box hits", "expected",
                  "straight", "expected", "p (box)");
    out += line;
    auto row = [&](const PlayScore& s) {
        std::snprintf(line, sizeof line, "%-8s %7lld %9lld %9.1f %9lld %9.1f %8s\n", s.name.c_str(), s.plays, s.boxHits,
                      s.expectedBox, s.straightHits, s.expectedStraight, pValueText(s.pBox).c_str());
        out += line;
    };
    for (const auto& s : r.lists)
        row(s);
    row(r.total);
    out += "\n95% range of the total box hits of plays picked at random: " + std::to_string(r.total.lowBox) + "-" +
           std::to_string(r.total.highBox) + "\n\n" + backtestVerdict(r) + "\n";
    return out;
}

std::string backtestJson(const BacktestResult& r, const std::string& databaseName)
{
    auto fields = [](const PlayScore& s) {
        return "\"plays\": " + std::to_string(s.plays) + ", \"boxHits\": " + std::to_string(s.boxHits) +
               ", \"straightHits\": " + std::to_string(s.straightHits) +
               ", \"expectedBox\": " + jsonNumber(s.expectedBox) +
               ", \"expectedStraight\": " + jsonNumber(s.expectedStraight) + ", \"pBox\": " + jsonNumber(s.pBox);
    };
    std::string out = "{\"database\": " + jsonString(databaseName) + ", \"from\": " + std::to_string(r.from) +
                      ", \"tested\": " + std::to_string(r.tested) + ", \"seed\": " + std::to_string(r.seed) +
                      ", \"categories\": [";
    for (std::size_t l = 0; l < r.lists.size(); ++l)
        out +=
            std::string(l ? ", " : "") + "{\"name\": " + jsonString(r.lists[l].name) + ", " + fields(r.lists[l]) + "}";
    out += "], \"total\": {" + fields(r.total) + "}}";
    return out;
}

} // namespace quor3
