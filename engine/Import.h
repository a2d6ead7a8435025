#pragma once

#include "engine/DrawRecord.h"
#include "engine/HistoryChange.h"

#include <functional>
#include <string>
#include <vector>

namespace quor3
{

// Reading the results files that lotteries and results sites publish. The
// layout is found from the text itself: the delimiter (comma, semicolon, tab
// or blanks, with quoted fields), a header line, comment lines ("#", "//"), the
// date's form (M/D/YYYY, MM/DD/YY, YYYY-MM-DD, "Dec 6, 2026", "Saturday,
// December 6, 2026", or month, day and year in three fields) and the digits'
// form (three one-digit fields, or "451", "4-5-1", "4 5 1", "4,5,1" in one
// field). Numbers after the digits (bonus balls and the like) are ignored. A
// draw-time field (Midday, Evening, Day, Night, Morning, M, E) or a game name
// ("Pick 3 Day") names the draw a line belongs to; the time a draw was held
// ("12:20pm") is no part of its name.
//
// A header that names a column per draw ("Draw Date,Midday Daily #,Evening
// Daily #") makes each such column a draw of its own; a blank cell there is a
// draw not held. Columns of sums, of add-on digits (Fireball, Booster, Wild
// Ball) and of other games (Win 4, Pick 4) are never read as digits. In the one
// column of the game's number, "66" is 066. A JSON array of objects is read as
// such a table, its keys the column titles. A results page pasted as a date
// line followed by a line per draw ("Midday<TAB>3 9 9") gives those draws of
// that date. Lines over 4,096 bytes are read up to there.

struct ImportedDraw {
    DrawRecord record;
    int lineNumber = 0; // from 1
    int drawName = -1;  // index into ImportScan::drawNames; -1 when the line names no draw
};

struct SkippedLine {
    int lineNumber = 0;
    std::string reason; // "no date found", "impossible date \"2/30/2026\"", ...
    std::string text;   // the line, cut to 80 characters
};

struct ImportScan {
    // Oldest first. A file listing the newest first is read from the bottom
    // up, and the sort by date is stable, so draws of one date keep their
    // order of the day.
    std::vector<ImportedDraw> draws;
    // Lines that hold no draw, with the reason, the first 1,000 of them;
    // blank lines, comment lines and the header line are not among them.
    std::vector<SkippedLine> skipped;
    long long skippedCount = 0; // all of them, listed or not
    // The names of the draws found, in the order they first appear.
    std::vector<std::string> drawNames;
    // The layout in words: "comma-separated, a header line, dates as M/D/YYYY,
    // digits in three fields, newest first".
    // Empty when the text holds nothing but blanks and comments.
    std::string layout;
    bool cancelled = false; // importFile stopped when asked to
};

// Reads the text of a results file (UTF-8 with or without a byte-order mark,
// lines ending in LF or CR LF). Raises quor3::Error for a text over 200 MB.
ImportScan importDraws(const std::string& text);

// Reads a results file a piece at a time, so that memory grows with the draws
// found, not with the file. Raises quor3::Error, naming the file, for anything
// that is not a regular file or is larger than 200 MB. `progress`, called with
// the bytes read and the file's size after each piece, stops the reading when
// it returns false: the scan is then empty and `cancelled`.
ImportScan importFile(const fs::path& file, const std::function<bool(long long, long long)>& progress = {});

// The index of the draw the user names: the draw of that name, compared
// without regard to letter case, or else the one draw whose name holds the
// given words in a row ("Evening" names "Pick 3 Evening"); -1 when no draw or
// several draws answer to it.
int findDrawName(const ImportScan& scan, const std::string& name);

struct ChosenDraws {
    std::vector<DrawRecord> draws; // oldest first
    std::vector<int> lineNumbers;  // the line each draw came from
    long long otherDrawLines = 0;  // lines holding only other draws, left aside
    long long repeatedDraws = 0;   // draws the file repeats (same date and digits), counted once
};

// The draws of the named draw (see findDrawName), each date and digits once.
// When the file names no draws, every draw; when it names only one, an empty
// name chooses it. Raises quor3::Error when the file names several draws and
// none is chosen, when the name answers to several (listing them), or to none
// (listing the draws there are).
ChosenDraws chooseDraw(const ImportScan& scan, const std::string& drawName);

enum class ImportMode {
    Merge,  // the stored draws and the new ones, by date; stored ones first within a date
    Replace // the new draws alone
};

struct ImportPlan {
    std::vector<DrawRecord> draws; // what the database will hold, at most MaxDraws
    long long fromFile = 0;        // new draws among them
    long long alreadyStored = 0;   // new draws skipped: a stored draw has that date and those digits
    long long repeatedInFile = 0;  // new draws skipped: the file holds them earlier
    long long leftOut = 0;         // the oldest draws left out to keep within MaxDraws
};

ImportPlan planImport(const std::vector<DrawRecord>& stored, const std::vector<DrawRecord>& incoming, ImportMode mode);

struct ImportOutcome {
    ImportPlan plan;
    bool changed = false;               // false when the database already held exactly these draws
    fs::path backup;                    // the database as it was; empty when it did not exist or did not change
    long long datedAfterToday = 0;      // draws of the file after latestStorableDate (ImportChecks.h), not stored
    std::vector<DayChange> corrections; // dates of the full history whose draws the file's replaced
};

// Stores the draws into the database `folder/databaseName` under the folder's
// lock: an existing database is backed up first, then replaced atomically with
// the planned draws (reserved bytes zero). Draws dated after today are left
// out. Raises quor3::Error, changing nothing, when there is no draw to store,
// when a merge's draws disagree with most stored ones (refuseAnotherDraw), or
// when the backup cannot be made.
// Every draw of the file goes into the full history: a date the working file
// does not cover takes the file's draws where they differ (a correction,
// reported as one; Merge: unless the date already holds each of them).
// `origin` names the file in the history's record.
ImportOutcome storeImport(const fs::path& folder, const std::string& databaseName,
                          const std::vector<DrawRecord>& incoming, ImportMode mode, const std::string& origin = {});

// What an import did, in a few sentences for the user.
std::string describeImport(const ImportOutcome& outcome);

} // namespace quor3
