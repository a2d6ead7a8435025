#pragma once

#include "engine/DrawRecord.h"
#include "engine/Text.h"

#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace quor3
{

namespace fs = std::filesystem;

// Copies of a database taken before anything changes or removes it, so that no
// command of the program loses a draw for good. They live in the folder
// "backups" beside the database as NAME-YYYYMMDDTHHMMSSZ.c3d, where NAME is the
// database's whole file name and the time is UTC, so that neither a second
// database "NAME" without ".c3d" nor a change of time zone mixes them up (a
// second copy within the same second gets "-2", "-3", ... before ".c3d").
// Earlier versions named them STEM-YYYYMMDD-HHMMSS.c3d in local time, STEM
// being the name without ".c3d"; those stay listed, restorable and counted.
//
// Beside each backup a small text file (the backup's name + ".txt") says why it
// was taken and in which order: the order, not the clock, says which backup is
// the newest, so a clock set back never makes a new backup look old.
constexpr int BackupsKeptPerDatabase = 20;
inline const char* const BackupFolderName = "backups";

// Why a backup was taken, as its side file keeps it (in English, whatever the
// user's language).
namespace backupReason
{
inline const char* const Import = QT_TRANSLATE_NOOP("quor3::Backups", "before an import");
inline const char* const CutBack = QT_TRANSLATE_NOOP("quor3::Backups", "before a cut-back");
inline const char* const Restore = QT_TRANSLATE_NOOP("quor3::Backups", "before a restore");
inline const char* const Undo = QT_TRANSLATE_NOOP("quor3::Backups", "before an undo");
inline const char* const Delete = QT_TRANSLATE_NOOP("quor3::Backups", "before the database was deleted");
std::string correction(double drawDate); // "before a correction of 12/7/2026"
std::string deletion(double drawDate);   // "before deleting the draw of 12/7/2026"
} // namespace backupReason
// A kept reason as the Restore list shows it: in the user's language.
std::string backupReasonText(const std::string& reason);

fs::path backupFolderFor(const fs::path& database);

// The one way a backup is named: "NAME-YYYYMMDDTHHMMSSZ.c3d" in the backup
// folder, the time in UTC, with `infix` after NAME when given
// ("NAME-history-...Z.sqlite"); a name `taken` says is in use gets "-2",
// "-3"... after the time.
fs::path newBackupPath(const fs::path& database, const std::string& infix, const std::string& extension,
                       const std::function<bool(const fs::path&)>& taken);

// Copies the database, byte for byte, into its backup folder (made when
// missing; a link in its place is refused) and flushes the copy to disk before
// it returns, so that the caller's write can start. The newest 20 backups of
// this database are kept; the one just made, and `keep` (a backup about to be
// restored), are never removed. Holds the folder's lock (DatabaseLock) while it
// works. Raises quor3::Error when the copy is not on disk; the caller must then
// not write. Returns the backup's path.
fs::path backupDatabase(const fs::path& database, const std::string& reason = {}, const fs::path& keep = {});

struct BackupInfo {
    fs::path file;
    std::time_t taken = 0;                                              // when it was taken
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0; // the same in local time
    int sequence = 1;                                                   // 2, 3, ... for a second copy within a second
    long long order = 0;       // 1, 2, ... as taken; 0 for one of an earlier version
    std::string reason;        // empty when not known
    long long draws = 0;       // whole records
    double lastDrawDate = 0.0; // 0 when it holds no record
};

// The backups of this database, newest first. A backup that cannot be read is
// listed with no draws.
std::vector<BackupInfo> listBackups(const fs::path& database);

// Puts a backup of this database back in its place: under the lock, the current
// database (when it exists) is backed up first, then the backup's bytes replace
// it atomically. The backup must be one of listBackups(database). Returns the
// backup just taken of the current database (empty when there was none).
fs::path restoreBackup(const fs::path& database, const fs::path& backup,
                       const std::string& reason = backupReason::Restore);

// The last draw entered in this run of the program, and how to take it back.
struct StoredEntry {
    fs::path database;
    DrawRecord draw;
    long long totalDraws = 0; // records right after the entry
    fs::path backup;          // taken before the entry cut a full database back; empty otherwise
    long long change = 0;     // the entry's change in the full history; 0 when not known
};

// Takes the entry back: the database and its full history exactly as before
// it (undoLastChange), when its change is known; otherwise after a plain
// append the last record goes (the file, when the entry created it), after a
// cut-back the backup taken before it comes back. Both back the database up
// first. Refuses, changing nothing, when the database no longer ends with that
// entry or anything changed after it.
void undoEntry(const StoredEntry& entry);

// Tests set the clock that names the backups (nullptr: the system clock).
void setBackupClockForTesting(std::time_t (*now)());

} // namespace quor3
