#include "engine/Fairness.h"

#include "engine/HitDistribution.h"
#include "engine/JsonText.h"
#include "engine/Text.h"

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quor3
{

namespace
{

constexpr double MinimumExpected = 5.0;

// Observed against expected counts; no test when nothing is expected.
FairnessTest chiSquared(const std::string& name, const std::vector<double>& observed,
                        const std::vector<double>& expected, long long df)
{
    FairnessTest test;
    test.name = name;
    test.df = df;
    double total = 0.0;
    for (double e : expected)
        total += e;
    if (total <= 0.0)
        return test;
    for (std::size_t k = 0; k < observed.size(); ++k) {
        const double d = observed[k] - expected[k];
        test.statistic += d * d / expected[k];
    }
    test.p = chiSquaredUpperTail(test.statistic, df);
    return test;
}

FairnessTest uniformDigits(const std::string& name, const std::array<long long, 10>& counts)
{
    long long n = 0;
    for (long long c : counts)
        n += c;
    std::vector<double> observed(counts.begin(), counts.end());
    return chiSquared(name, observed, std::vector<double>(10, static_cast<double>(n) / 10.0), 9);
}

int patternOf(const DrawRecord& d)
{
    const bool ab = d.Digit1 == d.Digit2, ac = d.Digit1 == d.Digit3, bc = d.Digit2 == d.Digit3;
    if (ab && ac)
        return 2;
    return ab || ac || bc ? 1 : 0;
}

} // namespace

double chiSquaredUpperTail(double statistic, long long df)
{
    if (df <= 0)
        return 1.0;
    return boost::math::cdf(boost::math::complement(
        boost::math::chi_squared_distribution<double>(static_cast<double>(df)), std::max(statistic, 0.0)));
}

const std::array<int, 28>& sumWays()
{
    static const std::array<int, 28> ways = [] {
        std::array<int, 28> w{};
        for (int a = 0; a < 10; ++a)
            for (int b = 0; b < 10; ++b)
                for (int c = 0; c < 10; ++c)
                    ++w[a + b + c];
        return w;
    }();
    return ways;
}

std::vector<std::pair<int, int>> sumBins(long long draws)
{
    // In whole thousandths of a draw, so that a bin of exactly 5 closes.
    const long long closing = static_cast<long long>(MinimumExpected) * 1000;
    std::vector<std::pair<int, int>> bins;
    int first = 0;
    long long expected = 0;
    for (int s = 0; s < 28; ++s) {
        expected += draws * sumWays()[s];
        if (expected >= closing) {
            bins.push_back({first, s});
            first = s + 1;
            expected = 0;
        }
    }
    if (first <= 27) {
        if (bins.empty())
            bins.push_back({first, 27});
        else
            bins.back().second = 27;
    }
    return bins;
}

double falseAlarmChance(int tests)
{
    return 1.0 - std::pow(0.95, tests);
}

FairnessResult checkFairness(const std::vector<DrawRecord>& all)
{
    FairnessResult r;
    std::vector<DrawRecord> draws;
    draws.reserve(all.size());
    for (const auto& d : all) {
        auto digit = [](std::int32_t x) { return x >= 0 && x <= 9; };
        if (digit(d.Digit1) && digit(d.Digit2) && digit(d.Digit3))
            draws.push_back(d);
        else
            ++r.skipped;
    }
    const long long n = static_cast<long long>(draws.size());
    r.draws = n;

    std::array<long long, 28> sums{};
    std::array<long long, 3> patterns{};
    long long repeats = 0;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const DrawRecord& d = draws[i];
        const std::int32_t digits[3] = {d.Digit1, d.Digit2, d.Digit3};
        for (int p = 0; p < 3; ++p) {
            ++r.positionCounts[p][digits[p]];
            ++r.pooledCounts[digits[p]];
        }
        ++sums[digits[0] + digits[1] + digits[2]];
        ++patterns[patternOf(d)];
        if (i > 0) {
            const DrawRecord& before = draws[i - 1];
            repeats += (d.Digit1 == before.Digit1) + (d.Digit2 == before.Digit2) + (d.Digit3 == before.Digit3);
        }
    }

    const char* positionNames[3] = {"position1", "position2", "position3"};
    for (int p = 0; p < 3; ++p)
        r.tests.push_back(uniformDigits(positionNames[p], r.positionCounts[p]));
    r.tests.push_back(uniformDigits("pooled", r.pooledCounts));

    {
        std::vector<double> observed, expected;
        for (const auto& [first, last] : sumBins(n)) {
            double o = 0.0, e = 0.0;
            for (int s = first; s <= last; ++s) {
                o += static_cast<double>(sums[s]);
                e += static_cast<double>(n) * sumWays()[s] / 1000.0;
            }
            observed.push_back(o);
            expected.push_back(e);
        }
        r.tests.push_back(chiSquared("sums", observed, expected, static_cast<long long>(observed.size()) - 1));
    }

    {
        const double count = static_cast<double>(n);
        r.tests.push_back(chiSquared(
            "pattern",
            {static_cast<double>(patterns[0]), static_cast<double>(patterns[1]), static_cast<double>(patterns[2])},
            {count * 0.72, count * 0.27, count * 0.01}, 2));
    }

    {
        FairnessTest test;
        test.name = "repeats";
        const long long comparisons = n > 1 ? 3 * (n - 1) : 0;
        test.statistic = static_cast<double>(repeats);
        test.df = comparisons;
        if (comparisons > 0) {
            const boost::math::binomial_distribution<double> chance(static_cast<double>(comparisons), 0.1);
            const double atMost = boost::math::cdf(chance, static_cast<double>(repeats));
            const double atLeast =
                repeats == 0 ? 1.0
                             : boost::math::cdf(boost::math::complement(chance, static_cast<double>(repeats - 1)));
            test.p = twoSidedP(atMost, atLeast);
        }
        r.tests.push_back(test);
    }
    return r;
}

