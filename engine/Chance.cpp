#include "engine/Chance.h"

#include "engine/Analysis.h"
#include "engine/Backtest.h"
#include "engine/Fairness.h"
#include "engine/HitDistribution.h"
#include "engine/JsonText.h"
#include "engine/Text.h"

#include <boost/math/distributions/binomial.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace quor3
{

namespace
{

using Digits = std::array<int, 3>;

constexpr double Tail = 0.025; // each side of the 95% range

std::string tx(const char* text)
{
    return translate("quor3::Chance", text);
}

std::string percentText(double share)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", share * 100.0);
    return text;
}

std::string countText(double count)
{
    char text[32];
    if (std::abs(count - std::round(count)) < 1e-9)
        std::snprintf(text, sizeof text, "%.0f", count);
    else
        std::snprintf(text, sizeof text, "%.1f", count);
    return text;
}

void finish(ChanceRow& row)
{
    row.outside = row.seen < row.low - 1e-12 || row.seen > row.high + 1e-12;
    row.verdict = row.trials > 0 ? chanceVerdict(row.outside, row.p) : translate("quor3::Chance", "no draws to count");
}

// `count` events in `trials` independent trials of chance `p`. The range is
// the narrowest with at most 2.5 in 100 of chance's counts below it and above
// it, so that it holds at least 95 in 100.
ChanceRow binomialRow(std::string id, std::string title, long long trials, long long count, double p)
{
    ChanceRow row;
    row.id = std::move(id);
    row.title = std::move(title);
    row.trials = trials;
    row.chance = p;
    if (trials <= 0) {
        finish(row);
        return row;
    }
    const boost::math::binomial_distribution<double> chance(static_cast<double>(trials), p);
    // Boost rounds its quantiles outwards; the range is the narrowest with
    // at most 2.5 in 100 below it and above it.
    double low = boost::math::quantile(chance, Tail);
    while (low < static_cast<double>(trials) && boost::math::cdf(chance, low) <= Tail)
        ++low;
    double high = boost::math::quantile(boost::math::complement(chance, Tail));
    while (high > 0 && boost::math::cdf(boost::math::complement(chance, high - 1)) <= Tail)
        --high;
    const double n = static_cast<double>(trials);
    row.seen = static_cast<double>(count) / n;
    row.low = low / n;
    row.high = high / n;
    const double atMost = boost::math::cdf(chance, static_cast<double>(count));
    const double atLeast =
        count == 0 ? 1.0 : boost::math::cdf(boost::math::complement(chance, static_cast<double>(count - 1)));
    row.p = twoSidedP(atMost, atLeast);
    row.pOutside =
        (low > 0 ? boost::math::cdf(chance, low - 1) : 0.0) + boost::math::cdf(boost::math::complement(chance, high));
    finish(row);
    return row;
}

// A count with the exact distribution `pmf` (P(X = k), k from 0).
ChanceRow distributionRow(std::string id, std::string title, long long trials, long long count,
                          const std::vector<double>& pmf)
{
    ChanceRow row;
    row.id = std::move(id);
    row.title = std::move(title);
    row.trials = trials;
    row.share = false;
    row.seen = static_cast<double>(count);
    std::vector<double> below(pmf.size() + 1, 0.0); // below[k] = P(X < k)
    for (std::size_t k = 0; k < pmf.size(); ++k) {
        below[k + 1] = below[k] + pmf[k];
        row.chance += static_cast<double>(k) * pmf[k];
    }
    const double total = below.back();
    const auto atMost = [&](long long k) { return k < 0 ? 0.0 : below[std::min<std::size_t>(k + 1, pmf.size())]; };
    const auto above = [&](long long k) { return std::max(0.0, total - atMost(k)); };
    long long low = 0;
    while (low + 1 < static_cast<long long>(pmf.size()) && atMost(low) <= Tail)
        ++low;
    long long high = static_cast<long long>(pmf.size()) - 1;
    while (high > 0 && above(high - 1) <= Tail)
        --high;
    row.low = static_cast<double>(low);
    row.high = static_cast<double>(high);
    row.p = twoSidedP(atMost(count), above(count - 1));
    row.pOutside = atMost(low - 1) + above(high);
    finish(row);
    return row;
}

// P(X = c) of the count of one digit among r slots shared by k equally
// likely digits: binomial(r, 1/k), for k up to 10 and r up to `slots`.
using SlotTerms = std::vector<std::vector<std::vector<double>>>;
SlotTerms slotTerms(int slots)
{
    SlotTerms terms(11);
    for (int k = 2; k <= 10; ++k)
        for (int r = 0; r <= slots; ++r) {
            const boost::math::binomial_distribution<double> first(r, 1.0 / k);
            std::vector<double> row(static_cast<std::size_t>(r) + 1);
            for (int c = 0; c <= r; ++c)
                row[static_cast<std::size_t>(c)] = boost::math::pdf(first, c);
            terms[static_cast<std::size_t>(k)].push_back(std::move(row));
        }
    return terms;
}

// P(each of ten equally likely digits is drawn at most `m` times in `slots`
// digits), for the largest count, or at least `m` times, for the smallest: a
// multinomial taken one digit at a time.
double allCounts(const SlotTerms& terms, int slots, int m, bool atMost)
{
    const auto fits = [&](int c) { return atMost ? c <= m : c >= m; };
    // f[r]: the chance for the digits still to come, over r slots.
    std::vector<double> f(static_cast<std::size_t>(slots) + 1);
    for (int r = 0; r <= slots; ++r)
        f[static_cast<std::size_t>(r)] = fits(r) ? 1.0 : 0.0;
    for (int k = 2; k <= 10; ++k) {
        std::vector<double> next(f.size(), 0.0);
        for (int r = 0; r <= slots; ++r) {
            const std::vector<double>& first = terms[static_cast<std::size_t>(k)][static_cast<std::size_t>(r)];
            double sum = 0.0;
            for (int c = 0; c <= r; ++c)
                if (fits(c))
                    sum += first[static_cast<std::size_t>(c)] * f[static_cast<std::size_t>(r - c)];
            next[static_cast<std::size_t>(r)] = sum;
        }
        f = std::move(next);
    }
    return f[static_cast<std::size_t>(slots)];
}

// The distribution of the largest (hottest) or smallest (coldest) of the ten
// digit counts over `slots` digits.
std::vector<double> extremeCountPmf(int slots, bool largest)
{
    const SlotTerms terms = slotTerms(slots);
    std::vector<double> pmf(static_cast<std::size_t>(slots) + 1, 0.0);
    if (largest) {
        double before = 0.0; // P(max <= m - 1)
        for (int m = 0; m <= slots; ++m) {
            const double upTo = allCounts(terms, slots, m, true);
            pmf[static_cast<std::size_t>(m)] = upTo - before;
            before = upTo;
        }
    } else {
        double from = 1.0; // P(min >= m)
        for (int m = 0; m <= slots; ++m) {
            const double fromNext = allCounts(terms, slots, m + 1, false);
            pmf[static_cast<std::size_t>(m)] = from - fromNext;
            from = fromNext;
        }
    }
    return pmf;
}

bool holds(const Digits& d, int digit)
{
    return d[0] == digit || d[1] == digit || d[2] == digit;
}

int distinct(const Digits& d)
{
    return d[0] == d[1] && d[1] == d[2] ? 1 : (d[0] == d[1] || d[0] == d[2] || d[1] == d[2] ? 2 : 3);
}

// The suggested lists by the names the Computer Choices window gives them.
const char* listTitle(const std::string& name)
{
    static const std::array<std::pair<const char*, const char*>, ChoiceLists + 1> titles = {
        std::pair{"hot", QT_TRANSLATE_NOOP("quor3::Chance", "Box hits of the Hot Numbers suggestions")},
        std::pair{"cold", QT_TRANSLATE_NOOP("quor3::Chance", "Box hits of the Cold Numbers suggestions")},
        std::pair{"warm", QT_TRANSLATE_NOOP("quor3::Chance", "Box hits of the Warm Numbers suggestions")},
        std::pair{"oddeven", QT_TRANSLATE_NOOP("quor3::Chance", "Box hits of the Odd/Even suggestions")},
        std::pair{"ordinal", QT_TRANSLATE_NOOP("quor3::Chance", "Box hits of the Ordinal suggestions")},
        std::pair{"pairs", QT_TRANSLATE_NOOP("quor3::Chance", "Box hits of the Pairs suggestions")},
        std::pair{"repeats", QT_TRANSLATE_NOOP("quor3::Chance", "Box hits of the Pct. Repeats suggestions")},
        std::pair{"total", QT_TRANSLATE_NOOP("quor3::Chance", "Box hits of all the suggestions")}};
    for (const auto& [word, title] : titles)
        if (name == word)
            return title;
    return titles.back().second;
}

std::string digitWord(int d)
{
    return std::to_string(d);
}

} // namespace

