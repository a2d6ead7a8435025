#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace quor3
{

namespace fs = std::filesystem;

// Whole-file reads and writes. Every statistic reads its file in one call and
// every derived file is written whole in one call.
//
// No write goes through a symbolic link: a file that is replaced whole takes the
// place of the link, and a file changed in place must not be a link. A file that
// the user cannot write (by its permissions, also for the superuser when it has
// no write permission at all) is never replaced or changed.
bool fileExists(const fs::path& file);
// Refuses anything but a regular file (a FIFO, a device) without waiting on it.
std::string readWholeFile(const fs::path& file);

// Writes the bytes to a fresh scratch file beside the target and renames it
// over the target, so that a reader finds either the old or the new contents,
// never a part; a stop in between leaves the old file. An existing file keeps
// its permissions.
void writeWholeFile(const fs::path& file, const std::string& bytes);
// The same, with the scratch file and then the rename flushed to disk: for the
// user's data, which must survive a power failure whole.
void replaceFileAtomically(const fs::path& file, const std::string& bytes);

// Replaces several files so that they are all old or all new: every scratch
// file is written before the first rename, and a failure before then leaves
// every file as it was.
void replaceFilesTogether(const std::vector<std::pair<fs::path, std::string>>& files);

// Removes the scratch files (".NAME.PID-N") in the folder that a process which
// no longer runs left behind when it was killed mid-write. Call it holding the
// folder's lock exclusively.
void removeAbandonedScratchFiles(const fs::path& folder);

// Appends the bytes at the end, creating the file when it does not exist.
void appendToFile(const fs::path& file, const std::string& bytes);

// Appends one record to a file of `record.size()`-byte records and flushes it to
// disk. A partial record left at the end by an interrupted writer is cut off
// first, so that the new record starts at a record boundary. When the call
// fails the file is as it was before.
void appendRecord(const fs::path& file, const std::string& record);
// Overwrites bytes at `offset` in place and flushes them to disk.
void overwriteAt(const fs::path& file, long long offset, const std::string& bytes);

// Flushes an open file (or folder) to disk through the flush the tests may
// replace; returns what fsync returns. Every flush of the program's files goes
// through it, the full history's SQLite writes included (engine/Sqlite).
int flushDescriptor(int fd);
// Flushes a file, or a folder after a rename in it, raising quor3::Error
// ("Cannot flush ...") when it fails.
void flushPath(const fs::path& path);

// Raises the error of `action` on the file unless the file may be changed in
// place: it is no symbolic link and the user can write it. A missing file passes.
void checkChangeable(const fs::path& file, const std::string& action);

// Tests replace the rename step to stop a replacement at its worst moment, the
// flush to disk (fsync, of a file and of the folder after a rename) to make it
// fail or to see it, and the write-permission test (access
// with W_OK), which the superuser passes for any file, to refuse a file.
using RenameFunction = int (*)(const char* from, const char* to);
using FlushFunction = int (*)(int fd);
using WriteAccessFunction = int (*)(const char* file);
void setRenameFunctionForTesting(RenameFunction rename);
void setFlushFunctionForTesting(FlushFunction flush);
void setWriteAccessFunctionForTesting(WriteAccessFunction access);

} // namespace quor3
