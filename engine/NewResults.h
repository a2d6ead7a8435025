#pragma once

#include "engine/DrawRecord.h"
#include "engine/Fetch.h"
#include "engine/Import.h"
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
    long long olderMissing = 0;   // older draws the full history lacks too: an Import would merge them in
    long long olderInHistory = 0; // older draws not in the database but kept in its full history
    bool fillAsImport = false;    // the database holds no draw yet
};

// `history`, when given, is the database's full history: the older draws it
// holds are counted apart, for no Import would bring them anywhere new.
NewResultsPlan planNewResults(const std::vector<DrawRecord>& stored, const std::vector<DrawRecord>& fromFile,
                              const std::vector<DrawRecord>* history = nullptr);

// Whether storing the new draws of the results file would cut the full
// database back to its newest 90 draws (each new draw is stored as an entry
// is): the program asks the player first, as the add window does.
bool newResultsWouldCutBack(const fs::path& folder, const std::string& databaseName,
                            const std::vector<DrawRecord>& fromFile);

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
    bool cutBack = false; // a full database kept its newest draws (its backup in `backups`)
    // The winning tickets of the added draws, one line each.
    std::vector<std::string> ticketWins;
    // Draws of the file not stored, with the reason (dated after today).
    std::vector<SkippedLine> skipped;
    // Set when the draws are stored but the rebuild or the saving of the
    // source failed: the text that says so (the command line exits 3).
    std::string failure;
};

// "W I N N E R" and one line per match, for the one message of a fetch.
std::string announcementOf(const std::vector<WinnerMatch>& matches);
// What a fetch did, for the status bar or the end of the command's output:
// the draws skipped, the conflicts, the older draws (Import can merge those
// the full history lacks), then "3 new draws added" or "up to date".
std::vector<std::string> summaryOf(const NewResultsOutcome& outcome);

// Adds the draws of a results file that are new to the database
// `folder/databaseName`, each as an entry is stored: the match check against
// the choices of that moment (when `checkMatches`; a database without its
// derived files is rebuilt first), the draw stored (a full database cut back
// after a backup), the rebuild. A database with no draws is filled as an
// import with the newest 731. Draws dated after today are never stored.
// Raises quor3::Error, storing nothing, when the file's draws disagree with
// most stored ones on the dates they share (refuseAnotherDraw: another draw of
// the file). A failed rebuild does not undo what was stored: it is said in
// `failure`. `random` stands in for the clock-seeded digits of the odd/even
// choices (tests). `address` names where the draws came from in the full
// history's record.
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
    std::vector<SkippedLine> skipped; // draws of the chosen draw dated after today, not stored
};

// Whether the source's validators may be sent: only while the database holds
// draws and is as it was when they were saved (validatorsDescribe), so that an
// emptied, new, restored or undone database is fetched in full. The first
// form reads the settings file the program and the command line share.
bool mayFetchConditionally(const fs::path& folder, const std::string& databaseName);
bool mayFetchConditionally(const fs::path& settingsFile, const fs::path& folder, const std::string& databaseName);

// Fetches the source with `fetch` and reads its draws. Raises quor3::Error
// naming the address and the reason for any failure of the fetch, and for a
// file that holds no draw of the chosen name or no draw at all (a layout that
// changed).
FetchedResults fetchResults(const ResultsSource& source, FetchOptions options, bool conditional,
                            FileFetcher fetch = fetchFile);

// Adds the fetched draws (addNewResults, with the match check as the add
// window's setting QCheck has it) and then saves the source in `settingsFile`
// with LastChecked, the draw's name and the validators. Once draws are stored,
// a failure to save the source is no failure of the fetch: it is said in
// `failure`.
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
