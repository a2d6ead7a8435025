#include "engine/HitDistribution.h"

#include <boost/math/distributions/binomial.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quor3
{

BoxChance boxChanceOf(const Play& play)
{
    const bool ab = play.first == play.second, ac = play.first == play.third, bc = play.second == play.third;
    if (ab && ac)
        return BoxChance::OneIn1000;
    if (ab || ac || bc)
        return BoxChance::ThreeIn1000;
    return BoxChance::SixIn1000;
}

double probability(BoxChance chance)
{
    switch (chance) {
    case BoxChance::SixIn1000: return 0.006;
    case BoxChance::ThreeIn1000: return 0.003;
    case BoxChance::OneIn1000: break;
    }
    return 0.001;
}

double expectedBoxHits(const PlaysByChance& plays)
{
    // Whole thousandths first, so that the sum carries no rounding of its own.
    return static_cast<double>(6 * plays[0] + 3 * plays[1] + plays[2]) / 1000.0;
}

namespace
{

constexpr double Negligible = 1e-300;

// The first and one past the last index of a rise-then-fall sequence whose
// terms reach `floor`, searched from its peak.
std::pair<std::size_t, std::size_t> span(const std::vector<double>& terms, std::size_t peak, double floor)
{
    if (terms[peak] < floor)
        return {peak, peak};
    const auto rising = std::partition_point(terms.begin(), terms.begin() + static_cast<std::ptrdiff_t>(peak),
                                             [floor](double x) { return x < floor; });
    const auto falling = std::partition_point(terms.begin() + static_cast<std::ptrdiff_t>(peak), terms.end(),
                                              [floor](double x) { return x >= floor; });
    return {static_cast<std::size_t>(rising - terms.begin()), static_cast<std::size_t>(falling - terms.begin())};
}

std::size_t peakOf(const std::vector<double>& terms)
{
    return static_cast<std::size_t>(std::max_element(terms.begin(), terms.end()) - terms.begin());
}

} // namespace

// P(X = k) for k = 0..n of a binomial distribution, zero where a term falls
// below 1e-300 of the peak. The peak comes from Boost.Math; its neighbours
// follow by the ratio of successive terms, so that a long history costs one
// library call per chance rather than one per count.
std::vector<double> binomialTerms(long long n, double p)
{
    if (n <= 0)
        return {1.0};
    const long long mode = std::min(n, static_cast<long long>(std::floor(static_cast<double>(n + 1) * p)));
    const double peak = boost::math::pdf(boost::math::binomial_distribution<double>(static_cast<double>(n), p),
                                         static_cast<double>(mode));
    const double odds = p / (1.0 - p);
    std::vector<double> terms;
    double value = peak;
    long long top = mode;
    std::vector<double> upper{peak};
    for (long long k = mode; k < n; ++k) {
        value *= static_cast<double>(n - k) / static_cast<double>(k + 1) * odds;
        if (value < peak * Negligible)
            break;
        upper.push_back(value);
        top = k + 1;
    }
    terms.assign(static_cast<std::size_t>(top + 1), 0.0);
    std::copy(upper.begin(), upper.end(), terms.begin() + mode);
    value = peak;
    for (long long k = mode; k > 0; --k) {
        value *= static_cast<double>(k) / static_cast<double>(n - k + 1) / odds;
        if (value < peak * Negligible)
            break;
        terms[static_cast<std::size_t>(k - 1)] = value;
    }
    return terms;
}

// Products below 1e-300 of the two peaks together are left out, as the terms
// themselves are: both sequences rise to one peak and fall, so the products
// worth adding form one run of the longer sequence for each term of the shorter.
std::vector<double> convolve(const std::vector<double>& a, const std::vector<double>& b)
{
    const std::vector<double>& longer = a.size() >= b.size() ? a : b;
    const std::vector<double>& shorter = a.size() >= b.size() ? b : a;
    const std::size_t longerPeak = peakOf(longer);
    const double floor = longer[longerPeak] * shorter[peakOf(shorter)] * Negligible;
    std::vector<double> out(a.size() + b.size() - 1, 0.0);
    for (std::size_t j = 0; j < shorter.size(); ++j) {
        const double weight = shorter[j];
        if (weight == 0.0)
            continue;
        const auto [first, last] = span(longer, longerPeak, floor / weight);
        double* row = out.data() + j;
        for (std::size_t i = first; i < last; ++i)
            row[i] += longer[i] * weight;
    }
    return out;
}

HitDistribution::HitDistribution(const PlaysByChance& plays)
{
    std::array<std::vector<double>, 3> counts;
    std::size_t widest = 0;
    for (std::size_t c = 0; c < 3; ++c) {
        counts[c] = binomialTerms(plays[c], probability(static_cast<BoxChance>(c)));
        if (counts[c].size() > counts[widest].size())
            widest = c;
    }
    widest_ = std::move(counts[widest]);
    std::vector<double> rest{1.0};
    for (std::size_t c = 0; c < 3; ++c)
        if (c != widest)
            rest = convolve(rest, counts[c]);
    setRest(std::move(rest));
}

HitDistribution::HitDistribution(const std::vector<double>& chances) : widest_{1.0}
{
    for (double p : chances) {
        widest_.push_back(0.0);
        for (std::size_t k = widest_.size() - 1; k > 0; --k)
            widest_[k] = widest_[k] * (1.0 - p) + widest_[k - 1] * p;
        widest_[0] *= 1.0 - p;
    }
    setRest({1.0});
}

void HitDistribution::setRest(std::vector<double> rest)
{
    rest_ = std::move(rest);
    // Each running sum starts at its own small end.
    restAtMost_.resize(rest_.size());
    restAtLeast_.resize(rest_.size());
    double sum = 0.0;
    for (std::size_t k = 0; k < rest_.size(); ++k)
        restAtMost_[k] = sum += rest_[k];
    sum = 0.0;
    for (std::size_t k = rest_.size(); k-- > 0;)
        restAtLeast_[k] = sum += rest_[k];
}

long long HitDistribution::largest() const
{
    return static_cast<long long>(widest_.size() + rest_.size()) - 2;
}

double HitDistribution::probabilityOf(long long hits) const
{
    double sum = 0.0;
    const long long restSize = static_cast<long long>(rest_.size());
    for (long long w = 0; w < static_cast<long long>(widest_.size()) && w <= hits; ++w)
        if (hits - w < restSize)
            sum += widest_[static_cast<std::size_t>(w)] * rest_[static_cast<std::size_t>(hits - w)];
    return sum;
}

double HitDistribution::atMost(long long hits) const
{
    // P(W + R <= h) = sum over w of P(W = w) P(R <= h - w).
    const long long restLast = static_cast<long long>(rest_.size()) - 1;
    double sum = 0.0;
    for (long long w = 0; w < static_cast<long long>(widest_.size()) && w <= hits; ++w) {
        const long long r = hits - w;
        sum += widest_[static_cast<std::size_t>(w)] * (r >= restLast ? 1.0 : restAtMost_[static_cast<std::size_t>(r)]);
    }
    return std::min(sum, 1.0);
}

double HitDistribution::atLeast(long long hits) const
{
    // P(W + R >= h) = sum over w of P(W = w) P(R >= h - w), from the far end inward.
    const long long restSize = static_cast<long long>(rest_.size());
    double sum = 0.0;
    for (long long w = static_cast<long long>(widest_.size()) - 1; w >= 0; --w) {
        const long long r = hits - w;
        if (r >= restSize)
            break;
        sum += widest_[static_cast<std::size_t>(w)] * (r <= 0 ? 1.0 : restAtLeast_[static_cast<std::size_t>(r)]);
    }
    return std::min(sum, 1.0);
}

double HitDistribution::twoSidedP(long long hits) const
{
    return quor3::twoSidedP(atMost(hits), atLeast(hits));
}

long long HitDistribution::quantile(double q) const
{
    long long low = 0, high = largest();
    while (low < high) {
        const long long middle = low + (high - low) / 2;
        if (atMost(middle) >= q)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

double twoSidedP(double atMost, double atLeast)
{
    return std::min(1.0, 2.0 * std::min(atMost, atLeast));
}

std::string pValueText(double p)
{
    if (p < 0.001)
        return "< 0.001";
    char text[16];
    std::snprintf(text, sizeof text, "%.3f", p);
    return text;
}

} // namespace quor3
