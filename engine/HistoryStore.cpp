#include "engine/HistoryStore.h"

#include "engine/Addon.h"
#include "engine/Backups.h"
#include "engine/DataFiles.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/Text.h"
#include "engine/TicketStore.h"

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace quor3::history
{

namespace
{

// "Q3HS": tells a history from any other SQLite file.
constexpr int HistoryApplicationId = 0x51334853;

// Tickets reference a draw by its date and turn. The add-on digit, where
// results publish one, is money only: it never reaches the working file.
const char* const DrawsSchema = "CREATE TABLE draws ("
                                " draw_date REAL NOT NULL,"
                                " turn INTEGER NOT NULL,"
                                " digit1 INTEGER NOT NULL, digit2 INTEGER NOT NULL, digit3 INTEGER NOT NULL,"
                                " addon INTEGER, PRIMARY KEY (draw_date, turn)) WITHOUT ROWID;"
                                "CREATE TABLE pending_working (id INTEGER PRIMARY KEY CHECK (id = 1), contents BLOB);";

// Layout 3: every change (what, from where, when, the draws it added; and,
// for the newest ones, what it replaced, to undo it) and the corrections of
// stored draws.
const char* const ChangesSchema =
    "CREATE TABLE IF NOT EXISTS changes (id INTEGER PRIMARY KEY, at INTEGER NOT NULL, kind TEXT NOT NULL,"
    " source TEXT NOT NULL, working_changed INTEGER NOT NULL, working_before BLOB, days_before BLOB,"
    " added BLOB, first_added REAL, last_added REAL, undone INTEGER NOT NULL DEFAULT 0);"
    "CREATE INDEX IF NOT EXISTS changes_by_added ON changes (last_added);"
    "CREATE TABLE IF NOT EXISTS corrections (change_id INTEGER NOT NULL, draw_date REAL NOT NULL,"
    " old_draws BLOB NOT NULL, new_draws BLOB NOT NULL);"
    "CREATE INDEX IF NOT EXISTS corrections_by_date ON corrections (draw_date);";

void configure(Connection& c)
{
    c.exec("PRAGMA synchronous=FULL");
    // A long import's pages stay in memory until its commit, not spilled
    // through the journal on the way (16 MB at most, used only as needed).
    c.exec("PRAGMA cache_size=-16384");
}

// A scratch file beside `file`, readable as the file is, named as FileIo
// names its scratch files (".NAME.PID-N"), so that the next writer of the
// folder removes it when a kill left it behind.
std::string scratchBeside(const fs::path& file, const std::string& action)
{
    static std::atomic<unsigned> counter{0};
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const std::string stem = "." + file.filename().string() + "." + std::to_string(::getpid()) + "-";
    const mode_t mask = ::umask(0);
    ::umask(mask);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string scratch = (folder / (stem + std::to_string(counter++))).string();
        const int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666 & ~mask);
        if (fd >= 0) {
            ::close(fd);
            return scratch;
        }
        if (errno != EEXIST)
            break;
    }
    throwIoError(file, action);
}

// Flushes a scratch file; a failure names the file it is to become.
void flushScratch(const std::string& scratch, const fs::path& shown)
{
    const int fd = ::open(scratch.c_str(), O_RDONLY | O_CLOEXEC);
    const bool flushed = fd >= 0 && flushDescriptor(fd) == 0;
    const int saved = errno;
    if (fd >= 0)
        ::close(fd);
    errno = saved;
    if (!flushed)
        throwIoError(shown, "flush");
}

void removeScratch(const std::string& scratch)
{
    ::unlink(scratch.c_str());
    ::unlink((scratch + "-journal").c_str());
}

// The number of rows from `from` on, counted up to `most`.
long long rowsFrom(Connection& c, double from, long long most)
{
    Statement s(c, "SELECT count(*) FROM (SELECT 1 FROM draws WHERE draw_date >= ?1 LIMIT ?2)",
                "read the full history");
    s.bind(1, from).bind(2, most);
    long long n = 0;
    if (s.step())
        n = s.integer(0);
    while (s.step()) {
    }
    return n;
}

