#pragma once

#include "engine/DrawRecord.h"
#include "engine/Errors.h"
#include "engine/HistoryChange.h"

#include <string>

namespace quor3
{

struct StoreResult {
    long long totalDraws = 0; // records in the database afterwards
    bool cutBack = false;     // the database was full and kept only its last 90 draws
    fs::path backup;          // after a cut-back: the backup that keeps the older draws
    long long change = 0;     // the change's number in the full history (undoLastChange)
};

// Stores a new draw at the end of the database, creating the file when it does
// not exist, under the folder's lock (DatabaseLock). A full database (731 draws
// or more) is first backed up (Backups.h) and then cut back to its last 90
// draws: the new contents go to a scratch file, which is flushed and renamed
// over the database in one step, so a whole database exists at every moment.
// When it raises, the draw is not stored and the database is as it was; a
// backup that cannot be made stops the cut-back before it starts.
// `origin` says where the draw came from, as the full history keeps it.
StoreResult storeDraw(const fs::path& folder, const std::string& databaseName, const DrawRecord& draw,
                      const ChangeOrigin& origin = {"entry", "typed"});

// A correction or a deletion names the draw it changes by its place and by
// what the caller showed there (date and digits). When the database holds
// something else at that place (another program merged or removed draws since
// the caller read it), the change is refused with this error and nothing is
// written: the caller should read the database again.
class DrawMovedError : public Error
{
  public:
    DrawMovedError(const fs::path& database, const std::string& action, long long index, const DrawRecord& expected);
};

// The same date and digits, bit for bit (a date that is no number still names
// its draw); the reserved bytes do not count.
bool sameDateAndDigits(const DrawRecord& a, const DrawRecord& b);

// Writes `record` over record `index` (from 0) of an existing database, under
// the folder's lock, when that record still is `expected` (date and digits);
// otherwise, or when there is no such record, raises DrawMovedError. The
// database is backed up first, then replaced whole and atomically with that
// one record changed (reserved bytes zero). A backup that cannot be made
// raises quor3::Error and changes nothing. Returns the backup's path.
fs::path correctDraw(const fs::path& folder, const std::string& databaseName, long long index,
                     const DrawRecord& expected, const DrawRecord& record);

struct DeleteResult {
    fs::path backup;          // the database as it was before
    long long totalDraws = 0; // records left; 0 when the file went with its only draw
};

// Removes record `index` (from 0), checked against `expected` as a correction
// is, after a backup, replacing the database whole and atomically. The last
// draw of a database takes the file with it: a database without draws is no
// database, as before its first draw was entered.
DeleteResult deleteDraw(const fs::path& folder, const std::string& databaseName, long long index,
                        const DrawRecord& expected);

} // namespace quor3
