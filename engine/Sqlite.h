#pragma once

#include <filesystem>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace quor3
{

namespace fs = std::filesystem;

// The one SQLite layer of the engine: the full history and the tickets (one
// file, engine/History.h and engine/Tickets.h) both talk to SQLite through it.
// Its errors are quor3::Error naming the file, the action and the system's
// reason: a full disk as such, a damaged file with the way to recover.
//
// Every connection goes through a thin layer over SQLite's own file access
// whose flushes also pass through FileIo's flush (flushDescriptor), so that a
// flush that fails, or one the tests plant, fails the SQLite write with it.

// The reason SQLite's result `rc` stands for: the system's own where there is
// one ("No space left on device"), else SQLite's.
std::string sqliteReason(sqlite3* db, int rc, int savedErrno = 0);
[[noreturn]] void throwSqliteError(const fs::path& file, const std::string& action, sqlite3* db, int rc,
                                   int savedErrno = 0);

class SqliteConnection
{
  public:
    // `shown` names the file in messages (a scratch file is shown as the file it becomes).
    SqliteConnection(const fs::path& file, int flags, const fs::path& shown = {});
    // Borrows a connection another object owns.
    SqliteConnection(sqlite3* borrowed, const fs::path& shown);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    void exec(const std::string& sql, const std::string& action = "write the full history");
    // The first column of the first row; 0 without a row.
    long long number(const std::string& sql, const std::string& action = "read the full history");
    // Raises, before anything is written, when SQLite finds the file damaged.
    void checkIntact(const std::string& action);
    sqlite3* handle() const { return db_; }
    const fs::path& file() const { return file_; }

  private:
    fs::path file_;
    sqlite3* db_ = nullptr;
    bool owned_ = true;
};

class SqliteStatement
{
  public:
    SqliteStatement(SqliteConnection& c, const char* sql, std::string action);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // True while there is a row.
    bool step();
    void run();
    SqliteStatement& bind(int i, double v);
    SqliteStatement& bind(int i, long long v);
    SqliteStatement& bind(int i, int v) { return bind(i, static_cast<long long>(v)); }
    SqliteStatement& bind(int i, const std::string& text);
    SqliteStatement& bindBlob(int i, const std::string& bytes);
    SqliteStatement& bindNull(int i);
    double real(int i) const;
    long long integer(int i) const;
    bool isNull(int i) const;
    std::string text(int i) const;
    std::string blob(int i) const;

  private:
    SqliteConnection& c_;
    std::string action_;
    sqlite3_stmt* s_ = nullptr;
};

} // namespace quor3
