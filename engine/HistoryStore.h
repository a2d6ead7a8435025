#pragma once

// The full history's file: opening, making, bringing up to date, and reading
// and writing its days. Internal to the history's files (History*.cpp).

#include "engine/HistoryDays.h"
#include "engine/Sqlite.h"

#include <memory>
#include <string>

namespace quor3::history
{

using Connection = SqliteConnection;
using Statement = SqliteStatement;

bool missing(const fs::path& file);

// Opens an existing history for reading, and for writing where the user may;
// refuses a link, a foreign file and a newer layout, all before any write. An
// older layout is left as it is (bringUpToDate changes it).
std::unique_ptr<Connection> openExisting(const fs::path& file);
// The layout the file has (PRAGMA user_version).
int layoutOf(Connection& c);
// Brings a history of an older layout up to HistoryLayoutVersion: a copy is
// changed and renamed over it, after one copy of it as it was is put in the
// backup folder (none when one of that layout is there already). The caller
// holds the folder's lock exclusively and has no connection open to it.
void bringUpToDate(const fs::path& file, const fs::path& database);

// Every draw of the days from `from` to `to`.
Days loadDays(Connection& c, double from, double to);
// Writes the given days, which hold `stored` now (a date missing there holds
// nothing); a day with no draw is removed.
void writeDays(Connection& c, const Days& days, const Days& stored);

// Puts each draw's carried add-on digit (engine/Addon.h) beside the stored
// draw of that date and digits; returns the dates whose add-on changed.
std::vector<double> writeAddons(Connection& c, const std::vector<DrawRecord>& draws);
// The stored draws from `from` on that have an add-on digit, carrying it.
std::vector<DrawRecord> addonsFrom(Connection& c, double from);

// What the working file is to hold until it is written: its bytes, or null
// when it is to be removed. `any` is false for a change that leaves it alone.
struct Intention {
    bool any = false;
    const std::string* contents = nullptr;
};
void putIntention(Connection& c, const Intention& intention);
// Finishes a change of the working file that a stop interrupted after the
// history had taken it.
void finishPending(Connection& c, const fs::path& database);

// Makes the history whole in a scratch file beside it, then renames it in
// place: a stop while seeding leaves no half history behind.
void createHistory(const fs::path& file, const Days& days);
// What a new history starts with: each date's draws as the newest of the
// database's backups and its working file holds them.
Days seedDays(const fs::path& database);

// The tickets covering a changed day are settled again in the same transaction.
void settleChangedDays(Connection& c, const std::vector<double>& dates);

// The next free "NAME-INFIX-YYYYMMDDTHHMMSSZ[-N].sqlite" in the backup folder,
// which is made when missing.
fs::path historyBackupFor(const fs::path& database, const std::string& infix = "history");
// Copies the history through SQLite's online backup into `backup`, by way of
// a scratch file that gets the name only when whole and flushed.
void copyHistory(Connection& source, const fs::path& backup);

} // namespace quor3::history
