#pragma once

#include "engine/Dates.h"
#include "engine/FileIo.h"

#include <functional>
#include <string>
#include <vector>

namespace quor3
{

// True when (x, y, z) holds the digits a, b, c in some order, each as often.
bool sameDigitsAnyOrder(int a, int b, int c, int x, int y, int z);

struct WinnerMatch {
    std::string message; // "W I N N E R\r\nHot Category: 3  0  7"
    std::string logLine; // "6/15/2002[Quor3 Picked: 3  0  7] [Actual: 703] Hot Category ga.c3d"
};

// Compares the draw a, b, c with the 33 suggested plays of the last rebuild,
// in the order hot, cold, warm, odd/even, ordinal, pairs, repeats. For each
// match it calls `announce` (which may wait for the user) and then appends the
// log line to "quor3 winners.txt", creating it with a "Log began on: " line.
// A missing choice file skips its category. A choice that is not three digits
// stops the check with the conversion error; matches before it stay logged.
// Each read and each log line holds the folder's lock (DatabaseLock), but
// `announce` runs without it, so a caller that waits for the user there should
// not hold the lock around the check either. `logged` hears of each match once
// its line is in the log, so a caller can show what was written even when a
// later category fails.
std::vector<WinnerMatch> checkWinners(const fs::path& folder, const std::string& databaseName, int a, int b, int c,
                                      const CivilDate& drawDate,
                                      const std::function<void(const WinnerMatch&)>& announce = {},
                                      const std::function<void(const WinnerMatch&)>& logged = {});

// "Log began on: 6/15/2002": the first line of a log that a match creates.
std::string winnersLogFirstLine(const CivilDate& drawDate);

// Takes the lines an entry wrote back out of "quor3 winners.txt", under the
// folder's lock: for each, its last occurrence goes, and the rest of the log
// stays byte for byte. A log left empty is removed, as it was before its first
// line. A line no longer in the log (the user edited it) is passed over.
void removeWinnerLines(const fs::path& folder, const std::string& databaseName, const std::vector<std::string>& lines);

} // namespace quor3
