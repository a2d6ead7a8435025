#include "engine/Backtest.h"

#include "engine/JsonText.h"
#include "engine/Text.h"
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
    return fill(count == 1 ? translate("quor3::Backtest", "%1 time") : translate("quor3::Backtest", "%1 times"),
                {std::to_string(count)});
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
        return translate("quor3::Backtest", "fewer than 1 of 100");
    return fill(translate("quor3::Backtest", "about %1 of 100"), {std::to_string(perHundred)});
}

std::string pPhrase(double p)
{
    return p < 0.001 ? "p < 0.001" : "p = " + pValueText(p);
}

std::string listWords(int list)
{
    static const char* const words[ChoiceLists] = {
        QT_TRANSLATE_NOOP("quor3::Backtest", "hot"),      QT_TRANSLATE_NOOP("quor3::Backtest", "cold"),
        QT_TRANSLATE_NOOP("quor3::Backtest", "warm"),     QT_TRANSLATE_NOOP("quor3::Backtest", "odd/even"),
        QT_TRANSLATE_NOOP("quor3::Backtest", "ordinal"),  QT_TRANSLATE_NOOP("quor3::Backtest", "pairs"),
        QT_TRANSLATE_NOOP("quor3::Backtest", "% repeats")};
    return translate("quor3::Backtest", words[list]);
}

} // namespace

std::string backtestVerdict(const BacktestResult& r)
{
    if (r.tested == 0)
        return fill(translate("quor3::Backtest", "No draws were tested. The backtest compares each draw from draw %1 "
                                                 "on with the choices made from the draws before it, so it needs at "
                                                 "least %1 draws."),
                    {std::to_string(r.from + 1)});
    const PlayScore& t = r.total;
    std::string text = fill(r.tested == 1 ? translate("quor3::Backtest", "Over %1 draw the 33 daily choices matched "
                                                                         "%2; plays picked at random would match about "
                                                                         "%3 times (95% range %4-%5).")
                                          : translate("quor3::Backtest", "Over %1 draws the 33 daily choices matched "
                                                                         "%2; plays picked at random would match about "
                                                                         "%3 times (95% range %4-%5)."),
                            {std::to_string(r.tested), times(t.boxHits), about(t.expectedBox), std::to_string(t.lowBox),
                             std::to_string(t.highBox)});
    if (t.pBox >= 0.05)
        text += translate("quor3::Backtest", " The choices did no better than chance.");
    else if (static_cast<double>(t.boxHits) > t.expectedBox)
        text += fill(translate("quor3::Backtest", " That is more than random plays usually manage (%1), but luck alone "
                                                  "does this in %2 histories; it does not show that the choices can "
                                                  "predict a draw."),
                     {pPhrase(t.pBox), luckRate(t.pBox)});
    else
        text += fill(translate("quor3::Backtest", " That is fewer than random plays usually manage (%1); luck alone "
                                                  "does this in %2 histories."),
                     {pPhrase(t.pBox), luckRate(t.pBox)});

    std::string names, values;
    int unusual = 0, above = 0;
    std::vector<int> lists;
    for (int l = 0; l < ChoiceLists; ++l)
        if (r.lists[l].plays > 0 && r.lists[l].pBox < 0.05)
            lists.push_back(l);
    for (std::size_t k = 0; k < lists.size(); ++k) {
        const PlayScore& s = r.lists[lists[k]];
        const std::string joint = k == 0 ? "" : (k + 1 == lists.size() ? translate("quor3::Backtest", " and ") : ", ");
        names += joint + listWords(lists[k]);
        values += joint + pPhrase(s.pBox);
        ++unusual;
        above += static_cast<double>(s.boxHits) > s.expectedBox;
    }
    if (unusual > 0) {
        const std::string how = above == unusual
                                    ? translate("quor3::Backtest", "more often than chance would usually give")
                                : above == 0 ? translate("quor3::Backtest", "less often than chance would usually give")
                                             : translate("quor3::Backtest", "further from chance than usual");
        text += fill(unusual == 1 ? translate("quor3::Backtest", " The %1 list matched %2 (%3), but with seven lists, "
                                                                 "one such result turns up by luck in about one run in "
                                                                 "three.")
                                  : translate("quor3::Backtest", " The %1 lists matched %2 (%3), but with seven lists, "
                                                                 "one such result turns up by luck in about one run in "
                                                                 "three."),
                     {names, how, values});
    }
    return text;
}

std::string backtestTable(const BacktestResult& r, const std::string& databaseName)
{
    std::string out =
        fill(translate("quor3::Backtest", "Backtest of %1: %2 draws tested from draw %3 on, odd/even seed %4"),
             {databaseName, std::to_string(r.tested), std::to_string(r.from + 1), std::to_string(r.seed)}) +
        "\n\n";
    char line[160];
    // The headings are as wide as their columns in every language.
    std::snprintf(line, sizeof line, "%-8s %7s %9s %9s %9s %9s %8s\n", translate("quor3::Backtest", "list").c_str(),
                  translate("quor3::Backtest", "plays").c_str(), translate("quor3::Backtest", "box hits").c_str(),
                  translate("quor3::Backtest", "expected").c_str(), translate("quor3::Backtest", "straight").c_str(),
                  translate("quor3::Backtest", "expected").c_str(), translate("quor3::Backtest", "p (box)").c_str());
    out += line;
    auto row = [&](const PlayScore& s) {
        std::snprintf(line, sizeof line, "%-8s %7lld %9lld %9.1f %9lld %9.1f %8s\n", s.name.c_str(), s.plays, s.boxHits,
                      s.expectedBox, s.straightHits, s.expectedStraight, pValueText(s.pBox).c_str());
        out += line;
    };
    for (const auto& s : r.lists)
        row(s);
    row(r.total);
    out += "\n" +
           fill(translate("quor3::Backtest", "95% range of the total box hits of plays picked at random: %1-%2"),
                {std::to_string(r.total.lowBox), std::to_string(r.total.highBox)}) +
           "\n\n" + backtestVerdict(r) + "\n";
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