// ---------------------------------------------------------------- exact chances

double sumChance(int lowSum, int highSum)
{
    int ways = 0;
    for (int s = std::max(lowSum, 0); s <= std::min(highSum, 27); ++s)
        ways += sumWays()[static_cast<std::size_t>(s)];
    return ways / 1000.0;
}

double oddCountChance(int odd)
{
    static const double ways[4] = {1, 3, 3, 1};
    return odd < 0 || odd > 3 ? 0.0 : ways[odd] / 8.0;
}

double distinctDigitsChance(int distinctDigits)
{
    switch (distinctDigits) {
    case 3: return 720 / 1000.0; // 10 * 9 * 8
    case 2: return 270 / 1000.0; // 3 places for the odd one out, 10 * 9 digits
    case 1: return 10 / 1000.0;
    default: return 0.0;
    }
}

double holdsDigitChance()
{
    return 1.0 - 0.729; // 9 * 9 * 9 numbers without it
}

double pairChance(int a, int b)
{
    if (a == b)
        return (3 * 9 + 1) / 1000.0;        // twice in one of 3 ways with another digit, or three times
    return (1000 - 2 * 729 + 512) / 1000.0; // neither missing
}

double sharesDigitChance()
{
    // The second draw misses all of the first's d different digits in (10 - d)^3 of 1,000.
    double none = 0.0;
    for (int d = 1; d <= 3; ++d)
        none += distinctDigitsChance(d) * std::pow((10 - d) / 10.0, 3);
    return 1.0 - none;
}

