#include "engine/Rebuild.h"

#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/Text.h"

#include <algorithm>
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

// The trace window: the last 90 of `n` stored records, one count each.
std::vector<DigitCounts> traceOf(const char* records, std::size_t n)
{
    const std::size_t start = n > TraceWindow ? n - TraceWindow : 0;
    std::vector<DigitCounts> trace;
    trace.reserve(n - start);
    for (std::size_t i = start; i < n; ++i) {
        DigitCounts perDraw{};
        for (int position = 0; position < 3; ++position) {
            const std::int32_t d = storedDigit(records + i * DrawRecordSize, position);
            if (inDigitRange(d))
                ++perDraw[d];
        }
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

} // namespace

RebuildOutput computeDerivedFiles(const std::vector<DrawRecord>& draws, RandomDigits& random)
{
    ChoiceCounts counts;
    for (const auto& draw : draws)
        counts.add(draw);
    const std::size_t start = draws.size() > TraceWindow ? draws.size() - TraceWindow : 0;
    const std::string recent = encodeDraws({draws.begin() + static_cast<std::ptrdiff_t>(start), draws.end()});
    return derivedFilesOf(counts, traceOf(recent.data(), draws.size() - start), random);
}

RebuildResult rebuildStatistics(const fs::path& folder, const std::string& databaseName, FirstPanels panels,
                                StatusSink& status, RandomDigits& random)
{
    const DatabaseLock lock(folder, databaseName, DatabaseLock::Exclusive);
    const fs::path database = folder / databaseName;
    // Read once; a partial last record is ignored, as readDraws does.
    const std::string bytes = readWholeFile(database);
    const std::size_t records = bytes.size() / DrawRecordSize;
    const long long n = static_cast<long long>(records);
    if (panels == FirstPanels::TotalAndLastDate)
        status.setStatusText(0, translate("quor3::Status", "Total Draws: ") + std::to_string(n));
    if (n == 0) {
        writeWholeFile(folder / files::Freq, std::string());
        throwIoError(database, "read the last draw of", "the database holds no draws");
    }
    if (panels != FirstPanels::None)
        status.setStatusText(1, translate("quor3::Status", "Last Draw Date: ") +
                                    status.formatDate(decodeDraw(&bytes[(records - 1) * DrawRecordSize]).DrawDate));

    ChoiceCounts counts;
    counts.addRecords(bytes.data(), records);
    const RebuildOutput derived = derivedFilesOf(counts, traceOf(bytes.data(), records), random);
    // All old or all new: the statistics of one rebuild never mix with another's.
    std::vector<std::pair<fs::path, std::string>> written;
    written.reserve(derived.files.size());
    for (const auto& file : derived.files)
        written.emplace_back(folder / file.name, file.bytes);
    written.emplace_back(folder / files::StatisticsOf, databaseName + "\n");
    replaceFilesTogether(written);
    status.setStatusText(2, translate("quor3::Status", "Hottest Number: ") + digitLine(derived.hotRanking[0]));
    status.setStatusText(3, translate("quor3::Status", "Coldest Number: ") + digitLine(derived.hotRanking[9]));

    RebuildResult result;
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

bool derivedFilesBelongTo(const fs::path& folder, const std::string& databaseName)
{
    const fs::path marker = folder / files::StatisticsOf;
    if (!fileExists(marker))
        return true; // written before the files named their database: nothing says otherwise
    std::string name = readWholeFile(marker);
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r'))
        name.pop_back();
    return name == databaseName;
}

std::string rebuildAfterChange(const fs::path& folder, const std::string& databaseName, FirstPanels panels,
                               StatusSink& status, RebuildResult* result)
{
    try {
        const RebuildResult done = rebuildStatistics(folder, databaseName, panels, status);
        if (result)
            *result = done;
        return std::string();
    } catch (const Error& e) {
        return fill(translate("quor3::Status", "The change is stored, but the statistics could not be updated: %1. "
                                               "Quor 3 updates them the next time it opens the database."),
                    {e.what()});
    }
}

bool openDatabase(const fs::path& folder, const std::string& databaseName, StatusSink& status, RandomDigits& random)
{
    // A first store that a stop cut short leaves the history without its
    // working file: finished here, before the file is looked for.
    if (!fileExists(folder / databaseName) && fileExists(historyFileFor(folder / databaseName)))
        ensureHistory(folder / databaseName);
    if (!fileExists(folder / databaseName)) {
        status.setStatusText(0, translate("quor3::Status", "Total Draws: ") + "0");
        status.setStatusText(1, translate("quor3::Status", "Last Draw Date: "));
        status.setStatusText(2, translate("quor3::Status", "Hottest Number: "));
        status.setStatusText(3, translate("quor3::Status", "Coldest Number: "));
        return false;
    }
    ensureHistory(folder / databaseName);
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
