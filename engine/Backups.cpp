#include "engine/Backups.h"

#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/HistoryChange.h"
#include "engine/Text.h"

#include <boost/algorithm/string/predicate.hpp>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace quor3
{

namespace
{

std::time_t (*backupClock)() = nullptr;

std::time_t now()
{
    return backupClock ? backupClock() : std::time(nullptr);
}

bool endsWithC3d(const std::string& name)
{
    return boost::algorithm::iends_with(name, ".c3d");
}

// Earlier versions named "ga.c3d" and "ga" both by "ga-....c3d".
std::string legacyStem(const fs::path& database)
{
    std::string name = database.filename().string();
    if (endsWithC3d(name))
        name.resize(name.size() - 4);
    return name;
}

bool allDigits(const std::string& text, std::size_t from, std::size_t count)
{
    if (from + count > text.size())
        return false;
    for (std::size_t i = from; i < from + count; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

int number(const std::string& text, std::size_t from, std::size_t count)
{
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

// Reads the time and sequence out of a backup's name: PREFIX-YYYYMMDD?HHMMSS
// ZONE[-N].c3d, `separator` between date and time, `zone` after it ("Z" or
// nothing). False for any other file.
bool parseName(const std::string& name, const std::string& stem, char separator, const std::string& zone, std::tm& when,
               int& sequence)
{
    const std::string prefix = stem + "-";
    const std::string suffix = ".c3d";
    if (name.size() < prefix.size() + 15 + zone.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::size_t at = prefix.size();
    if (!allDigits(name, at, 8) || name[at + 8] != separator || !allDigits(name, at + 9, 6) ||
        name.compare(at + 15, zone.size(), zone) != 0)
        return false;
    const std::size_t rest = at + 15 + zone.size();
    const std::size_t end = name.size() - suffix.size();
    sequence = 1;
    if (rest != end) {
        if (name[rest] != '-' || end - rest < 2 || end - rest > 6 || !allDigits(name, rest + 1, end - rest - 1) ||
            name[rest + 1] == '0')
            return false;
        sequence = number(name, rest + 1, end - rest - 1);
        if (sequence < 2)
            return false;
    }
    when = std::tm{};
    when.tm_year = number(name, at, 4) - 1900;
    when.tm_mon = number(name, at + 4, 2) - 1;
    when.tm_mday = number(name, at + 6, 2);
    when.tm_hour = number(name, at + 9, 2);
    when.tm_min = number(name, at + 11, 2);
    when.tm_sec = number(name, at + 13, 2);
    when.tm_isdst = -1;
    return true;
}

void setLocalFields(BackupInfo& info)
{
    std::tm local{};
    localtime_r(&info.taken, &local);
    info.year = local.tm_year + 1900;
    info.month = local.tm_mon + 1;
    info.day = local.tm_mday;
    info.hour = local.tm_hour;
    info.minute = local.tm_min;
    info.second = local.tm_sec;
}

// A backup of this database by its name, in either naming; false for any other file.
bool parseBackupName(const std::string& name, const fs::path& database, BackupInfo& info)
{
    std::tm when{};
    if (parseName(name, database.filename().string(), 'T', "Z", when, info.sequence)) {
        info.taken = timegm(&when);
    } else if (parseName(name, legacyStem(database), '-', "", when, info.sequence)) {
        info.taken = std::mktime(&when);
    } else {
        return false;
    }
    setLocalFields(info);
    return true;
}

fs::path aboutFileOf(const fs::path& backup)
{
    return fs::path(backup.string() + ".txt");
}

// The side file: "Order: N" and "Reason: TEXT" lines. A missing or damaged one
// leaves the order 0 and no reason.
void readAbout(BackupInfo& info)
{
    std::string text;
    try {
        text = readWholeFile(aboutFileOf(info.file));
    } catch (const Error&) {
        return;
    }
    if (text.size() > 4096)
        return;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(from, end - from);
        if (line.compare(0, 7, "Order: ") == 0 && allDigits(line, 7, line.size() - 7) && line.size() > 7 &&
            line.size() < 7 + 18)
            info.order = std::stoll(line.substr(7));
        else if (line.compare(0, 8, "Reason: ") == 0)
            info.reason = line.substr(8);
        from = end + 1;
    }
}

// Newest first: by the order they were taken in, then by their names' times.
bool newerThan(const BackupInfo& a, const BackupInfo& b)
{
    return std::make_tuple(a.order, a.taken, a.sequence) > std::make_tuple(b.order, b.taken, b.sequence);
}

// The backups of the database by name and side file, newest first; no backup is read.
std::vector<BackupInfo> findBackups(const fs::path& database)
{
    std::vector<BackupInfo> found;
    const fs::path folder = backupFolderFor(database);
    std::error_code error;
    struct stat st;
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return found;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        BackupInfo info;
        if (!parseBackupName(it->path().filename().string(), database, info))
            continue;
        if (!it->is_regular_file(error) || it->is_symlink(error))
            continue;
        info.file = it->path();
        readAbout(info);
        found.push_back(info);
    }
    std::sort(found.begin(), found.end(), newerThan);
    return found;
}

// The backup folder, made when missing. A link in its place would carry the
// copies out of the user's folder: it is refused.
void makeBackupFolder(const fs::path& folder)
{
    struct stat st;
    if (::lstat(folder.c_str(), &st) == 0) {
        if (S_ISLNK(st.st_mode))
            throwIoError(folder, "use the backup folder", "it is a symbolic link, which Quor 3 never writes through");
        if (!S_ISDIR(st.st_mode))
            throwIoError(folder, "use the backup folder", "it is not a folder");
        return;
    }
    if (errno != ENOENT || (::mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST))
        throwIoError(folder, "create the backup folder");
}

std::string utcStamp(std::time_t when)
{
    std::tm utc{};
    gmtime_r(&when, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
    return text;
}

bool present(const fs::path& file)
{
    struct stat st;
    return ::lstat(file.c_str(), &st) == 0;
}

bool sameFile(const fs::path& a, const fs::path& b)
{
    std::error_code error;
    return !b.empty() && fs::equivalent(a, b, error);
}

// Keeps the newest 20 with the one just made, which is not among `older`;
// `keep` never goes. Keeping too many is no failure of the backup just made.
void removeOldBackups(const std::vector<BackupInfo>& older, const fs::path& keep)
{
    std::size_t kept = 1;
    for (const BackupInfo& b : older) {
        if (kept < BackupsKeptPerDatabase || sameFile(b.file, keep)) {
            ++kept;
            continue;
        }
        if (::unlink(b.file.c_str()) == 0)
            ::unlink(aboutFileOf(b.file).c_str());
    }
}

std::string oneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

bool sameDraw(const DrawRecord& a, const DrawRecord& b)
{
    return a.DrawDate == b.DrawDate && a.Digit1 == b.Digit1 && a.Digit2 == b.Digit2 && a.Digit3 == b.Digit3;
}

} // namespace

std::string backupReason::correction(double drawDate)
{
    return "before a correction of " + monthDayYear(drawDate);
}

std::string backupReason::deletion(double drawDate)
{
    return "before deleting the draw of " + monthDayYear(drawDate);
}

std::string backupReasonText(const std::string& reason)
{
    for (const char* fixed :
         {backupReason::Import, backupReason::CutBack, backupReason::Restore, backupReason::Undo, backupReason::Delete})
        if (reason == fixed)
            return translate("quor3::Backups", fixed);
    // The dated ones: "before a correction of 12/7/2026".
    static const char* const dated[][2] = {
        {"before a correction of ", QT_TRANSLATE_NOOP("quor3::Backups", "before a correction of %1")},
        {"before deleting the draw of ", QT_TRANSLATE_NOOP("quor3::Backups", "before deleting the draw of %1")}};
    for (const auto& [prefix, text] : dated)
        if (reason.compare(0, std::strlen(prefix), prefix) == 0)
            return fill(translate("quor3::Backups", text), {reason.substr(std::strlen(prefix))});
    return reason;
}

void setBackupClockForTesting(std::time_t (*clock)())
{
    backupClock = clock;
}

fs::path backupFolderFor(const fs::path& database)
{
    const fs::path folder = database.has_parent_path() ? database.parent_path() : fs::path(".");
    return folder / BackupFolderName;
}

fs::path newBackupPath(const fs::path& database, const std::string& infix, const std::string& extension,
                       const std::function<bool(const fs::path&)>& taken)
{
    const fs::path folder = backupFolderFor(database);
    const std::string base = database.filename().string() + (infix.empty() ? "-" : "-" + infix + "-") + utcStamp(now());
    for (int sequence = 1;; ++sequence) {
        const fs::path backup =
            folder / (base + (sequence == 1 ? std::string() : "-" + std::to_string(sequence)) + extension);
        if (!taken(backup))
            return backup;
        if (sequence > 9999)
            throwIoError(backup, "create", "too many backups within one second");
    }
}

fs::path backupDatabase(const fs::path& database, const std::string& reason, const fs::path& keep)
{
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    const std::string bytes = readWholeFile(database);
    const fs::path folder = backupFolderFor(database);
    makeBackupFolder(folder);
    const std::vector<BackupInfo> older = findBackups(database);
    long long order = 1;
    for (const BackupInfo& b : older)
        order = std::max(order, b.order + 1);
    const fs::path backup = newBackupPath(
        database, {}, ".c3d", [](const fs::path& name) { return present(name) || present(aboutFileOf(name)); });
    // The side file first: a backup on disk always knows its place in the order.
    replaceFileAtomically(aboutFileOf(backup),
                          "Order: " + std::to_string(order) + "\nReason: " + oneLine(reason) + "\n");
    try {
        replaceFileAtomically(backup, bytes);
    } catch (...) {
        ::unlink(aboutFileOf(backup).c_str());
        throw;
    }
    removeOldBackups(older, keep);
    struct stat st;
    if (::lstat(backup.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::size_t>(st.st_size) != bytes.size())
        throwIoError(backup, "create", "the backup is not on the disk after it was written");
    return backup;
}

std::vector<BackupInfo> listBackups(const fs::path& database)
{
    std::vector<BackupInfo> backups = findBackups(database);
    for (BackupInfo& b : backups) {
        try {
            const std::vector<DrawRecord> draws = decodeDraws(readWholeFile(b.file));
            b.draws = static_cast<long long>(draws.size());
            if (!draws.empty())
                b.lastDrawDate = draws.back().DrawDate;
        } catch (const Error&) {
            b.draws = 0;
        }
    }
    return backups;
}

namespace
{

// The restore; `takenOut`: draws the history loses with it (an undone entry's).
fs::path restore(const fs::path& database, const fs::path& backup, const std::vector<DrawRecord>& takenOut,
                 const std::string& reason)
{
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    const std::string name = backup.filename().string();
    BackupInfo info;
    if (!parseBackupName(name, database, info))
        throwIoError(backup, "restore",
                     fill(translate("quor3::Error", "it is no backup of \"%1\""), {database.filename().string()}));
    if (backup.has_parent_path()) {
        std::error_code error;
        if (!fs::equivalent(backup.parent_path(), backupFolderFor(database), error))
            throwIoError(backup, "restore",
                         fill(translate("quor3::Error", "it is not in the backup folder of \"%1\""),
                              {database.filename().string()}));
    }
    const fs::path source = backupFolderFor(database) / name;
    struct stat st;
    if (::lstat(source.c_str(), &st) != 0)
        throwIoError(source, "restore");
    if (!S_ISREG(st.st_mode))
        throwIoError(source, "restore", "it is not a plain file");
    // Read before the current database is backed up, which keeps this backup
    // whatever its rank.
    const std::string bytes = readWholeFile(source);
    if (bytes.size() < DrawRecordSize)
        throwIoError(source, "restore", "it holds no draw");
    checkChangeable(database, "replace");
    fs::path current;
    if (fileExists(database))
        current = backupDatabase(database, reason, source);
    RecordChange change;
    change.working = RecordChange::Working::Replace;
    change.bytes = bytes;
    change.takenOut = takenOut;
    change.origin = {takenOut.empty() ? "restore" : "undo", name};
    changeRecord(database, change);
    return current;
}

} // namespace

fs::path restoreBackup(const fs::path& database, const fs::path& backup, const std::string& reason)
{
    return restore(database, backup, {}, reason);
}

void undoEntry(const StoredEntry& entry)
{
    const fs::path& database = entry.database;
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    const std::string bytes = fileExists(database) ? readWholeFile(database) : std::string();
    const long long count = static_cast<long long>(bytes.size() / DrawRecordSize);
    if (count != entry.totalDraws || count == 0 ||
        !sameDraw(decodeDraw(bytes.data() + (count - 1) * DrawRecordSize), entry.draw))
        throwIoError(database, "undo the last entry of", "the database has changed since that entry");
    if (entry.change != 0) {
        // Exactly as before the entry, when nothing changed after it.
        undoLastChange(database, entry.change);
        return;
    }
    if (!entry.backup.empty()) {
        // The database as it was is kept as an undo's, not a restore's.
        restore(database, entry.backup, {entry.draw}, backupReason::Undo);
        return;
    }
    checkChangeable(database, "replace");
    backupDatabase(database, backupReason::Undo);
    RecordChange change;
    change.origin = {"undo", "entry"};
    change.takenOut.push_back(entry.draw);
    // The entry made the file: without it there is no database, as before.
    change.working = count == 1 ? RecordChange::Working::Remove : RecordChange::Working::Replace;
    change.bytes = bytes.substr(0, static_cast<std::size_t>(count - 1) * DrawRecordSize);
    changeRecord(database, change);
}

} // namespace quor3
