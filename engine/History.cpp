#include "engine/History.h"

#include "engine/DatabaseLock.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/HistoryChange.h"
#include "engine/HistoryStore.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace quor3
{

using namespace history;

namespace
{

// The working file's days whose draws the history does not hold exactly.
void levelWithWorking(Connection& c, const std::vector<DrawRecord>& working)
{
    if (working.empty())
        return;
    const Days given = groupByDate(working);
    const Days stored = loadDays(c, given.date(0), given.date(given.size() - 1));
    Days changed, before;
    for (std::size_t i = 0; i < given.size(); ++i) {
        const DayView now = dayOf(stored, given.date(i));
        // The oldest day may be the end of a day that a cut-back cut short.
        const DayView day = given.day(i);
        std::vector<Digits> left(now.begin(), now.end());
        bool cutShort = i == 0 && day.size() < now.size();
        for (const Digits* d = day.begin(); cutShort && d != day.end(); ++d) {
            const auto at = std::find(left.begin(), left.end(), *d);
            cutShort = at != left.end();
            if (cutShort)
                left.erase(at);
        }
        if (!cutShort && !sameDay(now, day)) {
            changed.add(given.date(i), given.day(i));
            before.add(given.date(i), now);
        }
    }
    if (changed.empty())
        return;
    c.checkIntact("write the full history");
    writeDays(c, changed, before);
    settleChangedDays(c, changed.dates());
}

// The history open for a change, brought up to the current layout first.
std::unique_ptr<Connection> openForChange(const fs::path& file, const fs::path& database)
{
    std::unique_ptr<Connection> c = openExisting(file);
    if (layoutOf(*c) < HistoryLayoutVersion && ::access(file.c_str(), W_OK) == 0) {
        c.reset();
        bringUpToDate(file, database);
        c = openExisting(file);
    }
    return c;
}

// The draws of a damaged history that can still be read: from the start up
// to the first bad page, and from the end back to the last one.
Days readableDays(Connection& old)
{
    Days days;
    double lastForward = -HUGE_VAL;
    const auto scan = [&old](const char* sql, const std::function<void(const Statement&)>& row) {
        try {
            Statement s(old, sql, "read the full history");
            while (s.step())
                row(s);
        } catch (const Error&) {
            // What follows the damage is read from the other end.
        }
    };
    const auto digits = [](const Statement& s) {
        return Digits{static_cast<std::int32_t>(s.integer(1)), static_cast<std::int32_t>(s.integer(2)),
                      static_cast<std::int32_t>(s.integer(3))};
    };
    scan("SELECT draw_date, digit1, digit2, digit3 FROM draws ORDER BY draw_date, turn", [&](const Statement& s) {
        days.addDraw(s.real(0), digits(s));
        lastForward = s.real(0);
    });
    // The last day read forward may be cut short: it is read again backward.
    if (!days.empty())
        days.removeLast();
    std::vector<DrawRecord> tail;
    scan("SELECT draw_date, digit1, digit2, digit3 FROM draws ORDER BY draw_date DESC, turn DESC",
         [&](const Statement& s) {
             if (s.real(0) >= lastForward || days.empty())
                 tail.push_back(recordOf(s.real(0), digits(s)));
         });
    std::reverse(tail.begin(), tail.end());
    const double cut = days.empty() ? -HUGE_VAL : days.date(days.size() - 1);
    for (const DrawRecord& r : tail)
        if (r.DrawDate > cut)
            days.addDraw(r.DrawDate, digitsOf(r));
    return days;
}

// Copies a table's rows that can still be read from the attached old history.
void copyReadableRows(Connection& c, const std::string& table, bool byRowid)
{
    const std::string insert = "INSERT OR IGNORE INTO main." + table + " SELECT * FROM old." + table;
    if (sqlite3_exec(c.handle(), insert.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK || !byRowid)
        return;
    // A damaged page: row by row from each end, as far as each gets.
    for (const char* order : {" ORDER BY rowid", " ORDER BY rowid DESC"}) {
        sqlite3_stmt* read = nullptr;
        const std::string select = "SELECT * FROM old." + table + order;
        if (sqlite3_prepare_v2(c.handle(), select.c_str(), -1, &read, nullptr) != SQLITE_OK)
            continue;
        const int n = sqlite3_column_count(read);
        std::string sql = "INSERT OR IGNORE INTO main." + table + " VALUES (";
        for (int i = 0; i < n; ++i)
            sql += i ? ",?" : "?";
        sqlite3_stmt* write = nullptr;
        if (sqlite3_prepare_v2(c.handle(), (sql + ")").c_str(), -1, &write, nullptr) == SQLITE_OK)
            while (sqlite3_step(read) == SQLITE_ROW) {
                for (int i = 0; i < n; ++i)
                    sqlite3_bind_value(write, i + 1, sqlite3_column_value(read, i));
                sqlite3_step(write);
                sqlite3_reset(write);
            }
        sqlite3_finalize(write);
        sqlite3_finalize(read);
    }
}

// The working file and the history as a level check left them. Every write of
// the working file renames a new file over it (a new inode) and every commit
// of the history writes it (new times, to the kernel's tick), so another
// process's change, a stop in the middle of one and a file put in place by
// hand show as a different stamp; reads in between skip the check. The
// history's header is not read here: closing a descriptor of a file that
// SQLite has open in this process would drop SQLite's locks on it.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modified = 0, changed = 0; // nanoseconds
    bool operator==(const FileStamp& o) const
    {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
               modified == o.modified && changed == o.changed;
    }
};

struct LevelStamp {
    FileStamp working, history, journal;
    bool operator==(const LevelStamp& o) const
    {
        return working == o.working && history == o.history && journal == o.journal;
    }
};

FileStamp stampOf(const fs::path& file)
{
    FileStamp f;
    struct stat st;
    if (::lstat(file.c_str(), &st) != 0)
        return f;
    f.exists = true;
    f.device = st.st_dev;
    f.inode = st.st_ino;
    f.size = st.st_size;
    f.modified = st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
    f.changed = st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec;
    return f;
}

LevelStamp levelStampOf(const fs::path& database)
{
    LevelStamp s;
    const fs::path file = historyFileFor(database);
    s.working = stampOf(database);
    s.history = stampOf(file);
    s.journal = stampOf(fs::path(file.string() + "-journal"));
    return s;
}

// The stamp of a database's last level check, and its history's count and
// dates as read while the files stayed as that check left them.
struct Levelled {
    LevelStamp stamp;
    bool summarized = false;
    HistorySummary summary;
};

std::mutex levelMutex;
std::map<std::string, Levelled>& levelled()
{
    static std::map<std::string, Levelled> stamps;
    return stamps;
}

std::string levelKey(const fs::path& database)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(database, error);
    return (error ? database : absolute).lexically_normal().string();
}

// True when the files are as the last level check of this process left them.
// The caller holds the folder's lock.
bool stillLevel(const fs::path& database)
{
    const LevelStamp now = levelStampOf(database);
    const std::lock_guard<std::mutex> guard(levelMutex);
    const auto found = levelled().find(levelKey(database));
    return found != levelled().end() && found->second.stamp == now;
}

void rememberLevel(const fs::path& database)
{
    Levelled now;
    now.stamp = levelStampOf(database);
    const std::lock_guard<std::mutex> guard(levelMutex);
    levelled()[levelKey(database)] = now;
}

// The summary read while the files stayed as the last level check left them.
// The caller holds the folder's lock.
bool knownSummary(const fs::path& database, HistorySummary& summary)
{
    const LevelStamp now = levelStampOf(database);
    const std::lock_guard<std::mutex> guard(levelMutex);
    const auto found = levelled().find(levelKey(database));
    if (found == levelled().end() || !(found->second.stamp == now) || !found->second.summarized)
        return false;
    summary = found->second.summary;
    return true;
}

void rememberSummary(const fs::path& database, const HistorySummary& summary)
{
    const LevelStamp now = levelStampOf(database);
    const std::lock_guard<std::mutex> guard(levelMutex);
    const auto found = levelled().find(levelKey(database));
    if (found != levelled().end() && found->second.stamp == now) {
        found->second.summarized = true;
        found->second.summary = summary;
    }
}

} // namespace

