#include "engine/StoreDraw.h"

#include "engine/Backups.h"
#include "engine/DataFiles.h"
#include "engine/DatabaseLock.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"

namespace quor3
{

StoreResult storeDraw(const fs::path& folder, const std::string& databaseName, const DrawRecord& draw)
{
    const fs::path database = folder / databaseName;
    const DatabaseLock lock(folder, databaseName, DatabaseLock::Exclusive);
    StoreResult result;
    DrawRecord stored = draw;
    stored.Reserved = {};
    if (!fileExists(database)) {
        appendThroughHistory(database, stored);
        result.totalDraws = 1;
        return result;
    }
    const long long n = countDraws(database);
    if (n >= MaxDraws) {
        // Refused before anything is read or written: a database the user
        // cannot write, or a link to one elsewhere, is never replaced.
        checkChangeable(database, "replace");
        // The older draws the cut leaves out stay in the backup.
        result.backup = backupDatabase(database);
        std::vector<DrawRecord> draws = readDraws(database);
        std::vector<DrawRecord> kept(draws.end() - DrawsKeptWhenFull, draws.end());
        for (auto& record : kept)
            record.Reserved = {};
        kept.push_back(stored);
        replaceThroughHistory(database, encodeDraws(kept));
        result.totalDraws = static_cast<long long>(kept.size());
        result.cutBack = true;
        return result;
    }
    appendThroughHistory(database, stored);
    result.totalDraws = n + 1;
    return result;
}

fs::path correctDraw(const fs::path& folder, const std::string& databaseName, long long index, const DrawRecord& record)
{
    const fs::path database = folder / databaseName;
    const DatabaseLock lock(folder, databaseName, DatabaseLock::Exclusive);
    std::string bytes = readWholeFile(database);
    const long long n = static_cast<long long>(bytes.size() / DrawRecordSize);
    if (index < 0 || index >= n)
        throwIoError(database, "correct", "it has no record " + std::to_string(index + 1));
    checkChangeable(database, "replace");
    const fs::path backup = backupDatabase(database);
    DrawRecord corrected = record;
    corrected.Reserved = {};
    const HistoryEdit edit = HistoryEdit::replacing(
        database, decodeDraw(&bytes[static_cast<std::size_t>(index) * DrawRecordSize]), corrected);
    encodeDraw(corrected, &bytes[static_cast<std::size_t>(index) * DrawRecordSize]);
    replaceThroughHistory(database, bytes);
    return backup;
}

} // namespace quor3
