#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace quor3
{

namespace fs = std::filesystem;

// One writer at a time per data folder. Every change of a database and of the
// derived files beside it (they are shared by all databases of the folder)
// holds this lock exclusively for the whole change plus its rebuild; a reader
// that wants the files of one rebuild together holds it shared. The lock is an
// advisory flock on "quor3.lock" in the folder, so a second copy of the program
// or a script running quor3-engine takes part.
//
// Takes nest within one process: a window may hold the lock around a store and
// a rebuild that take it again inside. A take that cannot get the lock within a
// short time (another process holds it) raises quor3::Error and changes nothing.
// An exclusive take inside a shared one converts the lock; the files may change
// while it waits.
class DatabaseLock
{
  public:
    enum Mode { Shared, Exclusive };

    DatabaseLock(const fs::path& folder, const std::string& databaseName, Mode mode);
    // For a database named by its path.
    explicit DatabaseLock(const fs::path& database, Mode mode = Exclusive);
    ~DatabaseLock();
    DatabaseLock(const DatabaseLock&) = delete;
    DatabaseLock& operator=(const DatabaseLock&) = delete;

  private:
    std::string key_;
};

// The lock file of a data folder.
fs::path lockFileFor(const fs::path& folder);

// How long a take waits for another process before it gives up (5 seconds);
// tests shorten it.
void setLockWaitForTesting(std::chrono::milliseconds wait);

} // namespace quor3