// Puts rows in many to a statement: a statement a row cost as much as all
// the rest of a long import.
class RowWriter
{
  public:
    explicit RowWriter(Connection& c)
        : c_(c), one_(c, "INSERT INTO draws (draw_date, turn, digit1, digit2, digit3) VALUES (?1, ?2, ?3, ?4, ?5)",
                      "write the full history")
    {
        rows_.reserve(RowsAtOnce);
    }
    // Turns `from` on of a day.
    void addDay(double date, DayView draws, std::size_t from = 0)
    {
        for (std::size_t turn = from; turn < draws.size(); ++turn) {
            rows_.push_back({date, static_cast<long long>(turn), draws.begin()[turn]});
            if (rows_.size() == RowsAtOnce)
                putMany();
        }
    }
    void finish()
    {
        for (const Row& r : rows_) {
            put(one_, 1, r);
            one_.run();
        }
        rows_.clear();
    }

  private:
    static constexpr std::size_t RowsAtOnce = 256;
    struct Row {
        double date;
        long long turn;
        Digits digits;
    };
    static void put(Statement& s, int first, const Row& r)
    {
        s.bind(first, r.date).bind(first + 1, r.turn);
        for (int i = 0; i < 3; ++i)
            s.bind(first + 2 + i, static_cast<long long>(r.digits[static_cast<std::size_t>(i)]));
    }
    void putMany()
    {
        static const std::string sql = [] {
            std::string text = "INSERT INTO draws (draw_date, turn, digit1, digit2, digit3) VALUES ";
            for (std::size_t i = 0; i < RowsAtOnce; ++i)
                text += i == 0 ? "(?,?,?,?,?)" : ",(?,?,?,?,?)";
            return text;
        }();
        if (!many_)
            many_.emplace(c_, sql.c_str(), "write the full history");
        for (std::size_t i = 0; i < RowsAtOnce; ++i)
            put(*many_, 1 + 5 * static_cast<int>(i), rows_[i]);
        many_->run();
        rows_.clear();
    }

    Connection& c_;
    Statement one_;
    std::optional<Statement> many_;
    std::vector<Row> rows_;
};

} // namespace

bool missing(const fs::path& file)
{
    struct stat st;
    return ::lstat(file.c_str(), &st) != 0 && errno == ENOENT;
}