fs::path historyFileFor(const fs::path& database)
{
    fs::path file = database;
    file += ".sqlite";
    return file;
}

bool isHistoryFile(const fs::path& file)
{
    std::string name = file.filename().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* suffix : {".sqlite", ".sqlite-journal", ".sqlite-wal"}) {
        const std::size_t n = std::strlen(suffix);
        if (name.size() >= n && name.compare(name.size() - n, n, suffix) == 0)
            return true;
    }
    // The first bytes of every SQLite file.
    static const char header[] = "SQLite format 3";
    char start[sizeof header] = {};
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st;
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    const bool sqlite = regular && ::read(fd, start, sizeof start) == static_cast<ssize_t>(sizeof start) &&
                        std::memcmp(start, header, sizeof header) == 0;
    ::close(fd);
    return sqlite;
}

void ensureHistory(const fs::path& database)
{
    {
        const DatabaseLock shared(database, DatabaseLock::Shared);
        if (stillLevel(database))
            return;
    }
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    const fs::path file = historyFileFor(database);
    if (missing(file)) {
        createHistory(file, seedDays(database));
        rememberLevel(database);
        return;
    }
    std::unique_ptr<Connection> c = openForChange(file, database);
    c->exec("BEGIN IMMEDIATE");
    try {
        finishPending(*c, database);
        if (fileExists(database))
            levelWithWorking(*c, readDraws(database));
        c->exec("COMMIT");
    } catch (...) {
        sqlite3_exec(c->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    c.reset();
    rememberLevel(database);
}

std::vector<DrawRecord> readHistory(const fs::path& database)
{
    ensureHistory(database);
    const DatabaseLock lock(database, DatabaseLock::Shared);
    std::unique_ptr<Connection> c = openExisting(historyFileFor(database));
    std::vector<DrawRecord> draws;
    draws.reserve(static_cast<std::size_t>(c->number("SELECT count(*) FROM draws")));
    Statement s(*c, "SELECT draw_date, digit1, digit2, digit3 FROM draws ORDER BY draw_date, turn",
                "read the full history");
    while (s.step())
        draws.push_back(
            recordOf(s.real(0), {static_cast<std::int32_t>(s.integer(1)), static_cast<std::int32_t>(s.integer(2)),
                                 static_cast<std::int32_t>(s.integer(3))}));
    return draws;
}

HistorySummary summarizeHistory(const fs::path& database)
{
    ensureHistory(database);
    const DatabaseLock lock(database, DatabaseLock::Shared);
    HistorySummary summary;
    if (knownSummary(database, summary))
        return summary;
    {
        const std::unique_ptr<Connection> c = openExisting(historyFileFor(database));
        Statement s(*c, "SELECT count(*), min(draw_date), max(draw_date) FROM draws", "read the full history");
        if (s.step()) {
            summary.draws = s.integer(0);
            summary.firstDate = s.real(1);
            summary.lastDate = s.real(2);
        }
        s.run();
    }
    rememberSummary(database, summary);
    return summary;
}

fs::path retireHistory(const fs::path& database)
{
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    const fs::path file = historyFileFor(database);
    if (missing(file))
        return {};
    const fs::path backup = historyBackupFor(database);
    const fs::path folder = backup.parent_path();
    // A transaction a stop cut short goes along with its file.
    const fs::path journal = fs::path(file.string() + "-journal");
    if (!missing(journal) && ::rename(journal.c_str(), (backup.string() + "-journal").c_str()) != 0)
        throwIoError(journal, "move to the backup folder");
    if (::rename(file.c_str(), backup.c_str()) != 0)
        throwIoError(file, "move to the backup folder");
    flushPath(folder);
    flushPath(file.has_parent_path() ? file.parent_path() : fs::path("."));
    return backup;
}

fs::path backUpAndRemoveHistory(const fs::path& database)
{
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    const fs::path file = historyFileFor(database);
    if (missing(file))
        return {};
    fs::path backup;
    try {
        std::unique_ptr<Connection> source = openExisting(file);
        backup = historyBackupFor(database);
        copyHistory(*source, backup);
    } catch (const Error&) {
        // A file SQLite cannot copy (damaged, foreign, newer) goes to the backups whole.
        return retireHistory(database);
    }
    const fs::path journal = fs::path(file.string() + "-journal");
    if (::unlink(file.c_str()) != 0)
        throwIoError(file, "remove");
    ::unlink(journal.c_str());
    flushPath(file.has_parent_path() ? file.parent_path() : fs::path("."));
    return backup;
}

fs::path startHistoryOver(const fs::path& database)
{
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    const fs::path kept = retireHistory(database);
    ensureHistory(database);
    if (kept.empty())
        return kept;
    const fs::path file = historyFileFor(database);
    std::vector<DrawRecord> onlyOld;
    try {
        Connection old(kept, SQLITE_OPEN_READONLY);
        const Days oldDays = readableDays(old);
        std::unique_ptr<Connection> c = openExisting(file);
        const Days now = oldDays.empty() ? Days() : loadDays(*c, oldDays.date(0), oldDays.date(oldDays.size() - 1));
        for (std::size_t i = 0; i < oldDays.size(); ++i)
            if (dayOf(now, oldDays.date(i)).size() == 0)
                for (const Digits& d : oldDays.day(i))
                    onlyOld.push_back(recordOf(oldDays.date(i), d));
    } catch (const Error&) {
        // Not even its first page can be read: the new history is all there is.
    }
    if (!onlyOld.empty()) {
        RecordChange change;
        change.offered = onlyOld;
        change.origin = {"start-over", kept.filename().string()};
        changeRecord(database, change);
    }
    std::unique_ptr<Connection> c = openExisting(file);
    Statement attach(*c, "ATTACH DATABASE ?1 AS old", "start the full history over");
    attach.bind(1, kept.string()).run();
    c->exec("BEGIN IMMEDIATE", "start the full history over");
    try {
        copyReadableRows(*c, "tickets", true);
        copyReadableRows(*c, "prize_tables", false);
        copyReadableRows(*c, "ticket_settings", false);
        settleChangedDays(*c, {-HUGE_VAL, HUGE_VAL});
        c->exec("COMMIT", "start the full history over");
    } catch (...) {
        sqlite3_exec(c->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    c->exec("DETACH DATABASE old", "start the full history over");
    return kept;
}

void keepInHistory(const fs::path& database, const std::vector<DrawRecord>& draws)
{
    RecordChange change;
    change.offered = draws;
    change.origin = {"import", ""};
    changeRecord(database, change);
}

} // namespace quor3
