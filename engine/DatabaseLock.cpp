#include "engine/DatabaseLock.h"

#include "engine/Backups.h"
#include "engine/DataFiles.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/Text.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quor3
{

namespace
{

const char* const BusyReason = "another Quor 3 is changing this database; try again";
const char* const LostReason =
    "another Quor 3 is changing this database; try again (the lock for reading was lost while waiting)";

std::chrono::milliseconds lockWait{5000};

struct Held {
    int fd = -1; // -1: a shared take in a folder where no lock file can be made
    int count = 0;
    DatabaseLock::Mode mode = DatabaseLock::Shared;
    bool lost = false; // a conversion failed and the shared lock could not be taken back
};

std::mutex registryMutex;
std::map<std::string, Held>& registryOnly()
{
    static std::map<std::string, Held> held;
    return held;
}

// A forked child shares the parent's lock file descriptions: it must not take
// the parent's hold for its own, nor convert or release the parent's lock.
void lockBeforeFork()
{
    registryMutex.lock();
}
void unlockAfterFork()
{
    registryMutex.unlock();
}
void forgetLocksInChild()
{
    for (const auto& entry : registryOnly())
        if (entry.second.fd >= 0)
            ::close(entry.second.fd); // the parent's descriptor keeps its lock
    registryOnly().clear();
    registryMutex.unlock();
}

std::map<std::string, Held>& registry()
{
    static const bool forkHandled = ::pthread_atfork(&lockBeforeFork, &unlockAfterFork, &forgetLocksInChild) == 0;
    (void)forkHandled;
    return registryOnly();
}

std::string keyFor(const fs::path& folder)
{
    std::error_code error;
    fs::path where = fs::weakly_canonical(folder.empty() ? fs::path(".") : folder, error);
    if (error)
        where = fs::absolute(folder, error);
    return (where / files::Lock).string();
}

// The lock file is made when missing; a link in its place is removed, never
// followed. Returns -1 when a shared take may go without: nobody can make the
// file, so nobody can hold it exclusively either. Failures name the database,
// whose change or read they stop.
int openLockFile(const fs::path& lockFile, const fs::path& database, DatabaseLock::Mode mode)
{
    for (int attempt = 0;; ++attempt) {
        // O_NONBLOCK: a FIFO in its place must not hang the program.
        const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0644);
        if (fd >= 0) {
            struct stat st;
            if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
                return fd;
            ::close(fd);
            throwIoError(
                database, "lock",
                fill(translate("quor3::Error", "\"%1\" is not a regular file"), {lockFile.filename().string()}));
        }
        if (errno == ELOOP && attempt == 0 && ::unlink(lockFile.c_str()) == 0)
            continue;
        if (mode == DatabaseLock::Shared && (errno == EACCES || errno == EROFS || errno == EPERM || errno == ENOENT))
            return -1;
        throwIoError(database, errno == ENOENT ? "open" : "lock");
    }
}

// Polls, so that the wait is bounded and a signal cannot leave it hanging.
bool waitForLock(int fd, DatabaseLock::Mode mode)
{
    const int operation = (mode == DatabaseLock::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    const auto deadline = std::chrono::steady_clock::now() + lockWait;
    auto pause = std::chrono::milliseconds(2);
    for (;;) {
        if (::flock(fd, operation) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline) {
            errno = EWOULDBLOCK;
            return false;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

[[noreturn]] void throwNotLocked(const fs::path& database, DatabaseLock::Mode mode)
{
    if (errno == EWOULDBLOCK)
        throwIoError(database, mode == DatabaseLock::Exclusive ? "change" : "read", BusyReason);
    throwIoError(database, "lock");
}

// The writer that holds the lock is the only one: scratch files of killed
// writers can go, in the folder and in its backups.
void tidyFolder(const fs::path& folder)
{
    const fs::path where = folder.empty() ? fs::path(".") : folder;
    removeAbandonedScratchFiles(where);
    removeAbandonedScratchFiles(where / BackupFolderName);
}

} // namespace

fs::path lockFileFor(const fs::path& folder)
{
    return (folder.empty() ? fs::path(".") : folder) / files::Lock;
}

void setLockWaitForTesting(std::chrono::milliseconds wait)
{
    lockWait = wait;
}

DatabaseLock::DatabaseLock(const fs::path& folder, const std::string& databaseName, Mode mode) : key_(keyFor(folder))
{
    const fs::path database = (folder.empty() ? fs::path(".") : folder) / databaseName;
    const fs::path lockFile = lockFileFor(folder);
    std::lock_guard<std::mutex> guard(registryMutex);
    auto found = registry().find(key_);
    if (found != registry().end()) {
        Held& held = found->second;
        if (mode == Exclusive && held.mode == Shared) {
            if (held.fd < 0) {
                // No lock file could be made for the shared take; an exclusive one needs it.
                const int fd = openLockFile(lockFile, database, Exclusive);
                if (!waitForLock(fd, Exclusive)) {
                    const int code = errno;
                    ::close(fd);
                    errno = code;
                    throwNotLocked(database, mode);
                }
                held.fd = fd;
            } else if (!waitForLock(held.fd, Exclusive)) {
                const int code = errno;
                // A failed conversion has dropped the shared lock (flock
                // releases it before it tries): take it back. When even that
                // cannot be had, the reader must not go on as if it held it.
                if (!waitForLock(held.fd, Shared)) {
                    held.lost = true;
                    throwIoError(database, "read", LostReason);
                }
                errno = code;
                throwNotLocked(database, mode);
            }
            held.mode = Exclusive;
            tidyFolder(folder);
        }
        if (held.lost)
            throwIoError(database, mode == Exclusive ? "change" : "read", LostReason);
        ++held.count;
        return;
    }
    const int fd = openLockFile(lockFile, database, mode);
    if (fd >= 0 && !waitForLock(fd, mode)) {
        const int code = errno;
        ::close(fd);
        errno = code;
        throwNotLocked(database, mode);
    }
    registry()[key_] = Held{fd, 1, mode};
    if (mode == Exclusive)
        tidyFolder(folder);
}

DatabaseLock::DatabaseLock(const fs::path& database, Mode mode)
    : DatabaseLock(database.has_parent_path() ? database.parent_path() : fs::path("."), database.filename().string(),
                   mode)
{
}

DatabaseLock::~DatabaseLock()
{
    std::lock_guard<std::mutex> guard(registryMutex);
    auto found = registry().find(key_);
    if (found == registry().end() || --found->second.count > 0)
        return;
    // Closing the last descriptor of the lock file releases the lock.
    if (found->second.fd >= 0)
        ::close(found->second.fd);
    registry().erase(found);
}

} // namespace quor3
