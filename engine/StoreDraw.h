#pragma once

#include "engine/DrawRecord.h"

#include <string>

namespace quor3
{

struct StoreResult {
    long long totalDraws = 0; // records in the database afterwards
    bool cutBack = false;     // the database was full and kept only its last 90 draws
};

// Stores a new draw at the end of the database, creating the file when it does
// not exist, under the folder's lock (DatabaseLock). A full database (731 draws
// or more) is first cut back to its last 90 draws: the new contents go to a
// scratch file, which is flushed and renamed over the database in one step, so
// a whole database exists at every moment. When it raises, the draw is not
// stored and the database is as it was.
StoreResult storeDraw(const fs::path& folder, const std::string& databaseName, const DrawRecord& draw);

} // namespace quor3
