#include "engine/Backups.h"

#include "engine/DatabaseLock.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
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
    if (name.size() < 4)
        return false;
    std::string tail = name.substr(name.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    return tail == ".c3d";
}

// "ga.c3d" and "ga" both have the backups "ga-....c3d".
std::string backupStem(const fs::path& database)
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

// Reads the time and sequence out of a backup's name; false for any other file.
bool parseBackupName(const std::string& name, const std::string& stem, BackupInfo& info)
{
    const std::string prefix = stem + "-";
    const std::string suffix = ".c3d";
    if (name.size() < prefix.size() + 15 + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::size_t at = prefix.size();
    if (!allDigits(name, at, 8) || name[at + 8] != '-' || !allDigits(name, at + 9, 6))
        return false;
    const std::size_t rest = at + 15;
    const std::size_t end = name.size() - suffix.size();
    int sequence = 1;
    if (rest != end) {
        if (name[rest] != '-' || end - rest < 2 || end - rest > 6 || !allDigits(name, rest + 1, end - rest - 1) ||
            name[rest + 1] == '0')
            return false;
        sequence = number(name, rest + 1, end - rest - 1);
        if (sequence < 2)
            return false;
    }
    info.year = number(name, at, 4);
    info.month = number(name, at + 4, 2);
    info.day = number(name, at + 6, 2);
    info.hour = number(name, at + 9, 2);
    info.minute = number(name, at + 11, 2);
    info.second = number(name, at + 13, 2);
    info.sequence = sequence;
    return true;
}

auto age(const BackupInfo& b)
{
    return std::make_tuple(b.year, b.month, b.day, b.hour, b.minute, b.second, b.sequence);
}

// The backups of the database by name alone, newest first; nothing is read.
std::vector<BackupInfo> findBackups(const fs::path& database)
{
    std::vector<BackupInfo> found;
    const fs::path folder = backupFolderFor(database);
    std::error_code error;
    struct stat st;
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return found;
    const std::string stem = backupStem(database);
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        BackupInfo info;
        if (!parseBackupName(it->path().filename().string(), stem, info))
            continue;
        if (!it->is_regular_file(error) || it->is_symlink(error))
            continue;
        info.file = it->path();
        found.push_back(info);
    }
    std::sort(found.begin(), found.end(), [](const BackupInfo& a, const BackupInfo& b) { return age(a) > age(b); });
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

std::string timeStamp(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

void removeOldBackups(const fs::path& database)
{
    const std::vector<BackupInfo> backups = findBackups(database);
    // Keeping too many is no failure of the backup just made.
    for (std::size_t i = BackupsKeptPerDatabase; i < backups.size(); ++i)
        ::unlink(backups[i].file.c_str());
}

bool sameDraw(const DrawRecord& a, const DrawRecord& b)
{
    return a.DrawDate == b.DrawDate && a.Digit1 == b.Digit1 && a.Digit2 == b.Digit2 && a.Digit3 == b.Digit3;
}

} // namespace

void setBackupClockForTesting(std::time_t (*clock)())
{
    backupClock = clock;
}

fs::path backupFolderFor(const fs::path& database)
{
    const fs::path folder = database.has_parent_path() ? database.parent_path() : fs::path(".");
    return folder / BackupFolderName;
}

fs::path backupDatabase(const fs::path& database)
{
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    const std::string bytes = readWholeFile(database);
    const fs::path folder = backupFolderFor(database);
    makeBackupFolder(folder);
    const std::string base = backupStem(database) + "-" + timeStamp(now());
    fs::path backup;
    for (int sequence = 1;; ++sequence) {
        backup = folder / (base + (sequence == 1 ? std::string() : "-" + std::to_string(sequence)) + ".c3d");
        struct stat st;
        if (::lstat(backup.c_str(), &st) != 0)
            break;
        if (sequence > 9999)
            throwIoError(backup, "create", "too many backups within one second");
    }
    replaceFileAtomically(backup, bytes);
    removeOldBackups(database);
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

fs::path restoreBackup(const fs::path& database, const fs::path& backup)
{
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    const std::string name = backup.filename().string();
    BackupInfo info;
    if (!parseBackupName(name, backupStem(database), info))
        throwIoError(backup, "restore", "it is no backup of \"" + database.filename().string() + "\"");
    if (backup.has_parent_path()) {
        std::error_code error;
        if (!fs::equivalent(backup.parent_path(), backupFolderFor(database), error))
            throwIoError(backup, "restore",
                         "it is not in the backup folder of \"" + database.filename().string() + "\"");
    }
    const fs::path source = backupFolderFor(database) / name;
    struct stat st;
    if (::lstat(source.c_str(), &st) != 0)
        throwIoError(source, "restore");
    if (!S_ISREG(st.st_mode))
        throwIoError(source, "restore", "it is not a plain file");
    // Read before the current database is backed up: that backup may retire
    // the oldest one, which may be this one.
    const std::string bytes = readWholeFile(source);
    if (bytes.size() < DrawRecordSize)
        throwIoError(source, "restore", "it holds no draw");
    checkChangeable(database, "replace");
    fs::path current;
    if (fileExists(database))
        current = backupDatabase(database);
    replaceThroughHistory(database, bytes);
    return current;
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
    const HistoryEdit edit = HistoryEdit::removing(database, entry.draw);
    if (!entry.backup.empty()) {
        restoreBackup(database, entry.backup);
        return;
    }
    checkChangeable(database, "replace");
    backupDatabase(database);
    if (count == 1) {
        // The entry made the file: without it there is no database, as before.
        removeThroughHistory(database);
        return;
    }
    replaceThroughHistory(database, bytes.substr(0, static_cast<std::size_t>(count - 1) * DrawRecordSize));
}

} // namespace quor3
