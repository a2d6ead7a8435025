#include "engine/Choices.h"

#include "engine/Errors.h"

#include <chrono>
#include <cmath>

namespace quor3
{

ClockSeededDigits::ClockSeededDigits()
    : generator_(
          static_cast<std::mt19937::result_type>(std::chrono::high_resolution_clock::now().time_since_epoch().count()))
{
}

int ClockSeededDigits::nextDigit()
{
    return digits_(generator_);
}

namespace
{

std::string triple(const HotRanking& h, int i, int j, int k)
{
    return digitTriple(h[i], h[j], h[k]);
}

// Hot, repeats: (0,1,2) (0,1,3) (1,2,3) (0,2,3) (0,1,4).
std::vector<std::string> topPattern(const HotRanking& d)
{
    return {triple(d, 0, 1, 2), triple(d, 0, 1, 3), triple(d, 1, 2, 3), triple(d, 0, 2, 3), triple(d, 0, 1, 4)};
}

} // namespace

std::vector<std::string> warmChoices(const HotRanking& h)
{
    return {triple(h, 3, 4, 5), triple(h, 3, 4, 6), triple(h, 3, 5, 6), triple(h, 4, 5, 6)};
}

std::vector<std::string> hotChoices(const HotRanking& h)
{
    return topPattern(h);
}

std::vector<std::string> coldChoices(const HotRanking& h)
{
    return {triple(h, 9, 8, 7), triple(h, 9, 8, 6), triple(h, 8, 7, 6), triple(h, 9, 7, 6), triple(h, 9, 8, 5)};
}

std::vector<std::string> oddEvenChoices(const std::vector<std::string>& hottestLines, bool oddParity,
                                        RandomDigits& random)
{
    const int wanted = oddParity ? 1 : 0;
    auto draw = [&] {
        int digit;
        do {
            digit = random.nextDigit();
        } while (digit < 0 || digit > 9 || digit % 2 != wanted);
        return digit;
    };
    std::vector<std::string> lines;
    for (int k = 0; k < 5; ++k) {
        const int a = draw();
        const int b = draw();
        const std::string hottest = k < static_cast<int>(hottestLines.size()) ? hottestLines[k] : std::string();
        lines.push_back(std::to_string(a) + "  " + std::to_string(b) + "  " + hottest);
    }
    return lines;
}

std::vector<std::string> ordinalLines(const std::vector<TDigitCounts>& positionCounts)
{
    std::vector<std::string> lines;
    for (const auto& counts : positionCounts) {
        const Ranking r = rankDescending(counts);
        for (int k = 0; k < 4; ++k)
            lines.push_back(std::to_string(r.digits[k]));
    }
    return lines;
}

std::vector<std::string> pairsChoices(const std::vector<std::string>& warmLines,
                                      const std::vector<TDigitCounts>& pairTable)
{
    std::vector<std::string> lines;
    for (int k = 0; k < 4; ++k) {
        const int w = toInt(k < static_cast<int>(warmLines.size()) ? warmLines[k] : std::string());
        if (w < 0 || w > 9 || w >= static_cast<int>(pairTable.size()))
            throwConversionError(warmLines[k]);
        const Ranking r = rankDescending(pairTable[w]);
        lines.push_back(digitTriple(r.digits[0], r.digits[1], w));
    }
    return lines;
}

int repeatPercentage(float ratio)
{
    const float percent = ratio * 100.0f;
    if (!std::isfinite(percent))
        return 0;
    const float rounded = std::nearbyint(percent); // halves go to the even neighbour
    if (rounded > 2147483520.0f)
        return 2147483520;
    if (rounded < -2147483520.0f)
        return -2147483520;
    return static_cast<int>(rounded);
}

std::vector<std::string> repeatsChoices(const TDigitRatios& ratios)
{
    DigitValues percentages;
    for (int d = 0; d < 10; ++d)
        percentages[d] = repeatPercentage(ratios[d]);
    return topPattern(rankDescending(percentages).digits);
}

std::vector<std::string> ordinalRows(const std::vector<std::string>& ordinalFileLines)
{
    auto pick = [&](int line) -> std::string {
        if (line - 1 < static_cast<int>(ordinalFileLines.size()) && !ordinalFileLines[line - 1].empty())
            return ordinalFileLines[line - 1].substr(0, 1);
        return std::string();
    };
    auto row = [&](int a, int b, int c) { return pick(a) + "  " + pick(b) + "  " + pick(c); };
    return {row(1, 5, 9), row(2, 6, 10), row(3, 7, 11), row(4, 8, 12), row(1, 6, 11)};
}

} // namespace quor3
