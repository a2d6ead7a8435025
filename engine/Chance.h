#pragma once

#include "engine/DrawRecord.h"

#include <string>
#include <vector>

namespace quor3
{

// What chance alone gives beside every pattern the windows show. Fair draws
// pick each of the 1,000 numbers alike, so each pattern has an exact chance;
// for the draws at hand it also has a range that chance gives 95 times in 100.
// A row outside its range is unusual; with many rows, some are outside by
// chance alone, and the report says how many to expect.

// ---------------------------------------------------------------- exact chances

// The share of the 1,000 numbers whose digits add up to lowSum..highSum.
double sumChance(int lowSum, int highSum);
// The share holding exactly `odd` odd digits (0 to 3): 1, 3, 3, 1 in 8.
double oddCountChance(int odd);
// The share with 3 different digits (singles, 0.72), 2 (doubles, 0.27) or 1
// (triples, 0.01).
double distinctDigitsChance(int distinct);
// The share holding digit d at least once: 0.271.
double holdsDigitChance();
// The share holding both a and b (a != b), or a at least twice (a == b).
double pairChance(int a, int b);
// The share of the 1,000,000 pairs of draws in which the second holds a digit
// of the first: 0.60751 ("just under 40% repeat no digit").
double sharesDigitChance();

// ---------------------------------------------------------------- the rows

struct ChanceRow {
    std::string id;       // "position-1-digit-7", "odd-count-2", "sum-10-17", ...
    std::string title;    // the pattern in words, in the user's language
    long long trials = 0; // the draws (digits, pairs of draws, plays) it is counted over
    long long draws = 0;  // the draws those come from
    bool share = true;    // seen, chance, low and high are shares of the trials; else counts
    double seen = 0;      // what the draws show
    double chance = 0;    // what chance gives: the share, or the expected count
    double low = 0;       // the range chance gives 95 times in 100
    double high = 0;
    double p = 1;         // how often chance strays as far as this, or further (two-sided)
    double pOutside = 0;  // how often chance alone puts this row outside its range
    bool outside = false; // seen is outside [low, high]
    std::string verdict;  // "as chance gives", "unusual: chance gives this about 1 time in 40"
};

struct ChanceReport {
    long long draws = 0; // the draws counted: all three digits from 0 to 9
    std::vector<ChanceRow> rows;
    double expectedOutside = 0; // how many rows chance alone puts outside their range
    int outside = 0;            // how many are
};

// Every pattern over the draws (oldest first; a draw with a digit outside 0 to
// 9 is left out). With `withChoices` false the suggested lists' hits (a
// backtest of the draws) are left out.
ChanceReport chanceReport(const std::vector<DrawRecord>& draws, bool withChoices = true);
// The row of that id; null when there is none.
const ChanceRow* findChanceRow(const ChanceReport& report, const std::string& id);

// "as chance gives", or "unusual: chance gives this about 1 time in N"; in
// English for the command line's JSON when not `translated`.
std::string chanceVerdict(bool outside, double p, bool translated = true);
// "Of these 164 patterns, chance alone would put about 9 outside their range; 7 are."
std::string manyPatternsSentence(const ChanceReport& report);
// A row as the statistics windows' tooltips say it: "Chance gives 10.0% of
// draws; 95 times in 100 between 7.9% and 12.2% for 731 draws. Seen 10.4%: as
// chance gives."
std::string chanceNote(const ChanceRow& row);
// seen, chance, low and high as shown: "10.4%" for a share, "3.2" for a count.
std::string chanceValueText(const ChanceRow& row, double value);

// A chance as a percentage with one decimal: "16.6%"; "< 0.1%" and "> 99.9%"
// for a chance that is not 0 or 1 but would show as one.
std::string chancePercentText(double chance);

// The command line's forms.
std::string chanceTable(const ChanceReport& report, const std::string& databaseName);
// [{"id": ..., "seen": x, "chance": p, "low": a, "high": b, "verdict": "..."}, ...] with
// the counts and the summary beside.
std::string chanceJson(const ChanceReport& report);

} // namespace quor3