// ---------------------------------------------------------------- the rows

std::string chanceVerdict(bool outside, double p, bool translated)
{
    const auto text = [translated](const char* english) { return translated ? tx(english) : std::string(english); };
    if (!outside)
        return text(QT_TRANSLATE_NOOP("quor3::Chance", "as chance gives"));
    if (p < 1e-6)
        return text(QT_TRANSLATE_NOOP("quor3::Chance", "unusual: chance gives this less than 1 time in a million"));
    return fill(text(QT_TRANSLATE_NOOP("quor3::Chance", "unusual: chance gives this about 1 time in %1")),
                {std::to_string(std::llround(1.0 / std::max(p, 1e-6)))});
}

ChanceReport chanceReport(const std::vector<DrawRecord>& records, bool withChoices)
{
    std::vector<Digits> draws;
    std::vector<DrawRecord> valid;
    for (const DrawRecord& r : records) {
        const Digits d{r.Digit1, r.Digit2, r.Digit3};
        if (std::all_of(d.begin(), d.end(), [](int x) { return x >= 0 && x <= 9; })) {
            draws.push_back(d);
            valid.push_back(r);
        }
    }
    const long long n = static_cast<long long>(draws.size());
    ChanceReport report;
    report.draws = n;
    auto& rows = report.rows;
    const auto countDraws = [&](auto&& pred) {
        return static_cast<long long>(std::count_if(draws.begin(), draws.end(), pred));
    };

    // Totals: each digit among all the digits drawn.
    for (int digit = 0; digit < 10; ++digit) {
        long long count = 0;
        for (const Digits& d : draws)
            count += std::count(d.begin(), d.end(), digit);
        rows.push_back(
            binomialRow("digit-" + digitWord(digit),
                        fill(translate("quor3::Chance", "Digit %1 among all digits drawn"), {digitWord(digit)}), 3 * n,
                        count, 0.1));
    }
    // Ordinal: each digit in each position.
    for (int position = 0; position < 3; ++position)
        for (int digit = 0; digit < 10; ++digit)
            rows.push_back(binomialRow(
                "position-" + std::to_string(position + 1) + "-digit-" + digitWord(digit),
                fill(translate("quor3::Chance", "Digit %1 in position %2"),
                     {digitWord(digit), std::to_string(position + 1)}),
                n, countDraws([&](const Digits& d) { return d[static_cast<std::size_t>(position)] == digit; }), 0.1));
    // Hot and cold: the most and least drawn digit over the span the Hot/Cold window lists first.
    {
        const int span = defaultHotColdSpan(draws.size());
        std::array<long long, 10> counts{};
        for (long long k = n - span; k < n; ++k)
            for (int x : draws[static_cast<std::size_t>(k)])
                ++counts[static_cast<std::size_t>(x)];
        const auto [cold, hot] = std::minmax_element(counts.begin(), counts.end());
        rows.push_back(
            distributionRow("hot-digit-count",
                            fill(translate("quor3::Chance", "Times the hottest digit was drawn in the last %1 draws"),
                                 {std::to_string(span)}),
                            span, *hot, extremeCountPmf(3 * span, true)));
        rows.push_back(
            distributionRow("cold-digit-count",
                            fill(translate("quor3::Chance", "Times the coldest digit was drawn in the last %1 draws"),
                                 {std::to_string(span)}),
                            span, *cold, extremeCountPmf(3 * span, false)));
        rows[rows.size() - 2].draws = rows.back().draws = span;
    }
    // Pairs: draws holding both digits (a digit with itself: at least twice).
    for (int a = 0; a < 10; ++a)
        for (int b = a; b < 10; ++b)
            rows.push_back(binomialRow(
                "pair-" + digitWord(a) + "-" + digitWord(b),
                a == b ? fill(translate("quor3::Chance", "Draws holding %1 at least twice"), {digitWord(a)})
                       : fill(translate("quor3::Chance", "Draws holding both %1 and %2"), {digitWord(a), digitWord(b)}),
                n, countDraws([&](const Digits& d) {
                    return a == b ? std::count(d.begin(), d.end(), a) >= 2 : holds(d, a) && holds(d, b);
                }),
                pairChance(a, b)));
    // Odd/even.
    for (int odd = 0; odd <= 3; ++odd)
        rows.push_back(binomialRow("odd-count-" + std::to_string(odd),
                                   fill(translate("quor3::Chance", "Draws with %1 odd digits"), {std::to_string(odd)}),
                                   n, countDraws([&](const Digits& d) {
                                       return std::count_if(d.begin(), d.end(), [](int x) { return x % 2 == 1; }) ==
                                              odd;
                                   }),
                                   oddCountChance(odd)));
    // Sums, each and in three ranges.
    const auto sumOf = [](const Digits& d) { return d[0] + d[1] + d[2]; };
    for (int s = 0; s <= 27; ++s)
        rows.push_back(
            binomialRow("sum-" + std::to_string(s),
                        fill(translate("quor3::Chance", "Draws whose digits add up to %1"), {std::to_string(s)}), n,
                        countDraws([&](const Digits& d) { return sumOf(d) == s; }), sumChance(s, s)));
    for (const auto& [lo, hi] : {std::pair{0, 9}, std::pair{10, 17}, std::pair{18, 27}})
        rows.push_back(binomialRow(
            "sum-" + std::to_string(lo) + "-" + std::to_string(hi),
            fill(translate("quor3::Chance", "Draws whose digits add up to %1 to %2"),
                 {std::to_string(lo), std::to_string(hi)}),
            n, countDraws([&, lo = lo, hi = hi](const Digits& d) { return sumOf(d) >= lo && sumOf(d) <= hi; }),
            sumChance(lo, hi)));
    // Singles, doubles, triples.
    const std::array<std::pair<const char*, const char*>, 3> kinds = {
        std::pair{"singles", QT_TRANSLATE_NOOP("quor3::Chance", "Draws of three different digits (singles)")},
        std::pair{"doubles", QT_TRANSLATE_NOOP("quor3::Chance", "Draws with two equal digits (doubles)")},
        std::pair{"triples", QT_TRANSLATE_NOOP("quor3::Chance", "Draws of one digit three times (triples)")}};
    for (int k = 0; k < 3; ++k)
        rows.push_back(binomialRow(
            kinds[static_cast<std::size_t>(k)].first, tx(kinds[static_cast<std::size_t>(k)].second), n,
            countDraws([&](const Digits& d) { return distinct(d) == 3 - k; }), distinctDigitsChance(3 - k)));
    // Repeats from the draw before.
    {
        long long shares = 0;
        std::array<long long, 10> trials{}, repeats{};
        for (long long k = 1; k < n; ++k) {
            const Digits& before = draws[static_cast<std::size_t>(k - 1)];
            const Digits& now = draws[static_cast<std::size_t>(k)];
            shares += holds(now, before[0]) || holds(now, before[1]) || holds(now, before[2]);
            // As the Percentage Repeats window counts: each digit of the draw before, as often as it is there.
            for (int x : before) {
                ++trials[static_cast<std::size_t>(x)];
                repeats[static_cast<std::size_t>(x)] += holds(now, x);
            }
        }
        rows.push_back(binomialRow("shares-digit-with-previous",
                                   translate("quor3::Chance", "Draws holding a digit of the draw before"),
                                   std::max<long long>(n - 1, 0), shares, sharesDigitChance()));
        for (int digit = 0; digit < 10; ++digit)
            rows.push_back(binomialRow(
                "repeat-digit-" + digitWord(digit),
                fill(translate("quor3::Chance", "Digit %1 drawn again in the next draw"), {digitWord(digit)}),
                trials[static_cast<std::size_t>(digit)], repeats[static_cast<std::size_t>(digit)], holdsDigitChance()));
    }
    // Skips: draws since each digit was last drawn; a fair digit stays away
    // k draws or more with chance 0.729^k.
    for (int digit = 0; digit < 10; ++digit) {
        long long skip = 0;
        while (skip < n && !holds(draws[static_cast<std::size_t>(n - 1 - skip)], digit))
            ++skip;
        std::vector<double> pmf(static_cast<std::size_t>(n) + 1, 0.0);
        double away = 1.0;
        for (long long k = 0; k < n; ++k) {
            pmf[static_cast<std::size_t>(k)] = away * holdsDigitChance();
            away *= 0.729;
        }
        pmf[static_cast<std::size_t>(n)] = away;
        rows.push_back(distributionRow(
            "skip-" + digitWord(digit),
            fill(translate("quor3::Chance", "Draws since %1 was last drawn"), {digitWord(digit)}), n, skip, pmf));
    }
    // The suggested lists' hits in the draws after each was made.
    if (withChoices && n > 1) {
        const BacktestResult tested = backtest(valid);
        std::vector<const PlayScore*> scores;
        for (const PlayScore& s : tested.lists)
            scores.push_back(&s);
        scores.push_back(&tested.total);
        for (const PlayScore* s : scores) {
            ChanceRow row;
            row.id = "choices-" + s->name + "-hits";
            row.title = tx(listTitle(s->name));
            row.trials = s->plays;
            row.share = false;
            row.seen = static_cast<double>(s->boxHits);
            row.chance = s->expectedBox;
            row.low = static_cast<double>(s->lowBox);
            row.high = static_cast<double>(s->highBox);
            row.p = s->pBox;
            const HitDistribution hits(s->playsByChance);
            row.pOutside = (s->lowBox > 0 ? hits.atMost(s->lowBox - 1) : 0.0) + hits.atLeast(s->highBox + 1);
            finish(row);
            rows.push_back(row);
        }
    }
    for (ChanceRow& row : rows)
        if (row.draws == 0)
            row.draws = n;
    for (const ChanceRow& row : rows) {
        report.expectedOutside += row.pOutside;
        report.outside += row.outside ? 1 : 0;
    }
    return report;
}

