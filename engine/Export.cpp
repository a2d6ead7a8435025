#include "engine/Export.h"

#include "engine/Addon.h"
#include "engine/Backups.h"
#include "engine/DataFiles.h"
#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"

#include <boost/algorithm/string/predicate.hpp>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sys/stat.h>

namespace quor3
{

std::string exportCsv(const std::vector<DrawRecord>& draws, bool addons)
{
    // A working file's unused bytes are no add-on: only the history's draws carry one.
    addons = addons &&
             std::any_of(draws.begin(), draws.end(), [](const DrawRecord& r) { return carriedAddon(r).has_value(); });
    std::string text = addons ? "date,digit1,digit2,digit3,addon\n" : "date,digit1,digit2,digit3\n";
    text.reserve(text.size() + draws.size() * 17);
    char line[80];
    for (const DrawRecord& r : draws) {
        // A damaged record's day number is no date: it shows as 0000-00-00, and
        // an import reports that line instead of guessing.
        CivilDate date;
        decodeDate(r.DrawDate, date);
        const int length = std::snprintf(line, sizeof line, "%04d-%02d-%02d,%d,%d,%d\n", date.year, date.month,
                                         date.day, r.Digit1, r.Digit2, r.Digit3);
        text.append(line, static_cast<std::size_t>(length));
        if (addons) {
            const std::optional<int> addon = carriedAddon(r);
            text.insert(text.size() - 1, addon ? "," + std::to_string(*addon) : std::string(","));
        }
    }
    return text;
}

void refuseExportTarget(const fs::path& database, const fs::path& csvFile)
{
    const std::string action = "export the draws to";
    const std::string name = csvFile.filename().string();
    std::error_code error;
    if (boost::algorithm::iends_with(name, ".c3d") || fs::equivalent(csvFile, database, error))
        throwIoError(csvFile, action, "it is a draw database, which a CSV file must never replace");
    if (isReservedFileName(name))
        throwIoError(csvFile, action, "Quor 3 keeps its own statistics in a file of that name");
    if (isHistoryFile(csvFile))
        throwIoError(csvFile, action,
                     "it is a full history (the draws and tickets kept beside a database), which a CSV file must "
                     "never replace");
    const fs::path parent = csvFile.has_parent_path() ? csvFile.parent_path() : fs::path(".");
    if (fs::weakly_canonical(parent, error).filename() == BackupFolderName ||
        fs::equivalent(parent, backupFolderFor(database), error))
        throwIoError(csvFile, action, "it is in a backup folder, which holds copies of databases only");
    struct stat st;
    if (::lstat(csvFile.c_str(), &st) == 0) {
        if (S_ISLNK(st.st_mode))
            throwIoError(csvFile, action, "the file is a symbolic link, which Quor 3 never writes through");
        if (!S_ISREG(st.st_mode))
            throwIoError(csvFile, action, "it is not a regular file");
    }
}

long long exportDraws(const fs::path& database, const fs::path& csvFile)
{
    refuseExportTarget(database, csvFile);
    std::vector<DrawRecord> draws;
    {
        const DatabaseLock lock(database, DatabaseLock::Shared);
        draws = readDraws(database);
    }
    writeWholeFile(csvFile, exportCsv(draws));
    return static_cast<long long>(draws.size());
}

} // namespace quor3
