#pragma once

#include "engine/NewResults.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

// What came into a database, as the "What Arrived" summary tells it, and what
// the program last showed of each database (kept in quor3.ini), so that it can
// tell at the next look what another process (the daily timer, the command
// line, a restore) changed meanwhile.

struct ShownState {
    long long historyDraws = 0;
    double historyLast = 0.0;
    long long workingDraws = 0;
    double workingLast = 0.0;
    long long ticketMark = 0; // the tickets' settlements (ticketChangeMark)
    long long logSize = 0;    // bytes of the folder's winners log
};

// The database as it is now; a database not yet written is all zeros.
// Raises quor3::Error as the reads do.
ShownState databaseState(const quor3::fs::path& folder, const std::string& name);
std::optional<ShownState> lastShownState(const quor3::fs::path& database);
// Settings that cannot be written only bring the news again next time.
void rememberShownState(const quor3::fs::path& database, const ShownState& state);

// What changed between `before` and `now`, told in a few lines; empty when
// nothing came (no draw, no match, no win) and nothing was taken away.
QString changesSince(const quor3::fs::path& folder, const std::string& name, const ShownState& before,
                     const ShownState& now);

// What one fetch did.
QString fetchSummary(const std::string& name, const quor3::NewResultsOutcome& outcome,
                     const std::vector<std::string>& ticketWins);
// Whether a fetch's outcome is news at all: draws, matches, wins or a cut-back.
bool fetchBroughtNews(const quor3::NewResultsOutcome& outcome, const std::vector<std::string>& ticketWins);
