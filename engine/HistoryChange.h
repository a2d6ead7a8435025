#pragma once

#include "engine/DrawRecord.h"

#include <ctime>
#include <string>
#include <utility>
#include <vector>

namespace quor3
{

// The one operation that changes a database: the working file and the full
// history (engine/History.h) in one step, history first, the tickets settled
// again on every changed date in the same transaction. After any sequence of
// changes the history holds, on every date the working file covers, exactly
// the working file's draws, and on the older dates what they last held.

// Where a change came from, as the history keeps it.
struct ChangeOrigin {
    std::string kind;   // "entry", "correction", "deletion", "undo", "restore", "import", "fetch", "start-over"
    std::string source; // "typed", the file imported or restored, the address fetched
};

struct RecordChange {
    enum class Working { Unchanged, Replace, Append, Remove };
    Working working = Working::Unchanged;
    std::string bytes;   // Replace: the working file's new contents
    DrawRecord appended; // Append: the draw put at its end
    // On dates the working file does not cover (afterwards): draws taken out
    // of the history, and draws put in place of others of the same date.
    std::vector<DrawRecord> takenOut;
    std::vector<std::pair<DrawRecord, DrawRecord>> replaced; // wrong, right
    // A file's draws, on the dates the working file does not cover: a date
    // takes the file's draws when they differ (Merge: unless the date already
    // holds each of them).
    // A draw carrying an add-on digit (carriedAddon, engine/Addon.h), offered
    // or appended, puts it beside the stored draw of its date and digits.
    std::vector<DrawRecord> offered;
    bool offeredReplace = false;
    ChangeOrigin origin;
};

// A date whose draws a change replaced (not only added to).
struct DayChange {
    double date = 0;
    std::vector<DrawRecord> before, after;
};

struct RecordOutcome {
    long long change = 0;               // its number in the history; 0 when nothing changed
    std::vector<double> changedDates;   // the history's dates it changed
    std::vector<DayChange> corrections; // of them, those whose draws were replaced
};

// Makes the change under the folder's lock. A damaged history is refused
// before anything is written (naming the file and the way to recover).
RecordOutcome changeRecord(const fs::path& database, const RecordChange& change);

struct UndoOutcome {
    long long change = 0; // the change taken back
    ChangeOrigin origin;
    std::time_t at = 0;
    bool workingChanged = false;
    std::vector<DayChange> days; // each date as it was and as it is again
    fs::path backup;             // the working file as it was before the undo; empty when none was taken
};

// Takes back the newest change not yet taken back: the working file and the
// history exactly as they were before it (after a backup of the working
// file). `expected`, when not 0, must be that change's number: otherwise
// nothing is changed and the error says the database changed since. Raises
// quor3::Error when there is nothing to undo.
UndoOutcome undoLastChange(const fs::path& database, long long expected = 0);

// One entry of the corrections log: a date's draws replaced or removed.
struct LoggedCorrection {
    long long change = 0;
    DayChange day;
    std::time_t at = 0;
    ChangeOrigin origin;
};
// Every correction the history keeps, newest first; of one date when `date` is not 0.
std::vector<LoggedCorrection> correctionLog(const fs::path& database, double date = 0);

// Where a draw the history holds came from and when it was stored; an empty
// kind when the history does not know (a draw kept before it recorded sources).
struct DrawOrigin {
    ChangeOrigin origin;
    std::time_t at = 0;
};
DrawOrigin originOf(const fs::path& database, const DrawRecord& draw);

// The number of the newest change not taken back; 0 when none.
long long lastChange(const fs::path& database);

// Where a change came from, in the user's language: "an entry", "the file
// results.csv", "the address https://...", "a correction", ...
std::string originText(const ChangeOrigin& origin);

} // namespace quor3
