#pragma once

#include "engine/DrawRecord.h"

#include <string>
#include <vector>

namespace quor3
{

// The full history of a database: every draw it has ever held or been given,
// kept in an SQLite file beside it, so that the working database's limit of
// 731 draws and its cut-back to 90 never lose a draw for good. Its draws follow
// the working database's order rules: date order, each day's draws in their
// order of the day.
//
// Every change of the working database goes through the history first (the
// hooks below, each taking the folder's lock): the history's change and the
// working file's intended contents are committed together, then the working
// file is written, then the intention is cleared. A stop in between is finished
// when the database is next opened, so a draw reported stored is in both files
// or in neither.

// "g.c3d" keeps its history in "g.c3d.sqlite", "db" in "db.sqlite".
fs::path historyFileFor(const fs::path& database);

// The layout version kept in the file (PRAGMA user_version). Layout 2 adds the
// player's tickets, prize tables and settlements (engine/Tickets.h) beside the
// draws; a layout-1 file is brought up to it in place when first opened for
// writing, after a copy of it is put in the backup folder.
constexpr int HistoryLayoutVersion = 2;

// Makes sure the database has a history that is level with it: a missing
// history is seeded from the working file and every backup of it (draws merged
// by date, the same draw counted once); a change that a stop interrupted is
// finished; draws of the working file that the history lacks are added.
// Raises quor3::Error naming the history file and the reason when it is
// damaged, foreign or written by a newer version; such a file is never written.
void ensureHistory(const fs::path& database);

// Every draw of the history, oldest first (after ensureHistory).
std::vector<DrawRecord> readHistory(const fs::path& database);

struct HistorySummary {
    long long draws = 0;
    double firstDate = 0.0, lastDate = 0.0; // 0 when there is no draw
};
// The count and first and last dates of the history (after ensureHistory).
HistorySummary summarizeHistory(const fs::path& database);

// Moves the history into the database's backup folder as
// "NAME-history-YYYYMMDDTHHMMSSZ.sqlite", under the folder's lock: before the
// database is deleted, or to start a new history in place of a damaged one
// (the next ensureHistory seeds it). Returns the backup's path; empty when
// there was no history.
fs::path retireHistory(const fs::path& database);

// The write hooks, each in place of the working file's own write.

// Adds the draws to the history (the same draw counted once) without changing
// the working file: an import's draws that the working database leaves out.
void keepInHistory(const fs::path& database, const std::vector<DrawRecord>& draws);
// Replaces the working file whole (replaceFileAtomically) after its draws are
// in the history.
void replaceThroughHistory(const fs::path& database, const std::string& bytes);
// Appends one draw to the working file (appendDraw) after it is in the history.
void appendThroughHistory(const fs::path& database, const DrawRecord& draw);
// Removes the working file after the history's edit.
void removeThroughHistory(const fs::path& database);

// While one lives, the next write hook for its database also takes a draw out
// of the history (an undone entry) or puts a corrected draw in place of the
// wrong one.
class HistoryEdit
{
  public:
    static HistoryEdit removing(const fs::path& database, const DrawRecord& draw);
    static HistoryEdit replacing(const fs::path& database, const DrawRecord& wrong, const DrawRecord& right);
    HistoryEdit(HistoryEdit&& other) noexcept;
    HistoryEdit(const HistoryEdit&) = delete;
    HistoryEdit& operator=(const HistoryEdit&) = delete;
    ~HistoryEdit();

  private:
    HistoryEdit() = default;
    bool active_ = false;
};

} // namespace quor3