const ChanceRow* findChanceRow(const ChanceReport& report, const std::string& id)
{
    for (const ChanceRow& row : report.rows)
        if (row.id == id)
            return &row;
    return nullptr;
}

std::string manyPatternsSentence(const ChanceReport& report)
{
    return fill(translate("quor3::Chance",
                          "Of these %1 patterns, chance alone would put about %2 outside their range; %3 are."),
                {std::to_string(report.rows.size()), std::to_string(std::llround(report.expectedOutside)),
                 std::to_string(report.outside)});
}

std::string chancePercentText(double chance)
{
    if (chance > 0 && chance < 0.0005)
        return "< 0.1%";
    if (chance < 1 && chance >= 0.9995)
        return "> 99.9%";
    return percentText(chance);
}

std::string chanceValueText(const ChanceRow& row, double value)
{
    return row.share ? percentText(value) : countText(value);
}

std::string chanceNote(const ChanceRow& row)
{
    if (row.trials <= 0)
        return fill(translate("quor3::Chance", "%1: no draws to count yet."), {row.title});
    return fill(
        row.share
            ? translate("quor3::Chance", "Chance gives %1; 95 times in 100 between %2 and %3 for %4. Seen %5: %6.")
            : translate("quor3::Chance",
                        "Chance gives %1 on average; 95 times in 100 between %2 and %3 for %4. Seen %5: %6."),
        {chanceValueText(row, row.chance), chanceValueText(row, row.low), chanceValueText(row, row.high),
         fill(row.draws == 1 ? translate("quor3::Chance", "%1 draw") : translate("quor3::Chance", "%1 draws"),
              {std::to_string(row.draws)}),
         chanceValueText(row, row.seen), row.verdict});
}

