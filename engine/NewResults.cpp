#include "engine/NewResults.h"

#include "engine/Addon.h"
#include "engine/Backups.h"
#include "engine/DataFiles.h"
#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/History.h"
#include "engine/Import.h"
#include "engine/ImportChecks.h"
#include "engine/StoreDraw.h"
#include "engine/Text.h"
#include "engine/Tickets.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace quor3
{

namespace
{

std::string digitsOf(const DrawRecord& r)
{
    return std::to_string(r.Digit1) + std::to_string(r.Digit2) + std::to_string(r.Digit3);
}

bool sameDigits(const DrawRecord& a, const DrawRecord& b)
{
    return a.Digit1 == b.Digit1 && a.Digit2 == b.Digit2 && a.Digit3 == b.Digit3;
}

// The status texts of the rebuilds go to the caller's sink, except that the
// first two panels are set here, as the add window sets them. A failure is
// returned as the text that says the change is stored all the same.
std::string rebuild(const fs::path& folder, const std::string& databaseName, FirstPanels panels, StatusSink& status,
                    RandomDigits* random)
{
    try {
        if (random)
            rebuildStatistics(folder, databaseName, panels, status, *random);
        else
            rebuildStatistics(folder, databaseName, panels, status);
        return {};
    } catch (const Error& e) {
        return fill(translate("quor3::Status", "The change is stored, but the statistics could not be updated: %1. "
                                               "Quor 3 updates them the next time it opens the database."),
                    {e.what()});
    }
}

// The match check reads the choices of the last rebuild: without them the
// first new draw would be checked against nothing.
bool choicesMissing(const fs::path& folder)
{
    for (const char* name : {files::Hot, files::Cold, files::WarmChoices, files::OddEven, files::Ordinal,
                             files::PairChoices, files::Repeats})
        if (!fileExists(folder / name))
            return true;
    return false;
}

void storeOne(const fs::path& folder, const std::string& databaseName, const DrawRecord& draw, bool checkMatches,
              StatusSink& status, RandomDigits* random, NewResultsOutcome& outcome, const std::string& address)
{
    std::vector<WinnerMatch> matches;
    // Compared before the draw is stored, so it meets the choices that were on
    // offer before it, and logged as each match is found. After a failed
    // rebuild the choices are stale: no check, and no more rebuilds.
    const bool rebuilding = outcome.failure.empty();
    if (checkMatches && rebuilding)
        matches = checkWinners(folder, databaseName, draw.Digit1, draw.Digit2, draw.Digit3, decodeDate(draw.DrawDate));
    const StoreResult stored = storeDraw(folder, databaseName, draw, {"fetch", address});
    if (!stored.backup.empty())
        outcome.backups.push_back(stored.backup);
    status.setStatusText(0, translate("quor3::Status", "Total Draws: ") + std::to_string(stored.totalDraws));
    status.setStatusText(1, translate("quor3::Status", "Last Draw Date: ") + status.formatDate(draw.DrawDate));
    if (rebuilding)
        outcome.failure = rebuild(folder, databaseName, FirstPanels::None, status, random);
    outcome.totalDraws = stored.totalDraws;
    ++outcome.added;
    const std::optional<int> addon = carriedAddon(draw);
    outcome.lines.push_back(
        addon ? fill(translate("quor3::Fetch", "Added %1: %2, add-on %3"),
                     {monthDayYear(draw.DrawDate), digitsOf(draw), std::to_string(*addon)})
              : fill(translate("quor3::Fetch", "Added %1: %2"), {monthDayYear(draw.DrawDate), digitsOf(draw)}));
    for (const auto& m : matches)
        outcome.lines.push_back(m.logLine);
    if (stored.cutBack) {
        outcome.cutBack = true;
        outcome.lines.push_back(
            fill(translate("quor3::Fetch", "The database was full: it keeps its newest %1 draws and the new ones; "
                                           "every draw stays in its full history. The older draws are kept in %2/%3."),
                 {std::to_string(DrawsKeptWhenFull), BackupFolderName, stored.backup.filename().string()}));
    }
    outcome.matches.insert(outcome.matches.end(), matches.begin(), matches.end());
}

} // namespace

NewResultsPlan planNewResults(const std::vector<DrawRecord>& stored, const std::vector<DrawRecord>& fromFile,
                              const std::vector<DrawRecord>* history)
{
    NewResultsPlan plan;
    if (stored.empty()) {
        plan.fillAsImport = true;
        plan.newer = fromFile;
        return plan;
    }
    std::multimap<double, const DrawRecord*> byDate;
    double newest = stored.front().DrawDate;
    for (const DrawRecord& r : stored) {
        byDate.emplace(r.DrawDate, &r);
        newest = std::max(newest, r.DrawDate);
    }
    std::vector<DrawRecord> missing;
    for (const DrawRecord& r : fromFile) {
        if (r.DrawDate > newest) {
            plan.newer.push_back(r);
            continue;
        }
        const auto range = byDate.equal_range(r.DrawDate);
        if (range.first == range.second) {
            missing.push_back(r);
            continue;
        }
        const bool same =
            std::any_of(range.first, range.second, [&r](const auto& e) { return sameDigits(*e.second, r); });
        if (!same) {
            const DrawRecord& kept = *range.first->second;
            plan.conflicts.push_back(
                {kept, r,
                 fill(translate("quor3::Fetch",
                                "conflict on %1: stored %2, the results file has %3; the stored draw is kept"),
                      {monthDayYear(r.DrawDate), digitsOf(kept), digitsOf(r)})});
        }
    }
    // Each older draw counted once, whatever the limit of the working database.
    const auto key = [](const DrawRecord& r) { return std::make_tuple(r.DrawDate, r.Digit1, r.Digit2, r.Digit3); };
    std::set<std::tuple<double, int, int, int>> older, held;
    for (const DrawRecord& r : missing)
        older.insert(key(r));
    if (history && !older.empty())
        for (const DrawRecord& r : *history)
            if (older.count(key(r)))
                held.insert(key(r));
    plan.olderInHistory = static_cast<long long>(held.size());
    plan.olderMissing = static_cast<long long>(older.size() - held.size());
    std::stable_sort(plan.newer.begin(), plan.newer.end(),
                     [](const DrawRecord& a, const DrawRecord& b) { return a.DrawDate < b.DrawDate; });
    return plan;
}

std::string announcementOf(const std::vector<WinnerMatch>& matches)
{
    std::string text = translate("quor3::Winners", "W I N N E R");
    for (const auto& m : matches)
        text += "\n" + m.logLine;
    return text;
}

std::vector<std::string> summaryOf(const NewResultsOutcome& outcome)
{
    std::vector<std::string> lines;
    for (const auto& skipped : outcome.skipped)
        lines.push_back(fill(translate("quor3::Fetch", "Skipped line %1: %2: %3"),
                             {std::to_string(skipped.lineNumber), skipped.reason, skipped.text}));
    for (const auto& c : outcome.plan.conflicts)
        lines.push_back(c.text);
    const long long older = outcome.plan.olderMissing;
    if (older > 0)
        lines.push_back(fill(older == 1
                                 ? translate("quor3::Fetch", "%1 older draw of the results file is missing from "
                                                             "the full history: File > Import can merge it")
                                 : translate("quor3::Fetch", "%1 older draws of the results file are missing "
                                                             "from the full history: File > Import can merge them"),
                             {std::to_string(older)}));
    // Held already: nothing to advise, for an Import would only fill the
    // working database up to the next cut-back.
    const long long kept = outcome.plan.olderInHistory;
    if (kept > 0)
        lines.push_back(fill(kept == 1 ? translate("quor3::Fetch", "%1 older draw of the results file is not in the "
                                                                   "database but is kept in its full history")
                                       : translate("quor3::Fetch", "%1 older draws of the results file are not in the "
                                                                   "database but are kept in its full history"),
                             {std::to_string(kept)}));
    if (outcome.upToDate)
        lines.push_back(translate("quor3::Fetch", "up to date"));
    else
        lines.push_back(fill(outcome.added == 1 ? translate("quor3::Fetch", "%1 new draw added")
                                                : translate("quor3::Fetch", "%1 new draws added"),
                             {std::to_string(outcome.added)}));
    if (!outcome.failure.empty())
        lines.push_back(outcome.failure);
    return lines;
}

NewResultsOutcome addNewResults(const fs::path& folder, const std::string& databaseName,
                                const std::vector<DrawRecord>& fromFile, bool checkMatches, StatusSink& status,
                                RandomDigits* random, const std::string& address)
{
    NewResultsOutcome outcome;
    const fs::path database = folder / databaseName;
    // One change: no other writer comes between the reading of the stored
    // draws, the stores and their rebuilds.
    const DatabaseLock lock(folder, databaseName, DatabaseLock::Exclusive);
    const std::vector<DrawRecord> stored = fileExists(database) ? readDraws(database) : std::vector<DrawRecord>{};
    std::vector<DrawRecord> draws = fromFile;
    dropFutureDraws(draws);
    // Another draw of the file (Midday for an Evening database) stores nothing.
    refuseAnotherDraw(compareDraws(stored, draws));
    outcome.plan = planNewResults(stored, draws);
    if (outcome.plan.olderMissing > 0 && fileExists(historyFileFor(database))) {
        try {
            const std::vector<DrawRecord> history = readHistory(database);
            outcome.plan = planNewResults(stored, draws, &history);
        } catch (const Error&) {
            // An unreadable history: the older draws are counted as missing.
        }
    }
    if (outcome.plan.newer.empty()) {
        outcome.upToDate = true;
        outcome.totalDraws = static_cast<long long>(stored.size());
        return outcome;
    }
    // Refused before the first match is logged: a database that cannot be
    // written would otherwise leave log lines for draws never stored.
    checkChangeable(database, "add to");
    // One reading of the history for every ticket the new draws settle.
    // No history yet: no tickets either, and nothing to open.
    const long long ticketMark = fileExists(historyFileFor(database)) ? ticketChangeMark(database) : 0;
    if (outcome.plan.fillAsImport) {
        const ImportOutcome imported =
            storeImport(folder, databaseName, outcome.plan.newer, ImportMode::Merge, address);
        outcome.added = imported.plan.fromFile;
        outcome.totalDraws = static_cast<long long>(imported.plan.draws.size());
        if (!imported.backup.empty())
            outcome.backups.push_back(imported.backup);
        outcome.lines.push_back(describeImport(imported));
        outcome.failure = rebuild(folder, databaseName, FirstPanels::TotalAndLastDate, status, random);
    } else {
        if (checkMatches && choicesMissing(folder))
            outcome.failure = rebuild(folder, databaseName, FirstPanels::TotalAndLastDate, status, random);
        for (const DrawRecord& draw : outcome.plan.newer)
            storeOne(folder, databaseName, draw, checkMatches, status, random, outcome, address);
    }
    outcome.ticketWins = announcementsSince(database, ticketMark);
    return outcome;
}

bool newResultsWouldCutBack(const fs::path& folder, const std::string& databaseName,
                            const std::vector<DrawRecord>& fromFile)
{
    const fs::path database = folder / databaseName;
    std::vector<DrawRecord> stored;
    {
        const DatabaseLock lock(folder, databaseName, DatabaseLock::Shared);
        if (fileExists(database))
            stored = readDraws(database);
    }
    std::vector<DrawRecord> draws = fromFile;
    dropFutureDraws(draws);
    const NewResultsPlan plan = planNewResults(stored, draws);
    // Each draw is stored as an entry: the one that finds the database full
    // cuts it back. A database filled as an import keeps its newest draws.
    return !plan.fillAsImport && !plan.newer.empty() &&
           stored.size() + plan.newer.size() - 1 >= static_cast<std::size_t>(MaxDraws);
}

bool mayFetchConditionally(const fs::path& folder, const std::string& databaseName)
{
    return mayFetchConditionally(settingsFilePath(), folder, databaseName);
}

bool mayFetchConditionally(const fs::path& settingsFile, const fs::path& folder, const std::string& databaseName)
{
    // Validators only count while the database still holds what they
    // describe: an emptied, new, restored or undone database is fetched in
    // full.
    const fs::path database = folder / databaseName;
    return fileExists(database) && countDraws(database) > 0 && validatorsDescribe(settingsFile, databaseName, database);
}

FetchedResults fetchResults(const ResultsSource& source, FetchOptions options, bool conditional, FileFetcher fetch)
{
    options.etag = conditional ? source.etag : std::string();
    options.lastModified = conditional ? source.lastModified : std::string();
    const FetchedFile file = fetch(source.address, options);
    FetchedResults fetched;
    fetched.notModified = file.notModified;
    fetched.etag = file.etag;
    fetched.lastModified = file.lastModified;
    if (file.notModified)
        return fetched;
    try {
        const ImportScan scan = importDraws(file.body);
        ChosenDraws chosen = chooseDraw(scan, source.drawName);
        if (chosen.draws.empty())
            throw Error(
                Error::Kind::InputOutput,
                source.drawName.empty()
                    ? translate("quor3::Fetch", "it holds no draw that Quor 3 can read (has its layout changed?)")
                    : fill(translate("quor3::Fetch", "it holds no draw named \"%1\" (has its layout changed?)"),
                           {source.drawName}));
        fetched.skipped = setAsideFutureDraws(chosen);
        fetched.draws = std::move(chosen.draws);
        fetched.layout = scan.layout;
    } catch (const Error& e) {
        throw Error(e.kind(), fill(translate("quor3::Fetch", "Cannot use the results from \"%1\": %2"),
                                   {source.address, e.what()}));
    }
    return fetched;
}

NewResultsOutcome storeFetchedResults(const fs::path& settingsFile, const fs::path& folder,
                                      const std::string& databaseName, ResultsSource source,
                                      const FetchedResults& fetched, StatusSink& status, RandomDigits* random)
{
    NewResultsOutcome outcome;
    if (fetched.notModified) {
        outcome.upToDate = true;
        outcome.totalDraws = fileExists(folder / databaseName) ? countDraws(folder / databaseName) : 0;
    } else {
        // The add window's "Notify me" setting, read as the program reads it.
        const bool checkMatches = SettingsSection(settingsFile, "Config").readInteger("QCheck", 1) != 0;
        outcome = addNewResults(folder, databaseName, fetched.draws, checkMatches, status, random, source.address);
        outcome.layout = fetched.layout;
        outcome.skipped = fetched.skipped;
        source.etag = fetched.etag;
        source.lastModified = fetched.lastModified;
    }
    source.lastChecked = isoDateTimeNow();
    try {
        writeResultsSource(settingsFile, databaseName, source);
        // The validators describe the database as it is now.
        saveValidatorsFingerprint(settingsFile, databaseName,
                                  source.etag.empty() && source.lastModified.empty()
                                      ? std::string()
                                      : databaseFingerprint(folder / databaseName));
    } catch (const Error& e) {
        if (outcome.added == 0)
            throw;
        // The draws are stored: the next fetch finds them and asks again.
        const std::string said =
            fill(translate("quor3::Fetch", "The draws are stored, but the results source could not be saved: %1"),
                 {e.what()});
        outcome.failure = outcome.failure.empty() ? said : outcome.failure + "\n" + said;
    }
    return outcome;
}

NewResultsOutcome fetchNewResults(const fs::path& settingsFile, const fs::path& folder, const std::string& databaseName,
                                  const FetchOptions& options, StatusSink& status, FileFetcher fetch)
{
    const std::optional<ResultsSource> source = readResultsSource(settingsFile, databaseName);
    if (!source)
        throw Error(Error::Kind::InputOutput,
                    fill(translate("quor3::Fetch",
                                   "%1 has no results source: set one with File > Results Source... or --from."),
                         {databaseName}));
    return fetchNewResults(settingsFile, folder, databaseName, *source, options, status, fetch);
}

NewResultsOutcome fetchNewResults(const fs::path& settingsFile, const fs::path& folder, const std::string& databaseName,
                                  const ResultsSource& source, const FetchOptions& options, StatusSink& status,
                                  FileFetcher fetch)
{
    const FetchedResults fetched =
        fetchResults(source, options, mayFetchConditionally(settingsFile, folder, databaseName), fetch);
    return storeFetchedResults(settingsFile, folder, databaseName, source, fetched, status);
}

void showDatabaseState(const fs::path& folder, const std::string& databaseName, StatusSink& status)
{
    std::vector<DrawRecord> draws;
    {
        const DatabaseLock lock(folder, databaseName, DatabaseLock::Shared);
        if (fileExists(folder / databaseName))
            draws = readDraws(folder / databaseName);
    }
    status.setStatusText(0, translate("quor3::Status", "Total Draws: ") + std::to_string(draws.size()));
    if (draws.empty()) {
        status.setStatusText(1, translate("quor3::Status", "Last Draw Date: "));
        status.setStatusText(2, translate("quor3::Status", "Hottest Number: "));
        status.setStatusText(3, translate("quor3::Status", "Coldest Number: "));
        return;
    }
    status.setStatusText(1, translate("quor3::Status", "Last Draw Date: ") + status.formatDate(draws.back().DrawDate));
    ClockSeededDigits random; // the choices are not shown; only the ranking is
    const HotRanking hot = computeDerivedFiles(draws, random).hotRanking;
    status.setStatusText(2, translate("quor3::Status", "Hottest Number: ") + std::to_string(hot[0]));
    status.setStatusText(3, translate("quor3::Status", "Coldest Number: ") + std::to_string(hot[9]));
}

} // namespace quor3
