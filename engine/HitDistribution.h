#pragma once

#include "engine/Choices.h"

#include <array>
#include <string>
#include <vector>

namespace quor3
{

// How a play can match a draw of three fair random digits. Box: the same
// digits in any order, which a play of three different digits does in 6 of
// the 1000 equally likely draws, a play with two equal digits in 3 and a play
// of one digit three times in 1. Straight: the same digits in the same places,
// 1 in 1000 for every play.
enum class BoxChance { SixIn1000, ThreeIn1000, OneIn1000 };
BoxChance boxChanceOf(const Play& play);
double probability(BoxChance chance);
constexpr double StraightProbability = 0.001;

// Plays counted by their box chance, in the order of BoxChance.
using PlaysByChance = std::array<long long, 3>;
// The expected box hits of such plays: 6, 3 or 1 thousandths each.
double expectedBoxHits(const PlaysByChance& plays);

// P(X = k) for k = 0..n of a binomial count, terms below 1e-300 of the peak
// left as zero.
std::vector<double> binomialTerms(long long n, double p);
// The distribution of the sum of two independent counts given by their terms.
std::vector<double> convolve(const std::vector<double>& a, const std::vector<double>& b);

// The exact distribution of the number of box hits of independent plays (a
// Poisson-binomial distribution). Plays come in only three chances, so it is
// the sum of three binomial counts; each binomial is exact to the last place,
// only terms below 1e-300 of its peak are left out. The widest of the three
// is kept apart, and the tails are summed against the other two's cumulative
// sums, so that a history of 24 000 plays costs a few thousand steps.
class HitDistribution
{
  public:
    explicit HitDistribution(const PlaysByChance& plays);
    // Any chances, by the step-by-step convolution of one play at a time.
    explicit HitDistribution(const std::vector<double>& chances);

    double probabilityOf(long long hits) const;
    double atMost(long long hits) const;
    double atLeast(long long hits) const;
    // min(1, 2 min(P(X <= h), P(X >= h))).
    double twoSidedP(long long hits) const;
    // The smallest count whose P(X <= count) reaches q.
    long long quantile(double q) const;
    long long largest() const; // beyond it every probability is zero

  private:
    void setRest(std::vector<double> rest);

    std::vector<double> widest_; // P(W = k) of the widest binomial count
    std::vector<double> rest_;   // P(R = k) of the other two together
    std::vector<double> restAtMost_, restAtLeast_;
};

// The two-sided rule on two tail probabilities.
double twoSidedP(double atMost, double atLeast);

// A p-value as the windows and tables show it: three decimals, or "< 0.001".
std::string pValueText(double p);

} // namespace quor3
