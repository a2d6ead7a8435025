#include "engine/FileIo.h"

#include "engine/Errors.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quor3
{

namespace
{

RenameFunction renameFunction = &::rename;

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
        p += done;
        left -= static_cast<size_t>(done);
    }
}

void closeChecked(Fd& fd, const fs::path& file)
{
    if (::close(fd.release()) != 0)
        throwIoError(file, "write");
}

} // namespace

void setRenameFunctionForTesting(RenameFunction rename)
{
    renameFunction = rename ? rename : &::rename;
}

bool fileExists(const fs::path& file)
{
    struct stat st;
    return ::stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string readWholeFile(const fs::path& file)
{
    Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throwIoError(file, "open");
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        throwIoError(file, "read");
    if (S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        throwIoError(file, "read");
    }
    std::string bytes;
    bytes.resize(st.st_size > 0 ? static_cast<size_t>(st.st_size) : 0);
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
    Fd fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0)
        throwIoError(file, "create");
    writeAll(fd.get(), file, bytes);
    closeChecked(fd, file);
}

void appendToFile(const fs::path& file, const std::string& bytes)
{
    Fd fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
    if (fd.get() < 0)
        throwIoError(file, "open for appending");
    writeAll(fd.get(), file, bytes);
    closeChecked(fd, file);
}

void replaceFileAtomically(const fs::path& file, const fs::path& scratch, const std::string& bytes)
{
    {
        Fd fd(::open(scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
        if (fd.get() < 0)
            throwIoError(scratch, "create");
        try {
            writeAll(fd.get(), scratch, bytes);
            if (::fsync(fd.get()) != 0)
                throwIoError(scratch, "flush");
            closeChecked(fd, scratch);
        } catch (...) {
            ::unlink(scratch.c_str());
            throw;
        }
    }
    if (renameFunction(scratch.c_str(), file.c_str()) != 0) {
        const int code = errno;
        ::unlink(scratch.c_str());
        errno = code;
        throwIoError(file, "replace");
    }
    // Make the rename itself durable.
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

} // namespace quor3
