#pragma once

#include "engine/DrawRecord.h"
#include "engine/Fetch.h"
#include "engine/Rebuild.h"
#include "engine/ResultsSource.h"
#include "engine/Winners.h"

#include <string>
#include <vector>

namespace quor3
{

// A draw of the results file at a date already stored, with other digits.
struct ResultsConflict {
    DrawRecord stored;
    DrawRecord fromFile;
    // "conflict on 12/5/2026: stored 451, the results file has 452; the stored draw is kept"
    std::string text;
};

// What the results file holds beside the database.
struct NewResultsPlan {
    std::vector<DrawRecord> newer; // newer than the newest stored draw, oldest first
    std::vector<ResultsConflict> conflicts;
    long long olderMissing = 0; // older draws an Import would merge in
    bool fillAsImport = false;  // the database holds no draw yet
};

NewResultsPlan planNewResults(const std::vector<DrawRecord>& stored, const std::vector<DrawRecord>& fromFile);

struct NewResultsOutcome {
    bool upToDate = false; // a 304 answer, or no draw newer than the newest stored
    NewResultsPlan plan;
    std::string layout;
    long long added = 0;
    long long totalDraws = 0;
    // One line per added draw, each followed by the winners-log lines of its
    // matches; after an import, the import's summary.
    std::vector<std::string> lines;
    // Every match of the fetch, for one announcement.
    std::vector<WinnerMatch> matches;
    std::vector<fs::path> backups;
};

// "W I N N E R" and one line per match, for the one message of a fetch.
std::string announcementOf(const std::vector<WinnerMatch>& matches);
// What a fetch did, for the status bar or the end of the command's output:
// the conflicts, the older draws Import can merge, then "3 new draws added"
// or "up to date".
std::vector<std::string> summaryOf(const NewResultsOutcome& outcome);

// Adds the new draws of a results file's text to the database
// `folder/databaseName`, each as an entry is stored: the match check against
// the choices of that moment (when `checkMatches`), the draw stored (a full
// database cut back after a backup), the rebuild. A database with no draws is
// filled as an import with the newest 731. Raises quor3::Error, changing
// nothing, when the text holds no draw of the chosen name. `random` stands in
// for the clock-seeded digits of the odd/even choices (tests).
NewResultsOutcome addNewResults(const fs::path& folder, const std::string& databaseName, const std::string& text,
                                const std::string& drawName, bool checkMatches, StatusSink& status,
                                RandomDigits* random = nullptr);

// The whole fetch of a database's source: fetches it (conditionally when the
// database has draws), adds the new draws, then saves the source in
// `settingsFile` with LastChecked and the validators. Any failure raises
// quor3::Error naming the address and the reason, with the database, its
// derived files, the winners log and the settings unchanged. The match check
// follows the add window's setting (QCheck).
NewResultsOutcome fetchNewResults(const fs::path& settingsFile, const fs::path& folder, const std::string& databaseName,
                                  ResultsSource source, FetchOptions options, StatusSink& status);
// The same with the source saved for the database; raises when there is none.
NewResultsOutcome fetchNewResults(const fs::path& settingsFile, const fs::path& folder, const std::string& databaseName,
                                  const FetchOptions& options, StatusSink& status);

} // namespace quor3
