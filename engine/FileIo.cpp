#include "engine/FileIo.h"

#include "engine/Errors.h"

#include <boost/algorithm/string/predicate.hpp>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quor3
{

namespace
{

const char* const LinkReason = "the file is a symbolic link, which Quor 3 never writes through";

int defaultWriteAccess(const char* file)
{
    return ::faccessat(AT_FDCWD, file, W_OK, AT_EACCESS);
}

RenameFunction renameFunction = &::rename;
FlushFunction flushFunction = &::fsync;
WriteAccessFunction writeAccessFunction = &defaultWriteAccess;

class Fd
{
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release()
    {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

// Reports the error of the write that failed: after a partial write the next
// one tells why (a full disk), not whatever errno held before.
void writeAll(int fd, const fs::path& file, const std::string& bytes)
{
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t done = ::write(fd, p, left);
        if (done < 0) {
            if (errno == EINTR)
                continue;
            throwIoError(file, "write");
        }
        if (done == 0) {
            errno = EIO;
            throwIoError(file, "write");
        }
        p += done;
        left -= static_cast<size_t>(done);
    }
}

void closeChecked(Fd& fd, const fs::path& file)
{
    if (::close(fd.release()) != 0)
        throwIoError(file, "write");
}

// The superuser passes access() for every file; a file without any write
// permission is still meant to stay as it is.
bool writable(const fs::path& file, const struct stat& st)
{
    if ((st.st_mode & 0222) == 0) {
        errno = EACCES;
        return false;
    }
    return writeAccessFunction(file.c_str()) == 0;
}

// The rename is durable only once its folder is flushed. Its failure is not
// reported: the file has been replaced, and saying otherwise would be untrue.
void flushFolder(const fs::path& file)
{
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        (void)flushFunction(dir.get());
}

[[noreturn]] void throwOpenError(const fs::path& file, const std::string& action)
{
    if (errno == ELOOP)
        throwIoError(file, action, LinkReason);
    throwIoError(file, action);
}

// A scratch file beside `file`, made new: O_EXCL refuses any name that exists,
// a link included, so nothing is written through a link planted there.
Fd createScratch(const fs::path& file, fs::path& scratch, const std::string& action)
{
    static std::atomic<unsigned> counter{0};
    std::string base = file.filename().string();
    if (base.size() > 200)
        base.resize(200);
    const std::string stem = "." + base + "." + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        scratch = file.parent_path() / (stem + std::to_string(counter++));
        Fd fd(::open(scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
        if (fd.get() >= 0)
            return Fd(fd.release());
        if (errno != EEXIST)
            throwIoError(file, action);
    }
    throwIoError(file, action);
}

// A replacement written to its scratch file and waiting for its rename.
struct Prepared {
    fs::path file;
    fs::path scratch;
};

Prepared prepareReplacement(const fs::path& file, const std::string& bytes, bool durable, const std::string& action)
{
    bool keepMode = false;
    mode_t mode = 0;
    struct stat st;
    if (::lstat(file.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            errno = EISDIR;
            throwIoError(file, action);
        }
        if (S_ISREG(st.st_mode)) {
            if (!writable(file, st))
                throwIoError(file, action);
            keepMode = true;
            mode = st.st_mode & 07777;
        }
        // A link (or anything else) in the file's place is replaced, its target untouched.
    } else if (errno != ENOENT) {
        throwIoError(file, action);
    }

    Prepared prepared{file, {}};
    Fd fd = createScratch(file, prepared.scratch, action);
    try {
        writeAll(fd.get(), file, bytes);
        if (keepMode && ::fchmod(fd.get(), mode) != 0)
            throwIoError(file, action);
        if (durable) {
            if (flushFunction(fd.get()) != 0)
                throwIoError(file, "flush");
            ::close(fd.release()); // the flush has reported any write error
        } else {
            closeChecked(fd, file);
        }
    } catch (...) {
        ::unlink(prepared.scratch.c_str());
        throw;
    }
    return prepared;
}

void commitReplacement(const Prepared& prepared)
{
    if (renameFunction(prepared.scratch.c_str(), prepared.file.c_str()) != 0) {
        const int code = errno;
        ::unlink(prepared.scratch.c_str());
        errno = code;
        throwIoError(prepared.file, "replace");
    }
}

void replaceWhole(const fs::path& file, const std::string& bytes, bool durable, const std::string& action)
{
    commitReplacement(prepareReplacement(file, bytes, durable, action));
    if (durable)
        flushFolder(file);
}

// ".NAME.PID-N": the scratch file of process PID. A user's own hidden file
// that happens to look alike is left alone unless it names a database or a
// file that is there.
pid_t scratchOwner(const fs::path& folder, const std::string& name)
{
    if (name.size() < 5 || name[0] != '.')
        return 0;
    const std::size_t dash = name.rfind('-');
    const std::size_t dot = dash == std::string::npos ? std::string::npos : name.rfind('.', dash);
    if (dot == std::string::npos || dot == 0 || dash == dot + 1 || dash + 1 == name.size())
        return 0;
    for (std::size_t i = dot + 1; i < name.size(); ++i)
        if (i != dash && (name[i] < '0' || name[i] > '9'))
            return 0;
    if (dash - dot - 1 > 9)
        return 0;
    const std::string target = name.substr(1, dot - 1);
    struct stat st;
    if (!boost::algorithm::iends_with(target, ".c3d") && ::lstat((folder / target).c_str(), &st) != 0)
        return 0;
    return static_cast<pid_t>(std::stol(name.substr(dot + 1, dash - dot - 1)));
}

} // namespace

int flushDescriptor(int fd)
{
    return flushFunction(fd);
}

void flushPath(const fs::path& path)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0 || flushFunction(fd.get()) != 0)
        throwIoError(path, "flush");
}

void setRenameFunctionForTesting(RenameFunction rename)
{
    renameFunction = rename ? rename : &::rename;
}

void setFlushFunctionForTesting(FlushFunction flush)
{
    flushFunction = flush ? flush : &::fsync;
}

void setWriteAccessFunctionForTesting(WriteAccessFunction access)
{
    writeAccessFunction = access ? access : &defaultWriteAccess;
}

bool fileExists(const fs::path& file)
{
    struct stat st;
    return ::stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string readWholeFile(const fs::path& file)
{
    // O_NONBLOCK: opening a FIFO waits for a writer that may never come.
    Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        throwIoError(file, "open");
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        throwIoError(file, "read");
    if (S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        throwIoError(file, "read");
    }
    // A device or a pipe has no end to read to: /dev/zero would fill the memory.
    if (!S_ISREG(st.st_mode))
        throwIoError(file, "read", "it is not a regular file");
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        throwIoError(file, "read");
    std::string bytes;
    // One byte to spare: the read that finds the end needs room, and growing
    // the buffer only for it would copy a large file once more.
    bytes.resize(st.st_size > 0 ? static_cast<size_t>(st.st_size) + 1 : 0);
    size_t got = 0;
    for (;;) {
        if (got == bytes.size())
            bytes.resize(bytes.size() + 4096);
        ssize_t n = ::read(fd.get(), &bytes[got], bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throwIoError(file, "read");
        }
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

void writeWholeFile(const fs::path& file, const std::string& bytes)
{
    replaceWhole(file, bytes, false, "create");
}

void replaceFileAtomically(const fs::path& file, const std::string& bytes)
{
    replaceWhole(file, bytes, true, "replace");
}

void replaceFilesTogether(const std::vector<std::pair<fs::path, std::string>>& files)
{
    std::vector<Prepared> prepared;
    prepared.reserve(files.size());
    try {
        for (const auto& file : files)
            prepared.push_back(prepareReplacement(file.first, file.second, false, "create"));
    } catch (...) {
        for (const Prepared& p : prepared)
            ::unlink(p.scratch.c_str());
        throw;
    }
    // Every file is written and checked; only a rename can still fail, and a
    // rename within a folder the scratch files were made in does not.
    std::size_t next = 0;
    try {
        for (; next < prepared.size(); ++next)
            commitReplacement(prepared[next]);
    } catch (...) {
        for (++next; next < prepared.size(); ++next)
            ::unlink(prepared[next].scratch.c_str());
        throw;
    }
}

void removeAbandonedScratchFiles(const fs::path& folder)
{
    std::error_code error;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end; !error && it != end;
         it.increment(error)) {
        // SQLite's journal of a scratch history goes with it.
        std::string name = it->path().filename().string();
        if (boost::algorithm::ends_with(name, "-journal"))
            name.resize(name.size() - 8);
        const pid_t owner = scratchOwner(it->path().parent_path(), name);
        if (owner <= 0 || owner == ::getpid())
            continue;
        // A process of another user answers EPERM: it is alive.
        if (::kill(owner, 0) == 0 || errno != ESRCH)
            continue;
        struct stat st;
        if (::lstat(it->path().c_str(), &st) == 0 && (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)))
            ::unlink(it->path().c_str());
    }
}

void checkChangeable(const fs::path& file, const std::string& action)
{
    struct stat st;
    if (::lstat(file.c_str(), &st) != 0) {
        if (errno == ENOENT)
            return;
        throwIoError(file, action);
    }
    if (S_ISLNK(st.st_mode))
        throwIoError(file, action, LinkReason);
    if (S_ISREG(st.st_mode) && !writable(file, st))
        throwIoError(file, action);
}

void appendToFile(const fs::path& file, const std::string& bytes)
{
    const std::string action = "open for appending";
    checkChangeable(file, action);
    // O_NONBLOCK: opening a FIFO in the file's place fails instead of hanging.
    Fd fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0644));
    if (fd.get() < 0)
        throwOpenError(file, action);
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        throwIoError(file, action);
    try {
        writeAll(fd.get(), file, bytes);
    } catch (...) {
        // No half line stays behind; the callers hold the folder's lock, so
        // nobody else has appended meanwhile.
        if (S_ISREG(st.st_mode) && ::ftruncate(fd.get(), st.st_size) != 0) {
        }
        throw;
    }
    closeChecked(fd, file);
}