std::string chanceTable(const ChanceReport& report, const std::string& databaseName)
{
    std::ostringstream out;
    out << fill(report.draws == 1 ? translate("quor3::Chance", "%1: %2 draw")
                                  : translate("quor3::Chance", "%1: %2 draws"),
                {databaseName, std::to_string(report.draws)})
        << '\n';
    for (const ChanceRow& row : report.rows) {
        out << row.title << ": "
            << fill(translate("quor3::Chance", "seen %1, chance %2, 95% range %3 to %4: %5"),
                    {chanceValueText(row, row.seen), chanceValueText(row, row.chance), chanceValueText(row, row.low),
                     chanceValueText(row, row.high), row.verdict})
            << '\n';
    }
    out << manyPatternsSentence(report) << '\n';
    return out.str();
}

std::string chanceJson(const ChanceReport& report)
{
    std::ostringstream out;
    out << "{\"draws\": " << report.draws << ", \"expected_outside\": " << jsonNumber(report.expectedOutside)
        << ", \"outside\": " << report.outside << ", \"rows\": [";
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        const ChanceRow& r = report.rows[i];
        out << (i ? ", " : "") << "{\"id\": " << jsonString(r.id) << ", \"seen\": " << jsonNumber(r.seen)
            << ", \"chance\": " << jsonNumber(r.chance) << ", \"low\": " << jsonNumber(r.low)
            << ", \"high\": " << jsonNumber(r.high) << ", \"verdict\": "
            << jsonString(r.trials > 0 ? chanceVerdict(r.outside, r.p, false) : "no draws to count")
            << ", \"unit\": " << jsonString(r.share ? "share" : "count") << ", \"trials\": " << r.trials
            << ", \"p\": " << jsonNumber(r.p) << '}';
    }
    out << "]}";
    return out.str();
}

} // namespace quor3
