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

// Adds the draws of a results file that are new to the database
// `folder/databaseName`, each as an entry is stored: the match check against
// the choices of that moment (when `checkMatches`), the draw stored (a full
// database cut back after a backup), the rebuild. A database with no draws is
// filled as an import with the newest 731. `random` stands in for the
// clock-seeded digits of the odd/even choices (tests). `address` names where
// the draws came from in the full history's record.
NewResultsOutcome addNewResults(const fs::path& folder, const std::string& databaseName,
                                const std::vector<DrawRecord>& fromFile, bool checkMatches, StatusSink& status,
                                RandomDigits* random = nullptr, const std::string& address = {});

// A results file fetched and read, its draw chosen; nothing written yet. The
// program makes it off its GUI thread.
struct FetchedResults {
    bool notModified = false;
    std::vector<DrawRecord> draws; // of the chosen draw, oldest first
    std::string layout;
    std::string etag;
    std::string lastModified;
};

// Whether the source's validators may be sent: only while the database holds
// draws, so that an emptied or new database is fetched in full.
bool mayFetchConditionally(const fs::path& folder, const std::string& databaseName);

// Fetches the source with `fetch` and reads its draws. Raises quor3::Error
// naming the address and the reason for any failure of the fetch, and for a
// file that holds no draw of the chosen name or no draw at all (a layout that
// changed).
FetchedResults fetchResults(const ResultsSource& source, FetchOptions options, bool conditional,
                            FileFetcher fetch = fetchFile);

// Adds the fetched draws (addNewResults, with the match check as the add
// window's setting QCheck has it) and then saves the source in `settingsFile`
// with LastChecked and the validators.
NewResultsOutcome storeFetchedResults(const fs::path& settingsFile, const fs::path& folder,
                                      const std::string& databaseName, ResultsSource source,
                                      const FetchedResults& fetched, StatusSink& status,
                                      RandomDigits* random = nullptr);

// Both: the whole fetch of a database's source, as the command line runs it.
// Any failure raises quor3::Error with the database, its derived files, the
// winners log and the settings unchanged.
NewResultsOutcome fetchNewResults(const fs::path& settingsFile, const fs::path& folder, const std::string& databaseName,
                                  const ResultsSource& source, const FetchOptions& options, StatusSink& status,
                                  FileFetcher fetch = fetchFile);
// The same with the source saved for the database; raises when there is none.
NewResultsOutcome fetchNewResults(const fs::path& settingsFile, const fs::path& folder, const std::string& databaseName,
                                  const FetchOptions& options, StatusSink& status, FileFetcher fetch = fetchFile);

// The four status texts of the database as it is on disk, as a rebuild would
// set them, with nothing written: for a window that sees another process
// (a fetch by the timer, the command line) change the database.
void showDatabaseState(const fs::path& folder, const std::string& databaseName, StatusSink& status);

} // namespace quor3