void appendRecord(const fs::path& file, const std::string& record)
{
    struct stat st;
    const bool existed = ::lstat(file.c_str(), &st) == 0;
    if (!existed && errno != ENOENT)
        throwIoError(file, "open");
    const std::string action = existed ? "open" : "create";
    checkChangeable(file, action);
    Fd fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0644));
    if (fd.get() < 0)
        throwOpenError(file, action);
    if (::fstat(fd.get(), &st) != 0)
        throwIoError(file, action);
    if (!S_ISREG(st.st_mode))
        throwIoError(file, action, "the file is not a regular file");
    const off_t recordSize = static_cast<off_t>(record.size());
    const off_t whole = recordSize > 0 ? st.st_size - st.st_size % recordSize : st.st_size;
    try {
        if (whole != st.st_size && ::ftruncate(fd.get(), whole) != 0)
            throwIoError(file, "write");
        writeAll(fd.get(), file, record);
        if (flushFunction(fd.get()) != 0)
            throwIoError(file, "flush");
    } catch (...) {
        // The record is either stored and reported, or gone: a caller that
        // reports a failure must not leave it behind.
        if (::ftruncate(fd.get(), whole) != 0) {
        }
        if (!existed)
            ::unlink(file.c_str());
        throw;
    }
    ::close(fd.release()); // the flush has reported any write error
    if (!existed)
        flushFolder(file);
}

void overwriteAt(const fs::path& file, long long offset, const std::string& bytes)
{
    checkChangeable(file, "open");
    Fd fd(::open(file.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        throwOpenError(file, "open");
    const char* p = bytes.data();
    size_t left = bytes.size();
    off_t at = static_cast<off_t>(offset);
    while (left > 0) {
        const ssize_t done = ::pwrite(fd.get(), p, left, at);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            if (done == 0)
                errno = EIO;
            throwIoError(file, "write");
        }
        p += done;
        at += done;
        left -= static_cast<size_t>(done);
    }
    if (flushFunction(fd.get()) != 0)
        throwIoError(file, "flush");
    ::close(fd.release());
}

} // namespace quor3
