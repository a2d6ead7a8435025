#include "engine/Rebuild.h"

#include "engine/Dates.h"
#include "engine/Errors.h"

namespace quor3
{

std::string StatusSink::formatDate(double dayNumber) const
{
    return monthDayYear(dayNumber);
}

namespace
{

constexpr int TraceWindow = 90;
constexpr int HotSpan = 15;

bool inDigitRange(std::int32_t d)
{
    return d >= 0 && d <= 9;
}

std::string digitText(int d)
{
    return std::to_string(d);
}

} // namespace

RebuildResult rebuildStatistics(const fs::path& folder, const std::string& databaseName, FirstPanels panels,
                                StatusSink& status, RandomDigits& random)
{
    const fs::path database = folder / databaseName;
    auto at = [&](const char* name) { return folder / name; };
    RebuildResult result;

    // 1. Per-draw digit counts.
    std::vector<DrawRecord> draws = readDraws(database);
    const long long n = static_cast<long long>(draws.size());
    if (panels == FirstPanels::TotalAndLastDate)
        status.setStatusText(0, "Total Draws: " + std::to_string(n));
    if (n == 0) {
        writeWholeFile(at(files::Freq), std::string());
        throwIoError(database, "read the last draw of", "the database holds no draws");
    }
    if (panels != FirstPanels::None)
        status.setStatusText(1, "Last Draw Date: " + status.formatDate(draws[n - 1].DrawDate));

    // 2. The trace window: the last 90 draws, one record each.
    const long long start = n > TraceWindow ? n - TraceWindow : 0;
    std::vector<TDigitCounts> trace;
    trace.reserve(static_cast<std::size_t>(n - start));
    for (long long i = start; i < n; ++i) {
        TDigitCounts counts{};
        for (std::int32_t d : {draws[i].Digit1, draws[i].Digit2, draws[i].Digit3})
            if (inDigitRange(d))
                ++counts[d];
        trace.push_back(counts);
    }
    writeCountsFile(at(files::Freq), trace);

    // 3. Hot ranking over the last 15 records of "freq.dat", read back.
    const std::vector<TDigitCounts> freq = readCountsFile(at(files::Freq));
    const std::size_t first = freq.size() > HotSpan ? freq.size() - HotSpan : 0;
    DigitValues sums{};
    for (std::size_t r = first; r < freq.size(); ++r)
        for (int d = 0; d < 10; ++d)
            sums[d] += freq[r][d];
    const HotRanking h = rankDescending(sums).digits;
    result.hotRanking = h;

    // 4, 5. The hottest five and the warm four.
    writeTextLines(at(files::Hottest),
                   {digitText(h[0]), digitText(h[1]), digitText(h[2]), digitText(h[3]), digitText(h[4])});
    status.setStatusText(2, "Hottest Number: " + digitText(h[0]));
    writeTextLines(at(files::Warm), {digitText(h[3]), digitText(h[4]), digitText(h[5]), digitText(h[6])});

    // 6. Warm, hot and cold choices.
    writeTextLines(at(files::WarmChoices), warmChoices(h));
    writeTextLines(at(files::Hot), hotChoices(h));
    writeTextLines(at(files::Cold), coldChoices(h));
    status.setStatusText(3, "Coldest Number: " + digitText(h[9]));

    // 7. Odd and even digits over every position of every draw.
    draws = readDraws(database);
    result.totalDraws = static_cast<long long>(draws.size());
    long long odd = 0, even = 0;
    for (const auto& draw : draws)
        for (std::int32_t d : {draw.Digit1, draw.Digit2, draw.Digit3}) {
            if (d == 1 || d == 3 || d == 5 || d == 7 || d == 9)
                ++odd;
            else
                ++even;
        }
    writeTextLines(at(files::OddEven), oddEvenChoices(readTextLines(at(files::Hottest)), odd > even, random));

    // 8. Position counts and the ordinal choices.
    draws = readDraws(database);
    std::vector<TDigitCounts> order(3, TDigitCounts{});
    for (const auto& draw : draws) {
        const std::int32_t digits[3] = {draw.Digit1, draw.Digit2, draw.Digit3};
        for (int p = 0; p < 3; ++p)
            if (inDigitRange(digits[p]))
                ++order[p][digits[p]];
    }
    writeCountsFile(at(files::Order), order);
    if (fileExists(at(files::Order)))
        writeTextLines(at(files::Ordinal), ordinalLines(order));

    // 9. The pair table: each of the three position pairs counts both ways,
    // then the diagonal, counted twice per pair of equal digits, is halved.
    draws = readDraws(database);
    std::int32_t m[10][10] = {};
    for (const auto& draw : draws) {
        const std::int32_t pairs[3][2] = {
            {draw.Digit1, draw.Digit2}, {draw.Digit1, draw.Digit3}, {draw.Digit2, draw.Digit3}};
        for (const auto& pair : pairs) {
            const std::int32_t x = pair[0], y = pair[1];
            if (!inDigitRange(x) || !inDigitRange(y))
                continue;
            ++m[x][y];
            ++m[y][x];
        }
    }
    for (int d = 0; d < 10; ++d)
        m[d][d] /= 2;
    std::vector<TDigitCounts> pairTable(10);
    for (int r = 0; r < 10; ++r)
        for (int k = 0; k < 10; ++k)
            pairTable[r][k] = m[k][r];
    writeCountsFile(at(files::Pair), pairTable);
    writeTextLines(at(files::PairChoices), pairsChoices(readTextLines(at(files::Warm)), pairTable));

    // 10. Repeats: how often a digit of one draw comes up in the next.
    draws = readDraws(database);
    float trials[10] = {};
    std::int32_t repeats[10] = {};
    result.firstDigits.reserve(draws.size());
    result.secondDigits.reserve(draws.size());
    result.thirdDigits.reserve(draws.size());
    for (const auto& draw : draws) {
        result.firstDigits.push_back(draw.Digit1);
        result.secondDigits.push_back(draw.Digit2);
        result.thirdDigits.push_back(draw.Digit3);
    }
    for (std::size_t i = 0; i + 1 < draws.size(); ++i) {
        const auto& next = draws[i + 1];
        for (std::int32_t x : {draws[i].Digit1, draws[i].Digit2, draws[i].Digit3}) {
            if (!inDigitRange(x))
                continue;
            if (x == next.Digit1 || x == next.Digit2 || x == next.Digit3)
                ++repeats[x];
            trials[x] += 1.0f;
        }
    }
    TDigitRatios ratios{};
    for (int d = 0; d < 10; ++d)
        ratios[d] = trials[d] == 0.0f ? 0.0f : static_cast<float>(repeats[d] / static_cast<double>(trials[d]));
    writeRatiosFile(at(files::Repeat), {ratios});
    const auto readBack = readRatiosFile(at(files::Repeat));
    writeTextLines(at(files::Repeats), repeatsChoices(readBack.empty() ? ratios : readBack.front()));

    return result;
}

RebuildResult rebuildStatistics(const fs::path& folder, const std::string& databaseName, FirstPanels panels,
                                StatusSink& status)
{
    ClockSeededDigits random;
    return rebuildStatistics(folder, databaseName, panels, status, random);
}

bool openDatabase(const fs::path& folder, const std::string& databaseName, StatusSink& status, RandomDigits& random)
{
    if (!fileExists(folder / databaseName)) {
        status.setStatusText(0, "Total Draws: 0");
        status.setStatusText(1, "Last Draw Date: ");
        status.setStatusText(2, "Hottest Number: ");
        status.setStatusText(3, "Coldest Number: ");
        return false;
    }
    rebuildStatistics(folder, databaseName, FirstPanels::TotalAndLastDate, status, random);
    return true;
}

bool openDatabase(const fs::path& folder, const std::string& databaseName, StatusSink& status)
{
    ClockSeededDigits random;
    return openDatabase(folder, databaseName, status, random);
}

std::string databaseNameFor(const fs::path& chosenFile)
{
    // 25 characters, not bytes: a UTF-8 name is never cut inside a character.
    const std::string name = chosenFile.filename().string();
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(name[i]) & 0xC0) == 0x80;
        if (!continuation && ++characters > 25)
            return name.substr(0, i);
    }
    return name;
}

} // namespace quor3
