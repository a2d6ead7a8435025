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

// Settles again every ticket that covers, or may now cover, a draw of those
// dates: the draws of the dates have just been stored, corrected or removed
// (within the open transaction): a change of its own, as the
// announcements count them. No date: nothing to do.
void settleTicketsForDates(sqlite3* db, const std::filesystem::path& file, const std::vector<double>& dates);

} // namespace quor3
