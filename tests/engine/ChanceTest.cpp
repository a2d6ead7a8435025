#include "engine/Chance.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/binomial.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <random>

namespace
{

using Number = std::array<int, 3>;

bool holds(const Number& n, int d)
{
    return std::find(n.begin(), n.end(), d) != n.end();
}

double shareOfNumbers(const std::function<bool(const Number&)>& pred)
{
    int count = 0;
    for (int i = 0; i < 1000; ++i)
        count += pred({i / 100, i / 10 % 10, i % 10});
    return count / 1000.0;
}

std::vector<quor3::DrawRecord> drawsOf(const std::vector<Number>& numbers)
{
    std::vector<quor3::DrawRecord> draws;
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        quor3::DrawRecord r;
        r.DrawDate = 45000 + static_cast<double>(k);
        r.Digit1 = numbers[k][0];
        r.Digit2 = numbers[k][1];
        r.Digit3 = numbers[k][2];
        draws.push_back(r);
    }
    return draws;
}

} // namespace

TEST(Chance, ExactSharesMatchCountingTheThousandNumbers)
{
    const auto odd = [](const Number& n) { return (n[0] % 2) + (n[1] % 2) + (n[2] % 2); };
    const auto sum = [](const Number& n) { return n[0] + n[1] + n[2]; };
    const auto distinct = [](const Number& n) { return 1 + (n[1] != n[0]) + (n[2] != n[0] && n[2] != n[1]); };
    const struct {
        const char* name;
        double engine;
        std::function<bool(const Number&)> brute;
    } cases[] = {
        {"odd 0", quor3::oddCountChance(0), [&](const Number& n) { return odd(n) == 0; }},
        {"odd 2", quor3::oddCountChance(2), [&](const Number& n) { return odd(n) == 2; }},
        {"sum 10-17", quor3::sumChance(10, 17), [&](const Number& n) { return sum(n) >= 10 && sum(n) <= 17; }},
        {"sum 0", quor3::sumChance(0, 0), [&](const Number& n) { return sum(n) == 0; }},
        {"sum 13", quor3::sumChance(13, 13), [&](const Number& n) { return sum(n) == 13; }},
        {"singles", quor3::distinctDigitsChance(3), [&](const Number& n) { return distinct(n) == 3; }},
        {"doubles", quor3::distinctDigitsChance(2), [&](const Number& n) { return distinct(n) == 2; }},
        {"triples", quor3::distinctDigitsChance(1), [&](const Number& n) { return distinct(n) == 1; }},
        {"holds 7", quor3::holdsDigitChance(), [](const Number& n) { return holds(n, 7); }},
        {"pair 3 8", quor3::pairChance(3, 8), [](const Number& n) { return holds(n, 3) && holds(n, 8); }},
        {"pair 4 4", quor3::pairChance(4, 4), [](const Number& n) { return std::count(n.begin(), n.end(), 4) >= 2; }},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(c.engine, shareOfNumbers(c.brute), 1e-12) << c.name;

    // Repeats: over every pair of draws.
    long long shares = 0;
    for (int i = 0; i < 1000; ++i)
        for (int j = 0; j < 1000; ++j) {
            const Number a{i / 100, i / 10 % 10, i % 10};
            const Number b{j / 100, j / 10 % 10, j % 10};
            shares += holds(b, a[0]) || holds(b, a[1]) || holds(b, a[2]);
        }
    EXPECT_NEAR(quor3::sharesDigitChance(), shares / 1e6, 1e-12);
}

TEST(Chance, RowsCountTheDrawsAndRangeByTheBinomial)
{
    // 200 draws from a fixed generator, and a run of triples at the end.
    std::mt19937 generator(7);
    std::uniform_int_distribution<int> digit(0, 9);
    std::vector<Number> numbers;
    for (int k = 0; k < 200; ++k)
        numbers.push_back({digit(generator), digit(generator), digit(generator)});
    for (int k = 0; k < 8; ++k)
        numbers.push_back({5, 5, 5});
    numbers.push_back({5, 10, 5}); // a stray digit: no draw
    const quor3::ChanceReport report = quor3::chanceReport(drawsOf(numbers), false);
    ASSERT_EQ(report.draws, 208);
    numbers.pop_back();

    const auto countOf = [&](auto&& pred) {
        return static_cast<double>(std::count_if(numbers.begin(), numbers.end(), pred));
    };
    const struct {
        const char* id;
        double count;
        double chance;
    } rows[] = {
        {"triples", countOf([](const Number& n) { return n[0] == n[1] && n[1] == n[2]; }), 0.01},
        {"odd-count-3", countOf([](const Number& n) { return n[0] % 2 && n[1] % 2 && n[2] % 2; }), 0.125},
        {"sum-10-17", countOf([](const Number& n) { return n[0] + n[1] + n[2] >= 10 && n[0] + n[1] + n[2] <= 17; }),
         0.56},
        {"position-2-digit-5", countOf([](const Number& n) { return n[1] == 5; }), 0.1},
    };
    for (const auto& r : rows) {
        const quor3::ChanceRow* row = quor3::findChanceRow(report, r.id);
        ASSERT_NE(row, nullptr) << r.id;
        EXPECT_DOUBLE_EQ(row->seen, r.count / 208) << r.id;
        EXPECT_DOUBLE_EQ(row->chance, r.chance) << r.id;
        const boost::math::binomial_distribution<double> b(208, r.chance);
        // The range holds at least 95 in 100, and is no wider than needed.
        const double low = std::round(row->low * 208), high = std::round(row->high * 208);
        const double below = low > 0 ? boost::math::cdf(b, low - 1) : 0.0;
        const double inside = boost::math::cdf(b, high) - below;
        EXPECT_GE(inside, 0.95) << r.id;
        EXPECT_NEAR(1 - inside, row->pOutside, 1e-9) << r.id;
        EXPECT_LE(below, 0.025) << r.id;
        EXPECT_GT(boost::math::cdf(b, low), 0.025) << r.id;
    }
    // Eight triples in a row is far outside what chance gives.
    const quor3::ChanceRow* triples = quor3::findChanceRow(report, "triples");
    EXPECT_TRUE(triples->outside);
    EXPECT_NE(triples->verdict.find("unusual: chance gives this about 1 time in"), std::string::npos);
    const quor3::ChanceRow* skip = quor3::findChanceRow(report, "skip-5");
    EXPECT_EQ(skip->seen, 0);
    EXPECT_EQ(skip->high, 11); // 0.729^12 is the first tail under 2.5%
    const quor3::ChanceRow* hot = quor3::findChanceRow(report, "hot-digit-count");
    EXPECT_GE(hot->seen, 24); // 5 in the last 8 draws
    EXPECT_TRUE(hot->outside);
    EXPECT_LE(report.outside, static_cast<int>(report.rows.size()));
}

TEST(Chance, HottestAndColdestCountsMatchEnumeration)
{
    // Two draws: 6 digits over 10 equally likely values, counted over all 10^6 sequences.
    std::array<double, 7> most{}, least{};
    for (int s = 0; s < 1000000; ++s) {
        std::array<int, 10> c{};
        for (int k = 0, v = s; k < 6; ++k, v /= 10)
            ++c[static_cast<std::size_t>(v % 10)];
        ++most[static_cast<std::size_t>(*std::max_element(c.begin(), c.end()))];
        ++least[static_cast<std::size_t>(*std::min_element(c.begin(), c.end()))];
    }
    double meanMost = 0, meanLeast = 0;
    for (int k = 0; k < 7; ++k) {
        meanMost += k * most[static_cast<std::size_t>(k)] / 1e6;
        meanLeast += k * least[static_cast<std::size_t>(k)] / 1e6;
    }
    const quor3::ChanceReport report = quor3::chanceReport(drawsOf({{1, 2, 3}, {4, 5, 6}}), false);
    EXPECT_NEAR(quor3::findChanceRow(report, "hot-digit-count")->chance, meanMost, 1e-9);
    EXPECT_NEAR(quor3::findChanceRow(report, "cold-digit-count")->chance, meanLeast, 1e-9);
}
