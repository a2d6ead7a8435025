#include "engine/History.h"

#include "engine/Backups.h"
#include "engine/DatabaseLock.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/Text.h"
#include "engine/TicketStore.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace quor3
{

namespace
{

// "Q3HS": tells a history from any other SQLite file.
constexpr int HistoryApplicationId = 0x51334853;

using Digits = std::array<std::int32_t, 3>;

// The draws of one day, in their order of the day.
struct DayView {
    const Digits* first = nullptr;
    const Digits* last = nullptr;
    const Digits* begin() const { return first; }
    const Digits* end() const { return last; }
    std::size_t size() const { return static_cast<std::size_t>(last - first); }
};

// Days in date order, each with its draws in their order of the day, all in
// one flat array: an import brings tens of thousands of days, and a node and
// a vector for each cost as much as SQLite's own work on them. A day may hold
// no draw (a day to be emptied).
class Days
{
  public:
    std::size_t size() const { return dates_.size(); }
    bool empty() const { return dates_.empty(); }
    double date(std::size_t i) const { return dates_[i]; }
    const std::vector<double>& dates() const { return dates_; }
    DayView day(std::size_t i) const { return {draws_.data() + (i == 0 ? 0 : ends_[i - 1]), draws_.data() + ends_[i]}; }
    void reserve(std::size_t days, std::size_t draws)
    {
        dates_.reserve(days);
        ends_.reserve(days);
        draws_.reserve(draws);
    }
    // Appends a day later than every day held.
    void add(double date, DayView draws)
    {
        draws_.insert(draws_.end(), draws.begin(), draws.end());
        dates_.push_back(date);
        ends_.push_back(draws_.size());
    }
    // Appends a draw to the last day when it is of that date, else as a new day.
    void addDraw(double date, const Digits& d)
    {
        if (dates_.empty() || dates_.back() != date) {
            dates_.push_back(date);
            ends_.push_back(draws_.size());
        }
        draws_.push_back(d);
        ++ends_.back();
    }
    // Adds to the last day the draws of `given` that it lacks: a draw the day
    // already holds as often is the same draw, not a new one.
    bool mergeIntoLast(DayView given)
    {
        const std::size_t from = dates_.size() < 2 ? 0 : ends_[dates_.size() - 2];
        bool changed = false;
        for (const Digits* d = given.begin(); d != given.end(); ++d) {
            // A day holds a few draws: counting in place beats any map.
            const auto wanted = std::count(given.begin(), d + 1, *d);
            if (std::count(draws_.begin() + static_cast<std::ptrdiff_t>(from), draws_.end(), *d) < wanted) {
                draws_.push_back(*d);
                ++ends_.back();
                changed = true;
            }
        }
        return changed;
    }
    void removeLast()
    {
        dates_.pop_back();
        ends_.pop_back();
        draws_.resize(ends_.empty() ? 0 : ends_.back());
    }
    // The index of the first day not before `date`.
    std::size_t lowerBound(double date) const
    {
        return static_cast<std::size_t>(std::lower_bound(dates_.begin(), dates_.end(), date) - dates_.begin());
    }

  private:
    std::vector<double> dates_;
    std::vector<std::size_t> ends_; // day i ends before draws_[ends_[i]]
    std::vector<Digits> draws_;
};

Digits digitsOf(const DrawRecord& r)
{
    return {r.Digit1, r.Digit2, r.Digit3};
}

DrawRecord recordOf(double date, const Digits& d)
{
    DrawRecord r;
    r.DrawDate = date;
    r.Digit1 = d[0];
    r.Digit2 = d[1];
    r.Digit3 = d[2];
    return r;
}

bool byDate(const DrawRecord& a, const DrawRecord& b)
{
    return a.DrawDate < b.DrawDate;
}

Days groupByDate(const std::vector<DrawRecord>& draws)
{
    Days days;
    days.reserve(draws.size(), draws.size());
    auto group = [&days](const std::vector<DrawRecord>& ordered) {
        for (const DrawRecord& r : ordered)
            days.addDraw(r.DrawDate, digitsOf(r));
    };
    // Files keep date order as a rule; a stable sort keeps each day's order otherwise.
    if (std::is_sorted(draws.begin(), draws.end(), byDate)) {
        group(draws);
    } else {
        std::vector<DrawRecord> sorted = draws;
        std::stable_sort(sorted.begin(), sorted.end(), byDate);
        group(sorted);
    }
    return days;
}

// Both lists' days in one, in one ordered pass. A day in both holds the
// second's draws when `secondWins`, else the first's and those of the second
// that it lacks.
Days combineDays(const Days& a, const Days& b, bool secondWins)
{
    Days combined;
    combined.reserve(a.size() + b.size(), 0);
    std::size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (j == b.size() || (i < a.size() && a.date(i) < b.date(j))) {
            combined.add(a.date(i), a.day(i));
            ++i;
        } else if (i == a.size() || b.date(j) < a.date(i)) {
            combined.add(b.date(j), b.day(j));
            ++j;
        } else {
            combined.add(a.date(i), secondWins ? b.day(j) : a.day(i));
            if (!secondWins)
                combined.mergeIntoLast(b.day(j));
            ++i, ++j;
        }
    }
    return combined;
}

// The system's own reason where there is one ("No space left on device"),
// else SQLite's ("file is not a database").
std::string reasonOf(sqlite3* db, int rc, int savedErrno = 0)
{
    if (rc == SQLITE_FULL)
        return std::strerror(ENOSPC);
    if ((rc & 0xff) == SQLITE_IOERR) {
        // SQLite does not always keep the failed call's errno.
        const int system = db && sqlite3_system_errno(db) != 0 ? sqlite3_system_errno(db) : savedErrno;
        if (system != 0)
            return std::strerror(system);
    }
    return db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
}

[[noreturn]] void fail(const fs::path& file, const std::string& action, sqlite3* db, int rc, int savedErrno = 0)
{
    throwIoError(file, action, reasonOf(db, rc, savedErrno));
}

class Statement;

// One connection to a history file.
class Connection
{
  public:
    // `shown` names the file in messages: the history, also while it is
    // being made in a scratch file.
    Connection(const fs::path& file, int flags, const fs::path& shown = {}) : file_(shown.empty() ? file : shown)
    {
        const int rc = sqlite3_open_v2(file.c_str(), &db_, flags | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc != SQLITE_OK) {
            const std::string reason = reasonOf(db_, rc);
            sqlite3_close(db_);
            db_ = nullptr;
            throwIoError(file_, "open the full history", reason);
        }
        sqlite3_busy_timeout(db_, 5000);
    }
    ~Connection() { sqlite3_close(db_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void exec(const std::string& sql, const std::string& action = "write the full history")
    {
        errno = 0;
        const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
        const int saved = errno;
        if (rc != SQLITE_OK)
            fail(file_, action, db_, rc, saved);
    }
    long long number(const std::string& sql, const std::string& action = "read the full history");
    sqlite3* handle() const { return db_; }
    const fs::path& file() const { return file_; }

  private:
    fs::path file_;
    sqlite3* db_ = nullptr;
};

class Statement
{
  public:
    Statement(Connection& c, const char* sql, std::string action) : c_(c), action_(std::move(action))
    {
        const int rc = sqlite3_prepare_v2(c.handle(), sql, -1, &s_, nullptr);
        if (rc != SQLITE_OK)
            fail(c.file(), action_, c.handle(), rc);
    }
    ~Statement() { sqlite3_finalize(s_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // True while there is a row.
    bool step()
    {
        errno = 0;
        const int rc = sqlite3_step(s_);
        const int saved = errno;
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            fail(c_.file(), action_, c_.handle(), rc, saved);
        sqlite3_reset(s_);
        return false;
    }
    void run()
    {
        while (step()) {
        }
    }
    Statement& bind(int i, double v)
    {
        sqlite3_bind_double(s_, i, v);
        return *this;
    }
    Statement& bind(int i, long long v)
    {
        sqlite3_bind_int64(s_, i, v);
        return *this;
    }
    Statement& bindBlob(int i, const std::string& bytes)
    {
        sqlite3_bind_blob64(s_, i, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
        return *this;
    }
    Statement& bindNull(int i)
    {
        sqlite3_bind_null(s_, i);
        return *this;
    }
    double real(int i) const { return sqlite3_column_double(s_, i); }
    long long integer(int i) const { return sqlite3_column_int64(s_, i); }
    bool isNull(int i) const { return sqlite3_column_type(s_, i) == SQLITE_NULL; }
    std::string blob(int i) const
    {
        const void* data = sqlite3_column_blob(s_, i);
        return data ? std::string(static_cast<const char*>(data), static_cast<std::size_t>(sqlite3_column_bytes(s_, i)))
                    : std::string();
    }

  private:
    Connection& c_;
    std::string action_;
    sqlite3_stmt* s_ = nullptr;
};

long long Connection::number(const std::string& sql, const std::string& action)
{
    Statement s(*this, sql.c_str(), action);
    long long value = 0;
    if (s.step())
        value = s.integer(0);
    while (s.step()) {
    }
    return value;
}

// Tickets (a later layout) reference a draw by its date and turn.
const char* const Schema = "CREATE TABLE draws ("
                           " draw_date REAL NOT NULL,"
                           " turn INTEGER NOT NULL,"
                           " digit1 INTEGER NOT NULL, digit2 INTEGER NOT NULL, digit3 INTEGER NOT NULL,"
                           " PRIMARY KEY (draw_date, turn)) WITHOUT ROWID;"
                           "CREATE TABLE pending_working (id INTEGER PRIMARY KEY CHECK (id = 1), contents BLOB);";

void configure(Connection& c)
{
    c.exec("PRAGMA synchronous=FULL");
    // A long import's pages stay in memory until its commit, not spilled
    // through the journal on the way (16 MB at most, used only as needed).
    c.exec("PRAGMA cache_size=-16384");
}

// Opens an existing history for reading and writing; refuses a link, a
// damaged or foreign file and a newer layout, all before any write.
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
    if (version < HistoryLayoutVersion && writable)
        upgradeHistoryLayout(c->handle(), file, static_cast<int>(version));
    return c;
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

void fsyncPath(const fs::path& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        const int saved = errno;
        if (fd >= 0)
            ::close(fd);
        errno = saved;
        throwIoError(path, "flush");
    }
    ::close(fd);
}

// What the working file is to hold until it is written: its bytes, or null
// when it is to be removed. `any` is false for a change that leaves it alone.
struct Intention {
    bool any = false;
    const std::string* contents = nullptr;
};

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

// Makes the history whole in a scratch file beside it, then renames it in
// place: a stop while seeding leaves no half history behind.
void createHistory(const fs::path& file, const Days& days, const Intention& intention = {})
{
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    std::string scratch = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(scratch.data());
    if (fd < 0)
        throwIoError(file, "create the full history");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ::close(fd);
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
            c.exec(Schema, "create the full history");
            c.exec(TicketSchema, "create the full history");
            writeDays(c, days, {});
            putIntention(c, intention);
            c.exec("COMMIT");
        }
        fsyncPath(scratch, O_RDONLY);
        if (::rename(scratch.c_str(), file.c_str()) != 0)
            throwIoError(file, "create the full history");
    } catch (...) {
        ::unlink(scratch.c_str());
        ::unlink((scratch + "-journal").c_str());
        throw;
    }
    fsyncPath(folder, O_RDONLY | O_DIRECTORY);
}

// The tickets covering a changed day are settled again in the same transaction.
void settleChangedDays(Connection& c, const Days& changed)
{
    settleTicketsForDates(c.handle(), c.file(), changed.dates());
}

bool missing(const fs::path& file)
{
    struct stat st;
    return ::lstat(file.c_str(), &st) != 0 && errno == ENOENT;
}

// What a new history starts with: the draws of the working file and of
// every backup of it, merged by date, the same draw counted once.
Days seedDays(const fs::path& database)
{
    Days days;
    auto add = [&days](const std::vector<DrawRecord>& draws) { days = combineDays(days, groupByDate(draws), false); };
    if (fileExists(database))
        add(readDraws(database));
    for (const BackupInfo& backup : listBackups(database)) {
        try {
            add(decodeDraws(readWholeFile(backup.file)));
        } catch (const Error&) {
            // A backup that cannot be read adds nothing; the others still count.
        }
    }
    return days;
}

// Finishes a change of the working file that a stop interrupted after the
// history had taken it.
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

// Adds `given` to the days already changed or, for other dates, to the
// stored ones (`current`, which holds at least the dates of `given`);
// `before` keeps each changed day as stored, for taking the change back. One
// ordered pass: `changed` and `before` hold the same dates.
void mergeIntoHistory(const Days& current, const Days& given, Days& changed, Days& before)
{
    if (given.empty())
        return;
    Days nowChanged, nowBefore;
    nowChanged.reserve(given.size() + changed.size(), 0);
    nowBefore.reserve(given.size() + changed.size(), 0);
    std::size_t s = current.lowerBound(given.date(0)), k = 0;
    auto keep = [&](std::size_t day) {
        nowChanged.add(changed.date(day), changed.day(day));
        nowBefore.add(before.date(day), before.day(day));
    };
    for (std::size_t g = 0; g < given.size(); ++g) {
        const double date = given.date(g);
        for (; k < changed.size() && changed.date(k) < date; ++k)
            keep(k);
        while (s < current.size() && current.date(s) < date)
            ++s;
        const DayView stored = s < current.size() && current.date(s) == date ? current.day(s) : DayView{};
        const bool known = k < changed.size() && changed.date(k) == date;
        nowChanged.add(date, known ? changed.day(k) : stored);
        if (nowChanged.mergeIntoLast(given.day(g))) {
            nowBefore.add(date, known ? before.day(k) : stored);
        } else {
            nowChanged.removeLast();
            if (known)
                keep(k);
        }
        if (known)
            ++k;
    }
    for (; k < changed.size(); ++k)
        keep(k);
    changed = std::move(nowChanged);
    before = std::move(nowBefore);
}

// Whether the history holds every draw of the working file, each day's as
// often: one ordered read over the working file's dates, nothing grouped, so
// that opening a database whose history is level costs little however long
// either is. A working file out of date order is left to the full merge.
bool holdsAll(Connection& c, const std::vector<DrawRecord>& working)
{
    if (working.empty())
        return true;
    if (!std::is_sorted(working.begin(), working.end(), byDate))
        return false;
    Statement s(c,
                "SELECT draw_date, digit1, digit2, digit3 FROM draws WHERE draw_date BETWEEN ?1 AND ?2"
                " ORDER BY draw_date, turn",
                "read the full history");
    s.bind(1, working.front().DrawDate).bind(2, working.back().DrawDate);
    bool row = s.step();
    Days day, stored;
    for (std::size_t i = 0; i < working.size();) {
        const double date = working[i].DrawDate;
        for (; i < working.size() && working[i].DrawDate == date; ++i)
            day.addDraw(date, digitsOf(working[i]));
        while (row && s.real(0) < date)
            row = s.step();
        stored.add(date, {});
        for (; row && s.real(0) == date; row = s.step())
            stored.addDraw(date, {static_cast<std::int32_t>(s.integer(1)), static_cast<std::int32_t>(s.integer(2)),
                                  static_cast<std::int32_t>(s.integer(3))});
        if (stored.mergeIntoLast(day.day(0)))
            return false;
        day.removeLast();
        stored.removeLast();
    }
    return true;
}

struct PendingEdit {
    bool active = false;
    fs::path database;
    bool replace = false;
    DrawRecord wrong, right;
};
thread_local PendingEdit pendingEdit;

bool sameDatabase(const fs::path& a, const fs::path& b)
{
    return a.lexically_normal() == b.lexically_normal();
}

void removeOne(std::vector<Digits>& day, const Digits& d)
{
    for (auto it = day.rbegin(); it != day.rend(); ++it)
        if (*it == d) {
            day.erase(std::next(it).base());
            return;
        }
}

// The one path of every change: the history first, together with the working
// file's intended contents; then the working file; then the intention is
// cleared. `intended` is empty when the working file is to be removed.
void throughHistory(const fs::path& database, const Days& given, const std::optional<std::string>& intended,
                    const std::function<void()>& writeWorking)
{
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    const fs::path file = historyFileFor(database);
    const bool editing = pendingEdit.active && sameDatabase(pendingEdit.database, database);
    const Intention intention{static_cast<bool>(writeWorking), intended ? &*intended : nullptr};
    // A missing history is seeded with the change already in it, in the one
    // file written whole: no journal, no second commit.
    const bool seeding = missing(file);
    Days seeded, loaded;
    std::unique_ptr<Connection> c;
    if (seeding) {
        seeded = seedDays(database);
    } else {
        ensureHistory(database);
        c = openExisting(file);
        c->exec("BEGIN IMMEDIATE");
    }
    // The stored days over the dates given.
    auto storedOver = [&](double from, double to) -> const Days& {
        if (seeding)
            return seeded;
        loaded = loadDays(*c, from, to);
        return loaded;
    };
    Days before, changed;
    try {
        if (editing) {
            const DrawRecord& wrong = pendingEdit.wrong;
            const Days& stored = storedOver(wrong.DrawDate, wrong.DrawDate);
            const std::size_t at = stored.lowerBound(wrong.DrawDate);
            std::vector<Digits> draws;
            if (at < stored.size() && stored.date(at) == wrong.DrawDate)
                draws.assign(stored.day(at).begin(), stored.day(at).end());
            before.add(wrong.DrawDate, {draws.data(), draws.data() + draws.size()});
            auto found = std::find(draws.begin(), draws.end(), digitsOf(wrong));
            if (pendingEdit.replace && found != draws.end() && pendingEdit.right.DrawDate == wrong.DrawDate)
                *found = digitsOf(pendingEdit.right);
            else
                removeOne(draws, digitsOf(wrong));
            changed.add(wrong.DrawDate, {draws.data(), draws.data() + draws.size()});
        }
        // A corrected draw of another date comes in with the working file's draws.
        if (!given.empty())
            mergeIntoHistory(storedOver(given.date(0), given.date(given.size() - 1)), given, changed, before);
        if (seeding) {
            createHistory(file, combineDays(seeded, changed, true), intention);
            c = openExisting(file);
        } else {
            writeDays(*c, changed, before);
            settleChangedDays(*c, changed);
            putIntention(*c, intention);
            c->exec("COMMIT");
        }
    } catch (...) {
        if (c)
            sqlite3_exec(c->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    if (sameDatabase(pendingEdit.database, database))
        pendingEdit.active = false;
    if (!writeWorking)
        return;
    try {
        writeWorking();
    } catch (...) {
        // The working file is as it was: so is the history.
        try {
            c->exec("BEGIN IMMEDIATE");
            writeDays(*c, before, changed);
            settleChangedDays(*c, changed);
            c->exec("DELETE FROM pending_working");
            c->exec("COMMIT");
        } catch (const Error&) {
            // The intention stays; the next open finishes the change instead.
        }
        throw;
    }
    // The intention is a copy of the working file, which is in place now: its
    // freed pages need no zeroing (this SQLite's default), which would double
    // what this commit writes and flushes.
    c->exec("PRAGMA secure_delete=FAST");
    c->exec("DELETE FROM pending_working");
}

} // namespace

fs::path historyFileFor(const fs::path& database)
{
    fs::path file = database;
    file += ".sqlite";
    return file;
}

void ensureHistory(const fs::path& database)
{
    const DatabaseLock lock(database, DatabaseLock::Exclusive);
    const fs::path file = historyFileFor(database);
    if (missing(file)) {
        createHistory(file, seedDays(database));
        return;
    }
    std::unique_ptr<Connection> c = openExisting(file);
    c->exec("BEGIN IMMEDIATE");
    try {
        finishPending(*c, database);
        if (fileExists(database)) {
            const std::vector<DrawRecord> working = readDraws(database);
            if (!holdsAll(*c, working)) {
                Days changed, before;
                const Days given = groupByDate(working);
                mergeIntoHistory(loadDays(*c, given.date(0), given.date(given.size() - 1)), given, changed, before);
                writeDays(*c, changed, before);
                settleChangedDays(*c, changed);
            }
        }
        c->exec("COMMIT");
    } catch (...) {
        sqlite3_exec(c->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
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
    std::unique_ptr<Connection> c = openExisting(historyFileFor(database));
    HistorySummary summary;
    Statement s(*c, "SELECT count(*), min(draw_date), max(draw_date) FROM draws", "read the full history");
    if (s.step()) {
        summary.draws = s.integer(0);
        summary.firstDate = s.real(1);
        summary.lastDate = s.real(2);
    }
    while (s.step()) {
    }
    return summary;
}

namespace
{

// The next free "NAME-history-YYYYMMDDTHHMMSSZ[-N].sqlite" in the backup
// folder, which is made when missing.
fs::path historyBackupFor(const fs::path& database)
{
    const fs::path folder = backupFolderFor(database);
    if (::mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST)
        throwIoError(folder, "create the backup folder");
    struct stat st;
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        throwIoError(folder, "use the backup folder", "it is not a folder");
    const std::time_t now = std::time(nullptr);
    // In UTC, as the database's own backups are named.
    std::tm utc{};
    gmtime_r(&now, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &utc);
    const std::string base = database.filename().string() + "-history-" + stamp;
    fs::path backup;
    for (int sequence = 1;; ++sequence) {
        backup = folder / (base + (sequence == 1 ? std::string() : "-" + std::to_string(sequence)) + ".sqlite");
        if (missing(backup))
            return backup;
    }
}

// Copies the history through SQLite's online backup into `backup`, by way of
// a scratch file that gets the name only when whole and flushed.
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
                fail(backup, "back up the full history", target.handle(), sqlite3_errcode(target.handle()));
            const int rc = sqlite3_backup_step(copy, -1);
            sqlite3_backup_finish(copy);
            if (rc != SQLITE_DONE)
                fail(backup, "back up the full history", target.handle(), rc);
        }
        fsyncPath(scratch, O_RDONLY);
        if (::rename(scratch.c_str(), backup.c_str()) != 0)
            throwIoError(backup, "back up the full history");
    } catch (...) {
        ::unlink(scratch.c_str());
        throw;
    }
    fsyncPath(folder, O_RDONLY | O_DIRECTORY);
}

} // namespace

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
    fsyncPath(folder, O_RDONLY | O_DIRECTORY);
    fsyncPath(file.has_parent_path() ? file.parent_path() : fs::path("."), O_RDONLY | O_DIRECTORY);
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
    fsyncPath(file.has_parent_path() ? file.parent_path() : fs::path("."), O_RDONLY | O_DIRECTORY);
    return backup;
}

void keepInHistory(const fs::path& database, const std::vector<DrawRecord>& draws)
{
    throughHistory(database, groupByDate(draws), std::nullopt, nullptr);
}

void replaceThroughHistory(const fs::path& database, const std::string& bytes, const std::vector<DrawRecord>& alsoKept)
{
    const Days given = combineDays(groupByDate(decodeDraws(bytes)), groupByDate(alsoKept), false);
    throughHistory(database, given, bytes, [&] { replaceFileAtomically(database, bytes); });
}

void appendThroughHistory(const fs::path& database, const DrawRecord& draw)
{
    std::string bytes = fileExists(database) ? readWholeFile(database) : std::string();
    bytes.resize(bytes.size() / DrawRecordSize * DrawRecordSize);
    bytes += encodeDraws({draw});
    throughHistory(database, groupByDate({draw}), bytes, [&] { appendDraw(database, draw); });
}

void removeThroughHistory(const fs::path& database)
{
    throughHistory(database, {}, std::nullopt, [&] {
        if (::unlink(database.c_str()) != 0)
            throwIoError(database, "remove");
    });
}

HistoryEdit HistoryEdit::removing(const fs::path& database, const DrawRecord& draw)
{
    pendingEdit = {true, database, false, draw, {}};
    HistoryEdit edit;
    edit.active_ = true;
    return edit;
}

HistoryEdit HistoryEdit::replacing(const fs::path& database, const DrawRecord& wrong, const DrawRecord& right)
{
    pendingEdit = {true, database, true, wrong, right};
    HistoryEdit edit;
    edit.active_ = true;
    return edit;
}

HistoryEdit::HistoryEdit(HistoryEdit&& other) noexcept : active_(other.active_)
{
    other.active_ = false;
}

HistoryEdit::~HistoryEdit()
{
    if (active_)
        pendingEdit.active = false;
}

} // namespace quor3
