#pragma once

#include "engine/DataFiles.h"
#include "engine/DrawRecord.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quor3
{

// ---- Number texts of the analysis windows ----

// Fixed-point text right-aligned to at least `width` characters with
// `decimals` decimals; halves round away from zero, as the runtime's Str does.
std::string strFixed(double value, int width, int decimals);
// The value labels hold at most six characters.
constexpr std::size_t ValueLabelLimit = 6;
// strFixed kept to its first six characters.
std::string valueLabelText(double value, int width, int decimals);

// ---- Odd/even ratio ----

struct OddEven {
    int draws = 0;
    int oddTotal = 0;
    int evenTotal = 0;
    float oddPercent = 0;
    float evenPercent = 0;
    float oddAverage = 0;
    float evenAverage = 0;
    // Per-draw averages over the last five draws; 0 when there are fewer than five.
    float lastFiveOdd = 0;
    float lastFiveEven = 0;
};

// Only 1, 3, 5, 7 and 9 are odd: any other stored value counts as even. A
// database without draws gives all zeros rather than a division by zero.
OddEven countOddEven(const std::vector<DrawRecord>& draws);

struct OddEvenTexts {
    std::string oddTotal, evenTotal;
    std::string oddPercent, evenPercent;
    std::string oddAverage, evenAverage;
    std::string lastFiveOdd, lastFiveEven;
};
OddEvenTexts formatOddEven(const OddEven& values);

// ---- Percentage repeats ----

// The stored ratio times 100 in single precision, two decimals, six characters.
std::string repeatPercentText(float ratio);

// ---- Hot/cold numbers ----

// The span shown first: 14 days, or every record when there are fewer than 15.
int defaultHotColdSpan(std::size_t records);
// Field sums over the last `span` records of "freq.dat". No totals when the
// span is negative or larger than the records, so nothing is ever read from
// before the first record.
std::optional<DigitValues> spanTotals(const std::vector<DigitCounts>& records, int span);
// "7..........12": the digit, ten dots, the total.
std::string hotColdRow(int digit, int total);

struct HotColdLists {
    std::vector<std::string> hot;  // the three largest totals, largest first
    std::vector<std::string> cold; // the three smallest totals, smallest first
};
HotColdLists hotColdLists(const DigitValues& totals);

// ---- Graph counts ----

// A stored span of n or more tracks all n draws.
int limitToDraws(int span, int draws);
// How often each digit was drawn, in any position, over the last `span`
// draws (all draws when the span is larger); digits outside 0..9 count nowhere.
DigitValues digitTotalsOverLast(const std::vector<DrawRecord>& draws, int span);

constexpr int DigitSums = 28;
using SumCounts = std::array<std::int32_t, DigitSums>;
// F[s]: how many of the last `span` draws have digits adding up to s.
SumCounts digitSumsOverLast(const std::vector<DrawRecord>& draws, int span);

// The value axis reaches 3 above the tallest bar.
template <typename Values> double axisMaxFor(const Values& values)
{
    std::int32_t largest = 0;
    bool first = true;
    for (auto v : values) {
        if (first || v > largest)
            largest = v;
        first = false;
    }
    return static_cast<double>(largest) + 3.0;
}

// ---- Sets ----

constexpr int SetCount = 5;
constexpr int SetsFileLines = 1 + SetCount * 10;
inline const char* const SetsFileName = "SetsCfg.ini";  // the dialog's name, in the current folder
inline const char* const SetsGraphFile = "setscfg.ini"; // the graph's name, in the data folder

struct SetsConfig {
    int span = 1;                                        // line 1
    std::array<std::array<bool, 10>, SetCount> member{}; // lines 2..51: "0" means the digit belongs
};

// Lines 2..51 hold 0 for a digit of the set and anything else for one that is
// not. A missing line or a line that is not a number is a read error of `file`.
SetsConfig parseSetsLines(const std::vector<std::string>& lines, const fs::path& file);
// 51 lines: the span, then 0 for a member and 1 for any other digit.
std::vector<std::string> formatSetsLines(const SetsConfig& config);
SetsConfig readSetsFile(const fs::path& file);
void writeSetsFile(const fs::path& file, const SetsConfig& config);

// Without a sets file the graph tracks the last 7 draws, or all of them when
// there are fewer than 8.
int defaultSetsSpan(int draws);

struct SetTotals {
    std::array<std::int32_t, SetCount> totals{};
    // The set's digits in ascending order with nothing between them ("159").
    std::array<std::string, SetCount> captions;
};
SetTotals setTotals(const SetsConfig& config, const DigitValues& digitCounts);
// The default sets 0-1, 2-3, 4-5, 6-7, 8-9.
std::array<std::int32_t, SetCount> pairedTotals(const DigitValues& digitCounts);
extern const std::array<const char*, SetCount> PairedCaptions;

} // namespace quor3
