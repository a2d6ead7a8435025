#pragma once

#include <filesystem>
#include <vector>

struct sqlite3;

namespace quor3
{

// What the full history's own code calls to keep the tickets' tables (the
// public side is engine/Tickets.h). Each runs on the history's connection,
// inside its transaction where there is one, and raises quor3::Error naming
// `file` (the history file).

// The tables a new history gets beside its draws.
extern const char* const TicketSchema;

// Brings a history of an older layout up to HistoryLayoutVersion in place,
// after a copy of it is flushed into the database's backup folder. The caller
// holds the folder's lock exclusively and no transaction is open.
void upgradeHistoryLayout(sqlite3* db, const std::filesystem::path& file, int version);

// Settles again every ticket that covers, or may now cover, a draw of those
// dates: the draws of the dates have just been stored, corrected or removed
// (within the open transaction): a change of its own, as the
// announcements count them. No date: nothing to do.
void settleTicketsForDates(sqlite3* db, const std::filesystem::path& file, const std::vector<double>& dates);

} // namespace quor3