std::unique_ptr<Connection> openExisting(const fs::path& file)
{
    struct stat st;
    if (::lstat(file.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
        throwIoError(file, "open the full history", "it is a symbolic link, which Quor 3 never writes through");
    const bool writable = ::access(file.c_str(), W_OK) == 0;
    auto c = std::make_unique<Connection>(file, writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY);
    const std::string action = "open the full history";
    const long long id = c->number("PRAGMA application_id", action);
    if (id != HistoryApplicationId)
        throwIoError(file, action, "it is not a Quor 3 history (another program's file); it is left as it is");
    const long long version = c->number("PRAGMA user_version", action);
    if (version > HistoryLayoutVersion)
        throwIoError(file, action,
                     fill(translate("quor3::Error", "it was written by a newer version of Quor 3 (layout %1)"),
                          {std::to_string(version)}));
    if (version < 1)
        throwIoError(file, action, "its layout version is missing; it is left as it is");
    configure(*c);
    return c;
}

int layoutOf(Connection& c)
{
    return static_cast<int>(c.number("PRAGMA user_version", "open the full history"));
}

void bringUpToDate(const fs::path& file, const fs::path& database)
{
    const std::string action = "bring the full history up to date";
    int version = 0;
    {
        std::unique_ptr<Connection> c = openExisting(file);
        version = layoutOf(*c);
        if (version >= HistoryLayoutVersion || ::access(file.c_str(), W_OK) != 0)
            return;
        // One copy as it was for each layout left behind: a try that fails
        // again and again does not fill the backup folder.
        const std::string prefix = database.filename().string() + "-history-layout" + std::to_string(version) + "-";
        bool kept = false;
        std::error_code error;
        for (fs::directory_iterator it(backupFolderFor(database), error), end; !error && it != end; it.increment(error))
            kept = kept || it->path().filename().string().rfind(prefix, 0) == 0;
        if (!kept) {
            copyHistory(*c, historyBackupFor(database, "history-layout" + std::to_string(version)));
        }
    }
    const std::string scratch = scratchBeside(file, action);
    try {
        {
            std::unique_ptr<Connection> c = openExisting(file);
            Statement copy(*c, "VACUUM INTO ?1", action);
            copy.bind(1, scratch).run();
        }
        {
            Connection c(scratch, SQLITE_OPEN_READWRITE, file);
            c.exec("PRAGMA journal_mode=OFF", action);
            c.exec("BEGIN", action);
            if (version < 2)
                c.exec(TicketSchema, action);
            if (version < 3)
                c.exec(ChangesSchema, action);
            // Layout 4: the add-on digit where results publish one; a table
            // made just now has its add-on column already.
            for (const char* table : {"draws", "tickets"}) {
                const std::string has =
                    "SELECT count(*) FROM pragma_table_info('" + std::string(table) + "') WHERE name = 'addon'";
                if (version < 4 && c.number(has, action) == 0)
                    c.exec(std::string("ALTER TABLE ") + table + " ADD COLUMN addon INTEGER" +
                               (std::string(table) == "tickets" ? " NOT NULL DEFAULT 0" : ""),
                           action);
            }
            c.exec("PRAGMA user_version=" + std::to_string(HistoryLayoutVersion), action);
            c.exec("COMMIT", action);
        }
        flushScratch(scratch, file);
        if (::rename(scratch.c_str(), file.c_str()) != 0)
            throwIoError(file, action);
    } catch (...) {
        removeScratch(scratch);
        throw;
    }
    flushPath(file.has_parent_path() ? file.parent_path() : fs::path("."));
}

std::vector<double> writeAddons(Connection& c, const std::vector<DrawRecord>& draws)
{
    std::vector<double> dates;
    if (draws.empty())
        return dates;
    Statement s(c,
                "UPDATE draws SET addon = ?1 WHERE draw_date = ?2 AND digit1 = ?3 AND digit2 = ?4 AND digit3 = ?5"
                " AND addon IS NOT ?1",
                "write the full history");
    for (const DrawRecord& r : draws) {
        const std::optional<int> addon = carriedAddon(r);
        if (!addon)
            continue;
        s.bind(1, *addon).bind(2, r.DrawDate).bind(3, r.Digit1).bind(4, r.Digit2).bind(5, r.Digit3).run();
        if (sqlite3_changes(c.handle()) > 0 && (dates.empty() || dates.back() != r.DrawDate))
            dates.push_back(r.DrawDate);
    }
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    return dates;
}

std::vector<DrawRecord> addonsFrom(Connection& c, double from)
{
    std::vector<DrawRecord> draws;
    Statement s(
        c, "SELECT draw_date, digit1, digit2, digit3, addon FROM draws WHERE draw_date >= ?1 AND addon IS NOT NULL",
        "read the full history");
    s.bind(1, from);
    while (s.step()) {
        DrawRecord r =
            recordOf(s.real(0), {static_cast<std::int32_t>(s.integer(1)), static_cast<std::int32_t>(s.integer(2)),
                                 static_cast<std::int32_t>(s.integer(3))});
        carryAddon(r, static_cast<int>(s.integer(4)));
        draws.push_back(r);
    }
    return draws;
}

Days loadDays(Connection& c, double from, double to)
{
    Days days;
    Statement s(c,
                "SELECT draw_date, digit1, digit2, digit3 FROM draws WHERE draw_date BETWEEN ?1 AND ?2"
                " ORDER BY draw_date, turn",
                "read the full history");
    s.bind(1, from).bind(2, to);
    while (s.step())
        days.addDraw(s.real(0), {static_cast<std::int32_t>(s.integer(1)), static_cast<std::int32_t>(s.integer(2)),
                                 static_cast<std::int32_t>(s.integer(3))});
    return days;
}

// Writes the given days, which hold `stored` now (a date missing there holds
// nothing); a day with no draw is removed. A day that only grew gets its new
// draws alone: an import's days are nearly all new.
void writeDays(Connection& c, const Days& days, const Days& stored)
{
    struct Change {
        std::size_t day;
        std::size_t from; // the first turn to write
        bool again;       // the stored draws go first
    };
    std::vector<Change> changes;
    std::size_t inserted = 0;
    for (std::size_t i = 0, k = 0; i < days.size(); ++i) {
        while (k < stored.size() && stored.date(k) < days.date(i))
            ++k;
        const DayView old = k < stored.size() && stored.date(k) == days.date(i) ? stored.day(k) : DayView{};
        const DayView now = days.day(i);
        const bool grew = old.size() <= now.size() && std::equal(old.begin(), old.end(), now.begin());
        if (grew && old.size() == now.size())
            continue;
        changes.push_back({i, grew ? old.size() : 0, !grew});
        inserted += now.size() - changes.back().from;
    }
    if (changes.empty())
        return;
    RowWriter rows(c);
    std::vector<DrawRecord> keptAddons;
    // A row put in ahead of stored ones costs SQLite a full search and a
    // rebalance of its page, one put after the last much less: when the
    // stored rows from the first changed date on are at most half as many as
    // the new ones, they go out and back in with them, all in key order (an
    // import of a long file into a database in use).
    const double first = days.date(changes.front().day);
    const auto few = static_cast<long long>(inserted / 2);
    const long long after = inserted >= 256 ? rowsFrom(c, first, few + 1) : few + 1;
    if (after <= few) {
        Days tail;
        if (after > 0) {
            tail = loadDays(c, first, HUGE_VAL);
            keptAddons = addonsFrom(c, first);
            Statement remove(c, "DELETE FROM draws WHERE draw_date >= ?1", "write the full history");
            remove.bind(1, first).run();
        }
        std::size_t t = 0;
        for (std::size_t i = changes.front().day; i < days.size(); ++i) {
            for (; t < tail.size() && tail.date(t) < days.date(i); ++t)
                rows.addDay(tail.date(t), tail.day(t));
            if (t < tail.size() && tail.date(t) == days.date(i))
                ++t;
            rows.addDay(days.date(i), days.day(i));
        }
        for (; t < tail.size(); ++t)
            rows.addDay(tail.date(t), tail.day(t));
        rows.finish();
        // The draws written again keep their add-on digits; a replaced draw
        // does not take its predecessor's.
        writeAddons(c, keptAddons);
        return;
    } else {
        Statement remove(c, "DELETE FROM draws WHERE draw_date = ?1", "write the full history");
        for (const Change& change : changes) {
            // Rows waiting for a statement are of earlier dates: the removal does not touch them.
            if (change.again)
                remove.bind(1, days.date(change.day)).run();
            rows.addDay(days.date(change.day), days.day(change.day), change.from);
        }
    }
    rows.finish();
}

void putIntention(Connection& c, const Intention& intention)
{
    if (!intention.any)
        return;
    Statement s(c, "INSERT OR REPLACE INTO pending_working (id, contents) VALUES (1, ?1)", "write the full history");
    if (intention.contents)
        s.bindBlob(1, *intention.contents);
    else
        s.bindNull(1);
    s.run();
}

void finishPending(Connection& c, const fs::path& database)
{
    std::optional<std::string> contents;
    bool pending = false;
    {
        Statement s(c, "SELECT contents FROM pending_working", "read the full history");
        while (s.step()) {
            pending = true;
            if (!s.isNull(0))
                contents = s.blob(0);
        }
    }
    if (!pending)
        return;
    checkChangeable(database, "replace");
    if (!contents) {
        if (fileExists(database) && ::unlink(database.c_str()) != 0)
            throwIoError(database, "remove");
    } else if (!fileExists(database) || readWholeFile(database) != *contents) {
        replaceFileAtomically(database, *contents);
    }
    c.exec("DELETE FROM pending_working");
}

void createHistory(const fs::path& file, const Days& days)
{
    const std::string scratch = scratchBeside(file, "create the full history");
    try {
        {
            Connection c(scratch, SQLITE_OPEN_READWRITE, file);
            // Nobody sees the scratch file before it is whole and flushed
            // below: it needs no journal and no flush of its own.
            c.exec("PRAGMA journal_mode=OFF", "create the full history");
            c.exec("PRAGMA synchronous=OFF", "create the full history");
            c.exec("PRAGMA cache_size=-16384", "create the full history");
            c.exec("PRAGMA application_id=" + std::to_string(HistoryApplicationId), "create the full history");
            c.exec("PRAGMA user_version=" + std::to_string(HistoryLayoutVersion), "create the full history");
            c.exec("BEGIN");
            c.exec(DrawsSchema, "create the full history");
            c.exec(TicketSchema, "create the full history");
            c.exec(ChangesSchema, "create the full history");
            writeDays(c, days, {});
            c.exec("COMMIT");
        }
        flushScratch(scratch, file);
        if (::rename(scratch.c_str(), file.c_str()) != 0)
            throwIoError(file, "create the full history");
    } catch (...) {
        removeScratch(scratch);
        throw;
    }
    flushPath(file.has_parent_path() ? file.parent_path() : fs::path("."));
}

Days seedDays(const fs::path& database)
{
    Days days;
    // Oldest first, so that each date keeps the draws its newest copy holds:
    // a backup taken before a correction does not bring the wrong draw back.
    auto add = [&days](const std::vector<DrawRecord>& draws) { days = combineDays(days, groupByDate(draws), true); };
    const std::vector<BackupInfo> backups = listBackups(database);
    for (auto it = backups.rbegin(); it != backups.rend(); ++it) {
        try {
            add(decodeDraws(readWholeFile(it->file)));
        } catch (const Error&) {
            // A backup that cannot be read adds nothing; the others still count.
        }
    }
    if (fileExists(database))
        add(readDraws(database));
    return days;
}

void settleChangedDays(Connection& c, const std::vector<double>& dates)
{
    settleTicketsForDates(c.handle(), c.file(), dates);
}

fs::path historyBackupFor(const fs::path& database, const std::string& infix)
{
    const fs::path folder = backupFolderFor(database);
    if (::mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST)
        throwIoError(folder, "create the backup folder");
    struct stat st;
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        throwIoError(folder, "use the backup folder", "it is not a folder");
    return newBackupPath(database, infix, ".sqlite", [](const fs::path& name) { return !missing(name); });
}

void copyHistory(Connection& source, const fs::path& backup)
{
    const fs::path folder = backup.parent_path();
    std::string scratch = (folder / ("." + backup.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(scratch.data());
    if (fd < 0)
        throwIoError(backup, "back up the full history");
    ::close(fd);
    try {
        {
            Connection target(scratch, SQLITE_OPEN_READWRITE, backup);
            // Nobody sees the scratch file before it is flushed below.
            target.exec("PRAGMA journal_mode=OFF", "back up the full history");
            target.exec("PRAGMA synchronous=OFF", "back up the full history");
            sqlite3_backup* copy = sqlite3_backup_init(target.handle(), "main", source.handle(), "main");
            if (!copy)
                throwSqliteError(backup, "back up the full history", target.handle(), sqlite3_errcode(target.handle()));
            const int rc = sqlite3_backup_step(copy, -1);
            sqlite3_backup_finish(copy);
            if (rc != SQLITE_DONE)
                throwSqliteError(backup, "back up the full history", target.handle(), rc);
        }
        flushScratch(scratch, backup);
        if (::rename(scratch.c_str(), backup.c_str()) != 0)
            throwIoError(backup, "back up the full history");
    } catch (...) {
        ::unlink(scratch.c_str());
        throw;
    }
    flushPath(folder);
}

std::string encodeDays(const Days& days)
{
    std::string bytes;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const double date = days.date(i);
        const auto n = static_cast<std::uint32_t>(days.day(i).size());
        bytes.append(reinterpret_cast<const char*>(&date), sizeof date);
        bytes.append(reinterpret_cast<const char*>(&n), sizeof n);
        for (const Digits& d : days.day(i))
            bytes.append(reinterpret_cast<const char*>(d.data()), sizeof(std::int32_t) * 3);
    }
    return bytes;
}

Days decodeDays(const std::string& bytes)
{
    Days days;
    std::size_t at = 0;
    while (at + sizeof(double) + sizeof(std::uint32_t) <= bytes.size()) {
        double date = 0;
        std::uint32_t n = 0;
        std::memcpy(&date, bytes.data() + at, sizeof date);
        std::memcpy(&n, bytes.data() + at + sizeof date, sizeof n);
        at += sizeof date + sizeof n;
        std::vector<Digits> draws(n);
        for (Digits& d : draws) {
            if (at + sizeof(std::int32_t) * 3 > bytes.size())
                return days;
            std::memcpy(d.data(), bytes.data() + at, sizeof(std::int32_t) * 3);
            at += sizeof(std::int32_t) * 3;
        }
        days.add(date, {draws.data(), draws.data() + draws.size()});
    }
    return days;
}

std::string dayText(DayView day)
{
    if (day.size() == 0)
        return translate("quor3::History", "none");
    std::string text;
    for (const Digits& d : day)
        text += (text.empty() ? "" : ", ") + digitTriple(d[0], d[1], d[2]);
    return text;
}

} // namespace quor3::history
