#pragma once

#include "engine/DrawRecord.h"

#include <string>

namespace quor3
{

struct StoreResult {
    long long totalDraws = 0; // records in the database afterwards
    bool cutBack = false;     // the database was full and kept only its last 90 draws
    fs::path backup;          // after a cut-back: the backup that keeps the older draws
};

// Stores a new draw at the end of the database, creating the file when it does
// not exist, under the folder's lock (DatabaseLock). A full database (731 draws
// or more) is first backed up (Backups.h) and then cut back to its last 90
// draws: the new contents go to a scratch file, which is flushed and renamed
// over the database in one step, so a whole database exists at every moment.
// When it raises, the draw is not stored and the database is as it was; a
// backup that cannot be made stops the cut-back before it starts.
StoreResult storeDraw(const fs::path& folder, const std::string& databaseName, const DrawRecord& draw);

// Writes `record` over record `index` (from 0) of an existing database, under
// the folder's lock: the database is backed up first, then replaced whole and
// atomically with that one record changed (reserved bytes zero). An index
// outside the database, or a backup that cannot be made, raises quor3::Error
// and changes nothing. Returns the backup's path.
fs::path correctDraw(const fs::path& folder, const std::string& databaseName, long long index,
                     const DrawRecord& record);

} // namespace quor3
