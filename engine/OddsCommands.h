#pragma once

#include <string>
#include <vector>

namespace quor3
{

// The command line's calendar and odds (quor3-engine, beside its main).

// `history PATH --json`, `history PATH --days DAYS [--json]` (DAYS: weekday
// names, or "learned" to learn them from the draws again); -1 for any other
// command line.
int runCalendarCommand(const std::vector<std::string>& args);

// The odds lines `prizes PATH` prints after its tables: each bet's published
// odds, chance of a win and payback, alone and with the add-on, by the table
// in force today.
void printPrizeOdds(const std::string& path);

} // namespace quor3
