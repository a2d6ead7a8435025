#include "engine/Sqlite.h"

#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/Text.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace quor3
{

namespace
{

// ------------------------------------------------------------ flushes through FileIo

// SQLite's own file, with a descriptor of ours on the same file that its
// flushes go through as well: SQLite flushes through its descriptor, and
// FileIo's flush (which the tests may make fail) then decides.
struct ShimFile {
    sqlite3_file base;
    int fd;
    sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

sqlite3_vfs* realVfs = nullptr;

ShimFile* shim(sqlite3_file* f)
{
    return reinterpret_cast<ShimFile*>(f);
}

int shimClose(sqlite3_file* f)
{
    ShimFile* s = shim(f);
    const int rc = s->real()->pMethods ? s->real()->pMethods->xClose(s->real()) : SQLITE_OK;
    if (s->fd >= 0)
        ::close(s->fd);
    s->fd = -1;
    return rc;
}
int shimRead(sqlite3_file* f, void* p, int n, sqlite3_int64 at)
{
    return shim(f)->real()->pMethods->xRead(shim(f)->real(), p, n, at);
}
int shimWrite(sqlite3_file* f, const void* p, int n, sqlite3_int64 at)
{
    return shim(f)->real()->pMethods->xWrite(shim(f)->real(), p, n, at);
}
int shimTruncate(sqlite3_file* f, sqlite3_int64 size)
{
    return shim(f)->real()->pMethods->xTruncate(shim(f)->real(), size);
}
int shimSync(sqlite3_file* f, int flags)
{
    ShimFile* s = shim(f);
    const int rc = s->real()->pMethods->xSync(s->real(), flags);
    if (rc != SQLITE_OK)
        return rc;
    if (s->fd >= 0 && flushDescriptor(s->fd) != 0)
        return SQLITE_IOERR_FSYNC;
    return SQLITE_OK;
}
int shimFileSize(sqlite3_file* f, sqlite3_int64* size)
{
    return shim(f)->real()->pMethods->xFileSize(shim(f)->real(), size);
}
int shimLock(sqlite3_file* f, int level)
{
    return shim(f)->real()->pMethods->xLock(shim(f)->real(), level);
}
int shimUnlock(sqlite3_file* f, int level)
{
    return shim(f)->real()->pMethods->xUnlock(shim(f)->real(), level);
}
int shimCheckReservedLock(sqlite3_file* f, int* out)
{
    return shim(f)->real()->pMethods->xCheckReservedLock(shim(f)->real(), out);
}
int shimFileControl(sqlite3_file* f, int op, void* arg)
{
    return shim(f)->real()->pMethods->xFileControl(shim(f)->real(), op, arg);
}
int shimSectorSize(sqlite3_file* f)
{
    return shim(f)->real()->pMethods->xSectorSize(shim(f)->real());
}
int shimDeviceCharacteristics(sqlite3_file* f)
{
    return shim(f)->real()->pMethods->xDeviceCharacteristics(shim(f)->real());
}
int shimShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** p)
{
    return shim(f)->real()->pMethods->xShmMap(shim(f)->real(), region, size, extend, p);
}
int shimShmLock(sqlite3_file* f, int offset, int n, int flags)
{
    return shim(f)->real()->pMethods->xShmLock(shim(f)->real(), offset, n, flags);
}
void shimShmBarrier(sqlite3_file* f)
{
    shim(f)->real()->pMethods->xShmBarrier(shim(f)->real());
}
int shimShmUnmap(sqlite3_file* f, int deleteFlag)
{
    return shim(f)->real()->pMethods->xShmUnmap(shim(f)->real(), deleteFlag);
}
int shimFetch(sqlite3_file* f, sqlite3_int64 at, int n, void** p)
{
    return shim(f)->real()->pMethods->xFetch(shim(f)->real(), at, n, p);
}
int shimUnfetch(sqlite3_file* f, sqlite3_int64 at, void* p)
{
    return shim(f)->real()->pMethods->xUnfetch(shim(f)->real(), at, p);
}

// Version 1 calls only: no shared memory (no WAL) and no memory mapping,
// neither of which the history uses.
const sqlite3_io_methods shimMethods = {1,
                                        shimClose,
                                        shimRead,
                                        shimWrite,
                                        shimTruncate,
                                        shimSync,
                                        shimFileSize,
                                        shimLock,
                                        shimUnlock,
                                        shimCheckReservedLock,
                                        shimFileControl,
                                        shimSectorSize,
                                        shimDeviceCharacteristics,
                                        shimShmMap,
                                        shimShmLock,
                                        shimShmBarrier,
                                        shimShmUnmap,
                                        shimFetch,
                                        shimUnfetch};

int shimOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags)
{
    ShimFile* s = shim(f);
    s->base.pMethods = nullptr;
    s->fd = -1;
    const int rc = realVfs->xOpen(realVfs, name, s->real(), flags, outFlags);
    if (rc != SQLITE_OK)
        return rc;
    if (name)
        s->fd = ::open(name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    s->base.pMethods = &shimMethods;
    return SQLITE_OK;
}

// The real layer's other calls, as they are.
int shimDelete(sqlite3_vfs*, const char* name, int syncDir)
{
    return realVfs->xDelete(realVfs, name, syncDir);
}
int shimAccess(sqlite3_vfs*, const char* name, int flags, int* out)
{
    return realVfs->xAccess(realVfs, name, flags, out);
}
int shimFullPathname(sqlite3_vfs*, const char* name, int n, char* out)
{
    return realVfs->xFullPathname(realVfs, name, n, out);
}
void* shimDlOpen(sqlite3_vfs*, const char* name)
{
    return realVfs->xDlOpen(realVfs, name);
}
void shimDlError(sqlite3_vfs*, int n, char* out)
{
    realVfs->xDlError(realVfs, n, out);
}
void (*shimDlSym(sqlite3_vfs*, void* handle, const char* symbol))(void)
{
    return realVfs->xDlSym(realVfs, handle, symbol);
}
void shimDlClose(sqlite3_vfs*, void* handle)
{
    realVfs->xDlClose(realVfs, handle);
}
int shimRandomness(sqlite3_vfs*, int n, char* out)
{
    return realVfs->xRandomness(realVfs, n, out);
}
int shimSleep(sqlite3_vfs*, int micro)
{
    return realVfs->xSleep(realVfs, micro);
}
int shimCurrentTime(sqlite3_vfs*, double* out)
{
    return realVfs->xCurrentTime(realVfs, out);
}
int shimGetLastError(sqlite3_vfs*, int n, char* out)
{
    return realVfs->xGetLastError ? realVfs->xGetLastError(realVfs, n, out) : 0;
}

const char* const ShimName = "quor3";

const char* shimVfs()
{
    static std::once_flag once;
    std::call_once(once, [] {
        sqlite3_initialize();
        realVfs = sqlite3_vfs_find(nullptr);
        static sqlite3_vfs vfs{};
        vfs.iVersion = 1;
        vfs.szOsFile = static_cast<int>(sizeof(ShimFile)) + realVfs->szOsFile;
        vfs.mxPathname = realVfs->mxPathname;
        vfs.zName = ShimName;
        vfs.xOpen = shimOpen;
        vfs.xDelete = shimDelete;
        vfs.xAccess = shimAccess;
        vfs.xFullPathname = shimFullPathname;
        vfs.xDlOpen = shimDlOpen;
        vfs.xDlError = shimDlError;
        vfs.xDlSym = shimDlSym;
        vfs.xDlClose = shimDlClose;
        vfs.xRandomness = shimRandomness;
        vfs.xSleep = shimSleep;
        vfs.xCurrentTime = shimCurrentTime;
        vfs.xGetLastError = shimGetLastError;
        sqlite3_vfs_register(&vfs, 0);
    });
    return ShimName;
}

// "g.c3d" for "g.c3d.sqlite": the database a damaged history belongs to.
std::string databaseOf(const fs::path& file)
{
    std::string name = file.string();
    const std::string suffix = ".sqlite";
    if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        name.resize(name.size() - suffix.size());
    return name;
}

} // namespace

std::string sqliteReason(sqlite3* db, int rc, int savedErrno)
{
    if ((rc & 0xff) == SQLITE_FULL)
        return std::strerror(ENOSPC);
    if ((rc & 0xff) == SQLITE_IOERR) {
        // SQLite does not always keep the failed call's errno.
        const int system = db && sqlite3_system_errno(db) != 0 ? sqlite3_system_errno(db) : savedErrno;
        if (system != 0)
            return std::strerror(system);
    }
    return db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
}

void throwSqliteError(const fs::path& file, const std::string& action, sqlite3* db, int rc, int savedErrno)
{
    const std::string reason = sqliteReason(db, rc, savedErrno);
    if ((rc & 0xff) == SQLITE_CORRUPT || (rc & 0xff) == SQLITE_NOTADB)
        throwIoError(file, action,
                     fill(translate("quor3::Error", "it is damaged (%1); \"quor3-engine history %2 --start-over\" "
                                                    "keeps what can still be read in a new one"),
                          {reason, databaseOf(file)}));
    throwIoError(file, action, reason);
}

SqliteConnection::SqliteConnection(const fs::path& file, int flags, const fs::path& shown)
    : file_(shown.empty() ? file : shown)
{
    const int rc = sqlite3_open_v2(file.c_str(), &db_, flags | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX, shimVfs());
    if (rc != SQLITE_OK) {
        const std::string reason = sqliteReason(db_, rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throwIoError(file_, "open the full history", reason);
    }
    sqlite3_busy_timeout(db_, 5000);
}

SqliteConnection::SqliteConnection(sqlite3* borrowed, const fs::path& shown)
    : file_(shown), db_(borrowed), owned_(false)
{
}

SqliteConnection::~SqliteConnection()
{
    // close_v2: a statement still alive keeps the connection until it goes,
    // instead of the connection being left open for good.
    if (owned_)
        sqlite3_close_v2(db_);
}

void SqliteConnection::exec(const std::string& sql, const std::string& action)
{
    errno = 0;
    const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
    const int saved = errno;
    if (rc != SQLITE_OK)
        throwSqliteError(file_, action, db_, rc, saved);
}

long long SqliteConnection::number(const std::string& sql, const std::string& action)
{
    SqliteStatement s(*this, sql.c_str(), action);
    long long value = 0;
    if (s.step())
        value = s.integer(0);
    s.run();
    return value;
}

void SqliteConnection::checkIntact(const std::string& action)
{
    SqliteStatement s(*this, "PRAGMA quick_check(1)", action);
    std::string verdict = "ok";
    if (s.step())
        verdict = s.text(0);
    s.run();
    if (verdict != "ok")
        throwIoError(file_, action,
                     fill(translate("quor3::Error", "it is damaged (%1); \"quor3-engine history %2 --start-over\" "
                                                    "keeps what can still be read in a new one"),
                          {verdict, databaseOf(file_)}));
}

SqliteStatement::SqliteStatement(SqliteConnection& c, const char* sql, std::string action)
    : c_(c), action_(std::move(action))
{
    const int rc = sqlite3_prepare_v2(c.handle(), sql, -1, &s_, nullptr);
    if (rc != SQLITE_OK)
        throwSqliteError(c.file(), action_, c.handle(), rc);
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(s_);
}

bool SqliteStatement::step()
{
    errno = 0;
    const int rc = sqlite3_step(s_);
    const int saved = errno;
    if (rc == SQLITE_ROW)
        return true;
    sqlite3_reset(s_);
    if (rc != SQLITE_DONE)
        throwSqliteError(c_.file(), action_, c_.handle(), rc, saved);
    return false;
}

void SqliteStatement::run()
{
    while (step()) {
    }
}

SqliteStatement& SqliteStatement::bind(int i, double v)
{
    sqlite3_bind_double(s_, i, v);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int i, long long v)
{
    sqlite3_bind_int64(s_, i, v);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int i, const std::string& text)
{
    sqlite3_bind_text64(s_, i, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    return *this;
}

SqliteStatement& SqliteStatement::bindBlob(int i, const std::string& bytes)
{
    sqlite3_bind_blob64(s_, i, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement& SqliteStatement::bindNull(int i)
{
    sqlite3_bind_null(s_, i);
    return *this;
}

double SqliteStatement::real(int i) const
{
    return sqlite3_column_double(s_, i);
}

long long SqliteStatement::integer(int i) const
{
    return sqlite3_column_int64(s_, i);
}

bool SqliteStatement::isNull(int i) const
{
    return sqlite3_column_type(s_, i) == SQLITE_NULL;
}

std::string SqliteStatement::text(int i) const
{
    const unsigned char* t = sqlite3_column_text(s_, i);
    return t ? std::string(reinterpret_cast<const char*>(t), static_cast<std::size_t>(sqlite3_column_bytes(s_, i)))
             : std::string();
}

std::string SqliteStatement::blob(int i) const
{
    const void* data = sqlite3_column_blob(s_, i);
    return data ? std::string(static_cast<const char*>(data), static_cast<std::size_t>(sqlite3_column_bytes(s_, i)))
                : std::string();
}

} // namespace quor3
