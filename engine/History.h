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
// Every change of the working database goes through the history first
// (changeRecord, engine/HistoryChange.h, under the folder's lock): the
// history's change and the working file's intended contents are committed
// together, then the working file is written, then the intention is cleared.
// A stop in between is finished when the database is next opened, so a draw
// reported stored is in both files or in neither.

// "g.c3d" keeps its history in "g.c3d.sqlite", "db" in "db.sqlite".
fs::path historyFileFor(const fs::path& database);

// A full history, this database's or another's, or a part of one (its
// journal): by its name ("*.sqlite", "*.sqlite-journal") or, for a file that
// exists, by its first bytes (any SQLite file). Such a file is never a
// database nor a file to write a CSV over.
bool isHistoryFile(const fs::path& file);

// The layout version kept in the file (PRAGMA user_version). Layout 2 adds the
// player's tickets, prize tables and settlements (engine/Tickets.h) beside the
// draws; layout 3 the changes (engine/HistoryChange.h: where each draw came
// from, the corrections, the undo); layout 4 the add-on digit beside a draw
// (engine/Addon.h) and the tickets played with it. An older file is brought up to it when
// first opened for a change: a copy is changed and renamed over it, after one
// copy of it as it was is put in the backup folder.
constexpr int HistoryLayoutVersion = 4;

// Makes sure the database has a history that is level with it: a missing
// history is seeded from the working file and every backup of it (each date's
// draws as the newest of them holds them); a change that a stop interrupted is
// finished; a date whose draws in the working file differ from the history's
// takes the working file's.
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
// "NAME-history-YYYYMMDDTHHMMSSZ.sqlite", under the folder's lock, to start a
// new history in place of a damaged one (the next ensureHistory seeds it).
// Returns the backup's path; empty when there was no history.
fs::path retireHistory(const fs::path& database);
// Before the database is deleted: copies the history into the backup folder
// under the same name through SQLite's online backup, then removes it. A file
// that cannot be copied as a history (damaged, foreign) is moved there whole.
fs::path backUpAndRemoveHistory(const fs::path& database);

// Moves a damaged history aside and makes a new one (as retireHistory and
// ensureHistory do) that keeps, from the old one wherever it can still be
// read, the tickets, the prize tables and the budget, and the draws of the
// dates the working file and its backups do not cover. Returns the old
// history's place in the backup folder; empty when there was none.
fs::path startHistoryOver(const fs::path& database);

// Adds a file's draws to the history without changing the working file, on
// the dates the working file does not cover: an import's draws that the
// working database leaves out (a date whose draws differ takes the file's).
void keepInHistory(const fs::path& database, const std::vector<DrawRecord>& draws);

} // namespace quor3
