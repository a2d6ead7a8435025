#pragma once

#include "engine/DataFiles.h"

#include <array>
#include <random>
#include <string>
#include <vector>

namespace quor3
{

// A source of digits drawn uniformly from 0 to 9. The odd/even choices are the
// only ones that involve chance; tests put a fixed sequence in its place.
class RandomDigits
{
  public:
    virtual ~RandomDigits() = default;
    virtual int nextDigit() = 0;
};

class ClockSeededDigits : public RandomDigits
{
  public:
    ClockSeededDigits();
    int nextDigit() override;

  private:
    std::mt19937 generator_;
    std::uniform_int_distribution<int> digits_{0, 9};
};

using HotRanking = std::array<int, 10>; // H[0] hottest ... H[9] coldest

// The suggested plays, each a digit triple line.
std::vector<std::string> warmChoices(const HotRanking& h);
std::vector<std::string> hotChoices(const HotRanking& h);
std::vector<std::string> coldChoices(const HotRanking& h);
// Two random digits of the winning parity, then the k-th line of "hottest.dat".
std::vector<std::string> oddEvenChoices(const std::vector<std::string>& hottestLines, bool oddParity,
                                        RandomDigits& random);
// Twelve lines: the four most frequent digits of positions 1, 2 and 3.
std::vector<std::string> ordinalLines(const std::vector<TDigitCounts>& positionCounts);
// One line per warm digit w: the two digits most often drawn with w, then w.
std::vector<std::string> pairsChoices(const std::vector<std::string>& warmLines,
                                      const std::vector<TDigitCounts>& pairTable);
// The percentages of the repeat ratios, ranked, in the pattern of the hot list.
std::vector<std::string> repeatsChoices(const TDigitRatios& ratios);
int repeatPercentage(float ratio);

// The five ordinal choices as the choices window and the match check show
// them, built from the first character of each of the twelve "ordinal.dat"
// lines: rows k = 1..4 take the k-th pick of each position, row 5 the first
// pick of the first position, the second of the second, the third of the third.
// A missing line or an empty one gives an empty piece.
std::vector<std::string> ordinalRows(const std::vector<std::string>& ordinalFileLines);

} // namespace quor3
