#include "engine/Rebuild.h"

#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace quor3
{

std::string StatusSink::formatDate(double dayNumber) const
{
    return monthDayYear(dayNumber);
}

namespace
{

constexpr int TraceWindow = 90;

bool inDigitRange(std::int32_t d)
{
    return d >= 0 && d <= 9;
}

std::string digitLine(int d)
{
    return std::to_string(d);
}

// The trace window: the last 90 draws, one record each.
std::vector<DigitCounts> traceOf(const std::int32_t* first, const std::int32_t* second, const std::int32_t* third,
                                 std::size_t n)
{
    const std::size_t start = n > TraceWindow ? n - TraceWindow : 0;
    std::vector<DigitCounts> trace;
    trace.reserve(n - start);
    for (std::size_t i = start; i < n; ++i) {
        DigitCounts perDraw{};
        for (std::int32_t d : {first[i], second[i], third[i]})
            if (inDigitRange(d))
                ++perDraw[d];
        trace.push_back(perDraw);
    }
    return trace;
}

RebuildOutput derivedFilesOf(const ChoiceCounts& counts, const std::vector<DigitCounts>& trace, RandomDigits& random)
{
    RebuildOutput out;
    const HotRanking h = hotRanking(counts);
    out.hotRanking = h;
    out.choices = makeChoices(counts, random);
    const ComputerChoices& c = out.choices;
    const auto positions = counts.positionCounts();
    const PairTable pairs = counts.pairTable();

    out.files = {
        {files::Freq, encodeCounts(trace)},
        {files::Hottest,
         joinLines({digitLine(h[0]), digitLine(h[1]), digitLine(h[2]), digitLine(h[3]), digitLine(h[4])})},
        {files::Warm, joinLines({digitLine(h[3]), digitLine(h[4]), digitLine(h[5]), digitLine(h[6])})},
        {files::WarmChoices, joinLines(choiceLines(c.warm))},
        {files::Hot, joinLines(choiceLines(c.hot))},
        {files::Cold, joinLines(choiceLines(c.cold))},
        {files::OddEven, joinLines(choiceLines(c.oddEven))},
        {files::Order, encodeCounts({positions[0], positions[1], positions[2]})},
        {files::Ordinal, joinLines(ordinalFileLines(c.ordinal))},
        {files::Pair, encodeCounts({pairs.begin(), pairs.end()})},
        {files::PairChoices, joinLines(choiceLines(c.pairs))},
        {files::Repeat, encodeRatios({counts.repeatRatios()})},
        {files::Repeats, joinLines(choiceLines(c.repeats))},
    };
    return out;
}

std::int32_t int32At(const char* in)
{
    std::int32_t v;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    // The stored order is the machine's: one load instead of four.
    std::memcpy(&v, in, 4);
#else
    std::uint32_t u = 0;
    for (int b = 0; b < 4; ++b)
        u |= static_cast<std::uint32_t>(static_cast<unsigned char>(in[b])) << (8 * b);
    std::memcpy(&v, &u, 4);
#endif
    return v;
}

struct DatabaseRead {
    long long draws = 0;
    double lastDate = 0.0;
};

// Reads the database once (a partial last record is ignored, as readDraws
// does), keeps each draw's digits in `result` and adds them to `counts`.
DatabaseRead readAndCount(const fs::path& database, RebuildResult& result, ChoiceCounts& counts)
{
    const std::string bytes = readWholeFile(database);
    const std::size_t n = bytes.size() / DrawRecordSize;
    result.firstDigits.resize(n);
    result.secondDigits.resize(n);
    result.thirdDigits.resize(n);
    const char* in = bytes.data();
    for (std::size_t r = 0; r < n; ++r, in += DrawRecordSize) {
        result.firstDigits[r] = int32At(in + 8);
        result.secondDigits[r] = int32At(in + 12);
        result.thirdDigits[r] = int32At(in + 16);
    }
    DatabaseRead read;
    read.draws = static_cast<long long>(n);
    if (n > 0)
        read.lastDate = decodeDraw(bytes.data() + (n - 1) * DrawRecordSize).DrawDate;
    // Counted in one go, the counts summed up once.
    counts.addDigits(result.firstDigits.data(), result.secondDigits.data(), result.thirdDigits.data(), n);
    return read;
}

} // namespace

RebuildOutput computeDerivedFiles(const std::vector<DrawRecord>& draws, RandomDigits& random)
{
    ChoiceCounts counts;
    for (const auto& draw : draws)
        counts.add(draw);
    const std::size_t n = draws.size();
    const std::size_t start = n > TraceWindow ? n - TraceWindow : 0;
    std::vector<std::int32_t> first, second, third;
    for (std::size_t i = start; i < n; ++i) {
        first.push_back(draws[i].Digit1);
        second.push_back(draws[i].Digit2);
        third.push_back(draws[i].Digit3);
    }
    return derivedFilesOf(counts, traceOf(first.data(), second.data(), third.data(), first.size()), random);
}

RebuildResult rebuildStatistics(const fs::path& folder, const std::string& databaseName, FirstPanels panels,
                                StatusSink& status, RandomDigits& random)
{
    const DatabaseLock lock(folder, databaseName, DatabaseLock::Exclusive);
    const fs::path database = folder / databaseName;
    RebuildResult result;
    ChoiceCounts counts;
    const DatabaseRead read = readAndCount(database, result, counts);
    const long long n = read.draws;
    if (panels == FirstPanels::TotalAndLastDate)
        status.setStatusText(0, "Total Draws: " + std::to_string(n));
    if (n == 0) {
        writeWholeFile(folder / files::Freq, std::string());
        throwIoError(database, "read the last draw of", "the database holds no draws");
    }
    if (panels != FirstPanels::None)
        status.setStatusText(1, "Last Draw Date: " + status.formatDate(read.lastDate));

    const RebuildOutput derived = derivedFilesOf(counts,
                                                 traceOf(result.firstDigits.data(), result.secondDigits.data(),
                                                         result.thirdDigits.data(), result.firstDigits.size()),
                                                 random);
    for (const auto& file : derived.files) {
        writeWholeFile(folder / file.name, file.bytes);
        if (std::string_view(file.name) == files::Hottest)
            status.setStatusText(2, "Hottest Number: " + digitLine(derived.hotRanking[0]));
        else if (std::string_view(file.name) == files::Cold)
            status.setStatusText(3, "Coldest Number: " + digitLine(derived.hotRanking[9]));
    }

    result.totalDraws = n;
    result.hotRanking = derived.hotRanking;
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
