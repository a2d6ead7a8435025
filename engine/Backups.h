#pragma once

#include "engine/DrawRecord.h"

#include <ctime>
#include <string>
#include <vector>

namespace quor3
{

namespace fs = std::filesystem;

// Copies of a database taken before anything changes or removes it, so that no
// command of the program loses a draw for good. They live in the folder
// "backups" beside the database as NAME-YYYYMMDD-HHMMSS.c3d (local time; a
// second copy within the same second gets "-2", "-3", ... before ".c3d"),
// where NAME is the database's file name without ".c3d".
constexpr int BackupsKeptPerDatabase = 20;
inline const char* const BackupFolderName = "backups";

fs::path backupFolderFor(const fs::path& database);

// Copies the database, byte for byte, into its backup folder (made when
// missing; a link in its place is refused) and flushes the copy to disk before
// it returns, so that the caller's write can start. Only the newest 20 backups
// of this database are kept. Holds the folder's lock (DatabaseLock) while it
// works. Raises quor3::Error when the copy cannot be made; the caller must then
// not write. Returns the backup's path.
fs::path backupDatabase(const fs::path& database);

struct BackupInfo {
    fs::path file;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0; // when it was taken
    int sequence = 1;                                                   // 2, 3, ... for a second copy within a second
    long long draws = 0;                                                // whole records
    double lastDrawDate = 0.0;                                          // 0 when it holds no record
};

// The backups of this database, newest first. A backup that cannot be read is
// listed with no draws.
std::vector<BackupInfo> listBackups(const fs::path& database);

// Puts a backup of this database back in its place: under the lock, the current
// database (when it exists) is backed up first, then the backup's bytes replace
// it atomically. The backup must be one of listBackups(database). Returns the
// backup just taken of the current database (empty when there was none).
fs::path restoreBackup(const fs::path& database, const fs::path& backup);

// The last draw entered in this run of the program, and how to take it back.
struct StoredEntry {
    fs::path database;
    DrawRecord draw;
    long long totalDraws = 0; // records right after the entry
    fs::path backup;          // taken before the entry cut a full database back; empty otherwise
};

// Takes the entry back: after a plain append the last record goes (the file,
// when the entry created it); after a cut-back the backup taken before it comes
// back. Both back the database up first. Refuses, changing nothing, when the
// database no longer ends with that entry.
void undoEntry(const StoredEntry& entry);

// Tests set the clock that names the backups (nullptr: the system clock).
void setBackupClockForTesting(std::time_t (*now)());

} // namespace quor3