namespace
{
// The English title, which the verdict's sentences name too; nullptr for an unknown name.
const char* englishTestTitle(const std::string& name)
{
    if (name == "position1")
        return QT_TRANSLATE_NOOP("quor3::Fairness", "Digits in the first position");
    if (name == "position2")
        return QT_TRANSLATE_NOOP("quor3::Fairness", "Digits in the second position");
    if (name == "position3")
        return QT_TRANSLATE_NOOP("quor3::Fairness", "Digits in the third position");
    if (name == "pooled")
        return QT_TRANSLATE_NOOP("quor3::Fairness", "Digits in all positions");
    if (name == "sums")
        return QT_TRANSLATE_NOOP("quor3::Fairness", "Digit sums");
    if (name == "pattern")
        return QT_TRANSLATE_NOOP("quor3::Fairness", "All different, one pair, triple");
    if (name == "repeats")
        return QT_TRANSLATE_NOOP("quor3::Fairness", "Repeats of the draw before");
    return nullptr;
}
} // namespace

std::string fairnessTestTitle(const std::string& name)
{
    const char* title = englishTestTitle(name);
    return title ? translate("quor3::Fairness", title) : name;
}

namespace
{

std::string lowerFirst(std::string text)
{
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

std::string joinNames(const std::vector<std::string>& names)
{
    std::string out;
    for (std::size_t k = 0; k < names.size(); ++k)
        out += (k == 0 ? "" : (k + 1 == names.size() ? translate("quor3::Fairness", " and ") : ", ")) +
               lowerFirst(fairnessTestTitle(names[k]));
    return out;
}

std::string countOfTests(std::size_t count, int tests)
{
    if (count == 1)
        return translate("quor3::Fairness", "One test");
    if (static_cast<int>(count) == tests)
        return fill(translate("quor3::Fairness", "All %1 tests"), {std::to_string(tests)});
    return fill(translate("quor3::Fairness", "%1 of the %2 tests"), {std::to_string(count), std::to_string(tests)});
}

} // namespace

std::string fairnessVerdict(const FairnessResult& r)
{
    if (r.draws == 0)
        return translate("quor3::Fairness", "There are no draws with digits 0 to 9 to test.");
    const int tests = static_cast<int>(r.tests.size());
    // 0.05 shared among the tests: below it a result stands out even though several were run.
    const double sharedLevel = 0.05 / tests;
    std::vector<std::string> low, veryLow;
    for (const auto& t : r.tests) {
        if (t.p < sharedLevel)
            veryLow.push_back(t.name);
        else if (t.p < 0.05)
            low.push_back(t.name);
    }
    std::string text;
    if (low.empty() && veryLow.empty()) {
        text = fill(translate("quor3::Fairness",
                              "None of the %1 tests found anything unusual: the draws look like fair random digits."),
                    {std::to_string(tests)});
    } else if (veryLow.empty()) {
        text = fill(translate("quor3::Fairness",
                              "%1 (%2) gave a p-value below 0.05. With %3 tests, one p-value below 0.05 turns up by "
                              "luck about %4 times in 10, even with fair draws, so this is no sign of an unfair draw; "
                              "a test would need a p-value below %5 to stand out."),
                    {countOfTests(low.size(), tests), joinNames(low), std::to_string(tests),
                     std::to_string(std::lround(falseAlarmChance(tests) * 10.0)), pValueText(sharedLevel)});
    } else {
        text = fill(
            translate("quor3::Fairness",
                      "%1 (%2) gave a p-value below %3, small even after allowing for %4 tests. Check the "
                      "database for typing mistakes first; if the entries are right, the draws may not be "
                      "fair random digits."),
            {countOfTests(veryLow.size(), tests), joinNames(veryLow), pValueText(sharedLevel), std::to_string(tests)});
    }
    if (r.draws < 100)
        text += fill(r.draws == 1 ? translate("quor3::Fairness", " With only %1 draw, these tests can miss even large "
                                                                 "departures from fair digits.")
                                  : translate("quor3::Fairness", " With only %1 draws, these tests can miss even large "
                                                                 "departures from fair digits."),
                     {std::to_string(r.draws)});
    if (r.skipped > 0)
        text +=
            fill(r.skipped == 1 ? translate("quor3::Fairness", " %1 draw was left out for a digit outside 0 to 9.")
                                : translate("quor3::Fairness", " %1 draws were left out for a digit outside 0 to 9."),
                 {std::to_string(r.skipped)});
    return text;
}

std::string fairnessTable(const FairnessResult& r, const std::string& databaseName)
{
    std::string out = fill(translate("quor3::Fairness", "Fairness check of %1: %2 draws tested, %3 skipped"),
                           {databaseName, std::to_string(r.draws), std::to_string(r.skipped)}) +
                      "\n\n";
    char line[160];
    // The headings are as wide as their columns in every language.
    std::snprintf(line, sizeof line, "%-10s %10s %6s %8s\n", translate("quor3::Fairness", "test").c_str(),
                  translate("quor3::Fairness", "statistic").c_str(), translate("quor3::Fairness", "df").c_str(), "p");
    out += line;
    for (const auto& t : r.tests) {
        std::snprintf(line, sizeof line, "%-10s %10.3f %6lld %8s\n", t.name.c_str(), t.statistic, t.df,
                      pValueText(t.p).c_str());
        out += line;
    }
    return out + "\n" + fairnessVerdict(r) + "\n";
}

std::string fairnessJson(const FairnessResult& r)
{
    std::string out =
        "{\"draws\": " + std::to_string(r.draws) + ", \"skipped\": " + std::to_string(r.skipped) + ", \"tests\": [";
    for (std::size_t k = 0; k < r.tests.size(); ++k) {
        const auto& t = r.tests[k];
        out += std::string(k ? ", " : "") + "{\"name\": " + jsonString(t.name) +
               ", \"statistic\": " + jsonNumber(t.statistic) + ", \"df\": " + std::to_string(t.df) +
               ", \"p\": " + jsonNumber(t.p) + "}";
    }
    return out + "]}";
}

} // namespace quor3
