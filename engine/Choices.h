#pragma once

#include "engine/DataFiles.h"
#include "engine/DrawRecord.h"

#include <array>
#include <cstdint>
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

// Digits fixed by a seed and a stream number, the same on every machine: the
// backtest gives the rebuild before draw i the stream i, so that any one of its
// odd/even lists can be made again alone. Cheap to start, since the backtest
// starts one per draw.
class ReproducibleDigits : public RandomDigits
{
  public:
    ReproducibleDigits(std::uint32_t seed, std::uint32_t stream);
    int nextDigit() override;

  private:
    std::minstd_rand generator_;
};

using HotRanking = std::array<int, 10>; // H[0] hottest ... H[9] coldest
using PairTable = std::array<DigitCounts, 10>;

// One suggested play: three digits in play order.
struct Play {
    int first = 0, second = 0, third = 0;
    bool operator==(const Play& other) const
    {
        return first == other.first && second == other.second && third == other.third;
    }
    std::string text() const { return digitTriple(first, second, third); }
};

// The seven lists as one rebuild makes them.
struct ComputerChoices {
    std::array<Play, 5> hot;
    std::array<Play, 5> cold;
    std::array<Play, 4> warm;
    std::array<Play, 5> oddEven;
    std::array<int, 12> ordinal; // the four most frequent digits of positions 1, 2 and 3
    std::array<Play, 4> pairs;
    std::array<Play, 5> repeats;

    // The five ordinal choices as the choices window and the match check make
    // them from the twelve digits (see ordinalRows).
    std::array<Play, 5> ordinalPlays() const;
};

// The counts the choices are made from, brought up to date one draw at a
// time, so that the choices after every prefix of a history cost no more than
// one pass over it. Adding the draws of a database in record order gives the
// counts a rebuild of that database makes.
class ChoiceCounts
{
  public:
    static constexpr int HotSpan = 15;

    void add(const DrawRecord& draw);
    // The counts add() leaves after each of `count` stored records, read in
    // place from a database's bytes. A rebuild reads a whole history at once
    // and cannot afford add()'s bookkeeping per draw.
    void addRecords(const char* records, std::size_t count);

    long long draws() const { return draws_; }
    // How often each digit came up in the last 15 draws (all of them when fewer).
    DigitValues recentCounts() const;
    // Odd digits outnumber the others over every position of every draw; a
    // digit outside 0 to 9 counts as not odd.
    bool oddParity() const { return odd_ > 3 * draws_ - odd_; }
    // Record p for position p+1, field d: draws with digit d there.
    std::array<DigitCounts, 3> positionCounts() const;
    // Record r field k: how often r and k were drawn together.
    PairTable pairTable() const;
    DigitCounts pairRow(int digit) const;
    // The two digits ranked first in `digit`'s pair row, as the pairs list
    // takes them; found again only after the row has changed.
    std::array<int, 2> pairLeaders(int digit) const;
    // Per digit, the share of its appearances followed by a draw holding it.
    DigitRatios repeatRatios() const;

  private:
    // Slot 10 of each table collects the digits outside 0 to 9.
    using Slots = std::array<std::int32_t, 11>;
    long long draws_ = 0;
    std::array<std::array<int, 3>, HotSpan> recent_{}; // a ring of the last 15 draws' digits
    int recentNext_ = 0;
    Slots recentSums_{};
    long long odd_ = 0;
    std::array<Slots, 3> positions_{};
    std::int32_t pairs_[11][11] = {}; // each pair of equal digits counts twice on the diagonal
    long long trials_[11] = {};
    std::int32_t repeats_[11] = {};
    std::array<int, 3> last_{};
    mutable std::array<std::array<int, 2>, 10> leaders_{};
    mutable unsigned staleLeaders_ = ~0u; // bit d: row d changed since its leaders were found
};

// The suggested plays, each a digit triple.
std::array<Play, 4> warmChoices(const HotRanking& h);
std::array<Play, 5> hotChoices(const HotRanking& h);
std::array<Play, 5> coldChoices(const HotRanking& h);
// Two random digits of the winning parity, then the k-th hottest digit.
std::array<Play, 5> oddEvenChoices(const HotRanking& h, bool oddParity, RandomDigits& random);
// The four most frequent digits of positions 1, 2 and 3.
std::array<int, 12> ordinalPicks(const std::array<DigitCounts, 3>& positionCounts);
// One play per warm digit w (H[3] to H[6]): the two digits most often drawn with w, then w.
std::array<Play, 4> pairsChoices(const HotRanking& h, const PairTable& pairTable);
// The percentages of the repeat ratios, ranked, in the pattern of the hot list.
std::array<Play, 5> repeatsChoices(const DigitRatios& ratios);
int repeatPercentage(float ratio);

HotRanking hotRanking(const ChoiceCounts& counts);
// Every list, in the order a rebuild makes them; only the odd/even list draws on `random`.
ComputerChoices makeChoices(const ChoiceCounts& counts, RandomDigits& random);

template <std::size_t N> std::vector<std::string> choiceLines(const std::array<Play, N>& plays)
{
    std::vector<std::string> lines;
    lines.reserve(N);
    for (const Play& play : plays)
        lines.push_back(play.text());
    return lines;
}
std::vector<std::string> ordinalFileLines(const std::array<int, 12>& picks);

// The five ordinal choices as the choices window and the match check show
// them, built from the first character of each of the twelve "ordinal.dat"
// lines: rows k = 1..4 take the k-th pick of each position, row 5 the first
// pick of the first position, the second of the second, the third of the third.
// A missing line or an empty one gives an empty piece.
std::vector<std::string> ordinalRows(const std::vector<std::string>& ordinalFileLines);

} // namespace quor3
