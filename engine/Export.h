#pragma once

#include "engine/DrawRecord.h"

#include <string>
#include <vector>

namespace quor3
{

// The draws as CSV: the header "date,digit1,digit2,digit3", then one line per
// record in the database's own order, ISO dates, lines ending in LF. Importing
// it with Replace gives a database in date order the same bytes again.
// `addons`: the draws may carry their add-on digits (engine/Addon.h, the full
// history's); when any does, a column "addon" follows, empty where none.
std::string exportCsv(const std::vector<DrawRecord>& draws, bool addons = false);

// Raises quor3::Error when `csvFile` must not be written over: a draw database
// (by its ".c3d" name, or the database itself), a derived file, a file in a
// backup folder, a link, or anything that is not a regular file.
void refuseExportTarget(const fs::path& database, const fs::path& csvFile);

// Reads the database under the folder's shared lock, so that it is never half
// of a change, and writes its CSV to `csvFile` (refused as above). Returns the
// number of draws.
long long exportDraws(const fs::path& database, const fs::path& csvFile);

} // namespace quor3
