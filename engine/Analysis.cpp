#include "engine/Analysis.h"

#include <algorithm>
#include <limits>

#include "engine/Errors.h"
#include "engine/Text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quor3
{

std::string strFixed(double value, int width, int decimals)
{
    decimals = std::clamp(decimals, 0, 18);
    const long double scale = std::pow(10.0L, decimals);
    // printf would round an exact half to even; the runtime rounds it away from zero.
    long double rounded = std::round(static_cast<long double>(value) * scale) / scale;
    if (rounded == 0)
        rounded = 0; // no "-0.0"
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, rounded);
    std::string text = buffer;
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string valueLabelText(double value, int width, int decimals)
{
    return strFixed(value, width, decimals).substr(0, ValueLabelLimit);
}

namespace
{
bool isOdd(std::int32_t digit)
{
    return digit == 1 || digit == 3 || digit == 5 || digit == 7 || digit == 9;
}
} // namespace

OddEven countOddEven(const std::vector<DrawRecord>& draws)
{
    OddEven r;
    const int n = static_cast<int>(draws.size());
    r.draws = n;
    float fiveOdd = 0;
    float fiveEven = 0;
    for (int j = 0; j < n; ++j) {
        const bool lastFive = n >= 5 && j >= n - 5;
        for (std::int32_t digit : {draws[j].Digit1, draws[j].Digit2, draws[j].Digit3}) {
            if (isOdd(digit)) {
                ++r.oddTotal;
                if (lastFive)
                    fiveOdd += 1.0f;
            } else {
                ++r.evenTotal;
                if (lastFive)
                    fiveEven += 1.0f;
            }
        }
    }
    if (n > 0) {
        // Worked out wide and stored narrow once, so that an exact half such
        // as 26.25 stays exact and rounds up when shown.
        const long double digits = 3.0L * static_cast<long double>(n);
        r.oddPercent = static_cast<float>(static_cast<long double>(r.oddTotal) / digits * 100.0L);
        r.evenPercent = static_cast<float>(static_cast<long double>(r.evenTotal) / digits * 100.0L);
        r.oddAverage = static_cast<float>(static_cast<long double>(r.oddTotal) / static_cast<long double>(n));
        r.evenAverage = static_cast<float>(static_cast<long double>(r.evenTotal) / static_cast<long double>(n));
    }
    r.lastFiveOdd = fiveOdd / 5.0f;
    r.lastFiveEven = fiveEven / 5.0f;
    return r;
}

OddEvenTexts formatOddEven(const OddEven& v)
{
    OddEvenTexts t;
    t.oddTotal = std::to_string(v.oddTotal).substr(0, ValueLabelLimit);
    t.evenTotal = std::to_string(v.evenTotal).substr(0, ValueLabelLimit);
    t.oddPercent = valueLabelText(v.oddPercent, 5, 1);
    t.evenPercent = valueLabelText(v.evenPercent, 5, 1);
    t.oddAverage = valueLabelText(v.oddAverage, 4, 2);
    t.evenAverage = valueLabelText(v.evenAverage, 4, 2);
    t.lastFiveOdd = valueLabelText(v.lastFiveOdd, 3, 1);
    t.lastFiveEven = valueLabelText(v.lastFiveEven, 3, 1);
    return t;
}

std::string repeatPercentText(float ratio)
{
    const float percent = ratio * 100.0f;
    return valueLabelText(percent, 6, 2);
}

int defaultHotColdSpan(std::size_t records)
{
    return records >= 15 ? 14 : static_cast<int>(records);
}

std::optional<DigitValues> spanTotals(const std::vector<DigitCounts>& records, int span)
{
    const long long n = static_cast<long long>(records.size());
    if (span < 0 || span > n)
        return std::nullopt;
    // Summed wide: a damaged "freq.dat" may hold any values, and its totals
    // stop at the ends of the 32-bit range.
    long long wide[10] = {};
    for (long long r = n - span; r < n; ++r)
        for (int d = 0; d < 10; ++d)
            wide[d] += records[static_cast<std::size_t>(r)][d];
    DigitValues totals{};
    for (int d = 0; d < 10; ++d)
        totals[d] = static_cast<std::int32_t>(std::clamp<long long>(wide[d], std::numeric_limits<std::int32_t>::min(),
                                                                    std::numeric_limits<std::int32_t>::max()));
    return totals;
}

std::string hotColdRow(int digit, int total)
{
    return std::to_string(digit) + ".........." + std::to_string(total);
}

HotColdLists hotColdLists(const DigitValues& totals)
{
    const Ranking ranked = rankDescending(totals);
    HotColdLists lists;
    for (int k = 0; k < 3; ++k)
        lists.hot.push_back(hotColdRow(ranked.digits[k], ranked.values[k]));
    for (int k = 9; k >= 7; --k)
        lists.cold.push_back(hotColdRow(ranked.digits[k], ranked.values[k]));
    return lists;
}

int limitToDraws(int span, int draws)
{
    return span > draws - 1 ? draws : span;
}

namespace
{
// Index of the first of the last `span` draws; never before the first draw.
std::size_t firstOfLast(std::size_t size, int span)
{
    if (span <= 0)
        return size;
    return static_cast<std::size_t>(span) >= size ? 0 : size - static_cast<std::size_t>(span);
}
} // namespace

DigitValues digitTotalsOverLast(const std::vector<DrawRecord>& draws, int span)
{
    DigitValues totals{};
    for (std::size_t j = firstOfLast(draws.size(), span); j < draws.size(); ++j)
        for (std::int32_t digit : {draws[j].Digit1, draws[j].Digit2, draws[j].Digit3})
            if (digit >= 0 && digit <= 9)
                ++totals[digit];
    return totals;
}

SumCounts digitSumsOverLast(const std::vector<DrawRecord>& draws, int span)
{
    SumCounts counts{};
    for (std::size_t j = firstOfLast(draws.size(), span); j < draws.size(); ++j) {
        const long long sum = static_cast<long long>(draws[j].Digit1) + draws[j].Digit2 + draws[j].Digit3;
        if (sum >= 0 && sum < DigitSums)
            ++counts[static_cast<std::size_t>(sum)];
    }
    return counts;
}

namespace
{
int setsLineValue(const std::vector<std::string>& lines, int index, const fs::path& file)
{
    if (index >= static_cast<int>(lines.size()))
        throwIoError(file, "read",
                     fill(translate("quor3::Error", "the file ends before line %1"), {std::to_string(index + 1)}));
    try {
        return toInt(lines[static_cast<std::size_t>(index)]);
    } catch (const Error&) {
        throwIoError(file, "read",
                     fill(translate("quor3::Error", "line %1 is not a number"), {std::to_string(index + 1)}));
    }
}
} // namespace

SetsConfig parseSetsLines(const std::vector<std::string>& lines, const fs::path& file)
{
    SetsConfig config;
    config.span = setsLineValue(lines, 0, file);
    for (int s = 0; s < SetCount; ++s)
        for (int d = 0; d < 10; ++d)
            config.member[s][d] = setsLineValue(lines, 1 + s * 10 + d, file) == 0;
    return config;
}

std::vector<std::string> formatSetsLines(const SetsConfig& config)
{
    std::vector<std::string> lines;
    lines.reserve(SetsFileLines);
    lines.push_back(std::to_string(config.span));
    for (const auto& set : config.member)
        for (bool selected : set)
            lines.push_back(selected ? "0" : "1");
    return lines;
}

SetsConfig readSetsFile(const fs::path& file)
{
    return parseSetsLines(readTextLines(file), file);
}

void writeSetsFile(const fs::path& file, const SetsConfig& config)
{
    writeTextLines(file, formatSetsLines(config));
}

int defaultSetsSpan(int draws)
{
    return draws < 8 ? draws : 7;
}

SetTotals setTotals(const SetsConfig& config, const DigitValues& digitCounts)
{
    SetTotals r;
    for (int s = 0; s < SetCount; ++s)
        for (int d = 0; d < 10; ++d)
            if (config.member[s][d]) {
                r.captions[s] += std::to_string(d);
                r.totals[s] += digitCounts[d];
            }
    return r;
}

std::array<std::int32_t, SetCount> pairedTotals(const DigitValues& c)
{
    return {c[0] + c[1], c[2] + c[3], c[4] + c[5], c[6] + c[7], c[8] + c[9]};
}

const std::array<const char*, SetCount> PairedCaptions = {"0-1", "2-3", "4-5", "6-7", "8-9"};

} // namespace quor3
