#include "engine/StoreDraw.h"

#include "engine/Addon.h"
#include "engine/Backups.h"
#include "engine/DataFiles.h"
#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/HistoryChange.h"
#include "engine/Text.h"

#include <cstring>
#include <unistd.h>

namespace quor3
{

StoreResult storeDraw(const fs::path& folder, const std::string& databaseName, const DrawRecord& draw,
                      const ChangeOrigin& origin)
{
    const fs::path database = folder / databaseName;
    const DatabaseLock lock(folder, databaseName, DatabaseLock::Exclusive);
    StoreResult result;
    DrawRecord stored = draw;
    stored.Reserved = {};
    RecordChange change;
    change.origin = origin;
    // The add-on digit a fetched draw carries goes to the full history alone.
    if (carriedAddon(draw))
        change.offered = {draw};
    if (!fileExists(database)) {
        change.working = RecordChange::Working::Append;
        change.appended = stored;
        result.change = changeRecord(database, change).change;
        result.totalDraws = 1;
        return result;
    }
    const long long n = countDraws(database);
    if (n >= MaxDraws) {
        // Refused before anything is read or written: a database the user
        // cannot write, or a link to one elsewhere, is never replaced.
        checkChangeable(database, "replace");
        // The older draws the cut leaves out stay in the backup.
        result.backup = backupDatabase(database, backupReason::CutBack);
        std::vector<DrawRecord> draws = readDraws(database);
        std::vector<DrawRecord> kept(draws.end() - DrawsKeptWhenFull, draws.end());
        for (auto& record : kept)
            record.Reserved = {};
        kept.push_back(stored);
        change.working = RecordChange::Working::Replace;
        change.bytes = encodeDraws(kept);
        result.change = changeRecord(database, change).change;
        result.totalDraws = static_cast<long long>(kept.size());
        result.cutBack = true;
        return result;
    }
    change.working = RecordChange::Working::Append;
    change.appended = stored;
    result.change = changeRecord(database, change).change;
    result.totalDraws = n + 1;
    return result;
}

namespace
{

std::string drawText(const DrawRecord& draw)
{
    return monthDayYear(draw.DrawDate) + " (" + digitTriple(draw.Digit1, draw.Digit2, draw.Digit3) + ")";
}

// The database's bytes, once the draw the caller names is found in its place.
std::string readWithDrawAt(const fs::path& database, const std::string& action, long long index,
                           const DrawRecord& expected)
{
    std::string bytes = readWholeFile(database);
    const long long n = static_cast<long long>(bytes.size() / DrawRecordSize);
    if (index < 0 || index >= n ||
        !sameDateAndDigits(decodeDraw(&bytes[static_cast<std::size_t>(index) * DrawRecordSize]), expected))
        throw DrawMovedError(database, action, index, expected);
    return bytes;
}

} // namespace

bool sameDateAndDigits(const DrawRecord& a, const DrawRecord& b)
{
    return std::memcmp(&a.DrawDate, &b.DrawDate, sizeof a.DrawDate) == 0 && a.Digit1 == b.Digit1 &&
           a.Digit2 == b.Digit2 && a.Digit3 == b.Digit3;
}

DrawMovedError::DrawMovedError(const fs::path& database, const std::string& action, long long index,
                               const DrawRecord& expected)
    : Error(Kind::InputOutput,
            fill(translate("quor3::Error", "Cannot %1 \"%2\" in %3: it has changed since it was read, and its record "
                                           "%4 is no longer %5"),
                 {translate("quor3::Error", action.c_str()), database.filename().string(),
                  database.has_parent_path() ? database.parent_path().string() : std::string("."),
                  std::to_string(index + 1), drawText(expected)}))
{
}

fs::path correctDraw(const fs::path& folder, const std::string& databaseName, long long index,
                     const DrawRecord& expected, const DrawRecord& record)
{
    const fs::path database = folder / databaseName;
    const DatabaseLock lock(folder, databaseName, DatabaseLock::Exclusive);
    std::string bytes = readWithDrawAt(database, "correct", index, expected);
    checkChangeable(database, "replace");
    const fs::path backup = backupDatabase(
        database,
        backupReason::correction(decodeDraw(&bytes[static_cast<std::size_t>(index) * DrawRecordSize]).DrawDate));
    DrawRecord corrected = record;
    corrected.Reserved = {};
    RecordChange change;
    change.origin = {"correction", "typed"};
    // A corrected date the working file no longer holds keeps the right draw in place of the wrong one.
    change.replaced.push_back({decodeDraw(&bytes[static_cast<std::size_t>(index) * DrawRecordSize]), corrected});
    encodeDraw(corrected, &bytes[static_cast<std::size_t>(index) * DrawRecordSize]);
    change.working = RecordChange::Working::Replace;
    change.bytes = bytes;
    changeRecord(database, change);
    return backup;
}

DeleteResult deleteDraw(const fs::path& folder, const std::string& databaseName, long long index,
                        const DrawRecord& expected)
{
    const fs::path database = folder / databaseName;
    const DatabaseLock lock(folder, databaseName, DatabaseLock::Exclusive);
    std::string bytes = readWithDrawAt(database, "delete a draw of", index, expected);
    checkChangeable(database, "replace");
    DeleteResult result;
    result.backup = backupDatabase(database, backupReason::deletion(expected.DrawDate));
    // A deliberate delete takes the wrong draw out of the full history too.
    RecordChange change;
    change.origin = {"deletion", "typed"};
    change.takenOut.push_back(decodeDraw(&bytes[static_cast<std::size_t>(index) * DrawRecordSize]));
    bytes.resize(bytes.size() / DrawRecordSize * DrawRecordSize);
    bytes.erase(static_cast<std::size_t>(index) * DrawRecordSize, DrawRecordSize);
    result.totalDraws = static_cast<long long>(bytes.size() / DrawRecordSize);
    change.working = bytes.empty() ? RecordChange::Working::Remove : RecordChange::Working::Replace;
    change.bytes = bytes;
    changeRecord(database, change);
    return result;
}

} // namespace quor3
