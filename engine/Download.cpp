#include "engine/Download.h"

#include <curl/curl.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

#ifndef QUOR3_VERSION
#define QUOR3_VERSION "0"
#endif

namespace quor3
{

namespace
{

using Outcome = DownloadResult::Outcome;
using Reason = DownloadResult::Reason;

DownloadResult failed(Reason reason, std::string detail = {})
{
    DownloadResult result;
    result.outcome = Outcome::Failed;
    result.reason = reason;
    result.detail = std::move(detail);
    return result;
}

DownloadResult cancelled()
{
    DownloadResult result;
    result.outcome = Outcome::Cancelled;
    return result;
}

bool startsWithNoCase(const std::string& text, const std::string& prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i])
            return false;
    return true;
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

struct Transfer {
    const DownloadOptions* options = nullptr;
    DownloadResult* result = nullptr;
    bool tooLarge = false;
    std::string statusLine; // of the last answer; redirects pass through several
};

size_t onBody(char* data, size_t size, size_t count, void* user)
{
    auto* t = static_cast<Transfer*>(user);
    const std::size_t n = size * count;
    // Counted after decompression, so a small compressed body cannot unpack
    // into more than the limit either.
    if (t->result->body.size() + n > t->options->maxBodyBytes) {
        t->tooLarge = true;
        return 0;
    }
    t->result->body.append(data, n);
    return n;
}

size_t onHeader(char* data, size_t size, size_t count, void* user)
{
    auto* t = static_cast<Transfer*>(user);
    const std::size_t n = size * count;
    const std::string line(data, n);
    if (startsWithNoCase(line, "http/")) {
        // A new answer (after a redirect): only the last one's validators count.
        t->statusLine = trimmed(line);
        t->result->etag.clear();
        t->result->lastModified.clear();
    } else if (startsWithNoCase(line, "etag:")) {
        t->result->etag = trimmed(line.substr(5));
    } else if (startsWithNoCase(line, "last-modified:")) {
        t->result->lastModified = trimmed(line.substr(14));
    }
    return n;
}

int onProgress(void* user, curl_off_t total, curl_off_t received, curl_off_t, curl_off_t)
{
    auto* t = static_cast<Transfer*>(user);
    if (t->options->cancel && t->options->cancel->load())
        return 1;
    if (t->options->progress)
        t->options->progress(static_cast<long long>(received), static_cast<long long>(total));
    return 0;
}

void initialiseOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::string localPath(const std::string& address)
{
    if (!startsWithNoCase(address, "file://"))
        return address;
    std::string rest = address.substr(7);
    if (startsWithNoCase(rest, "localhost/"))
        rest = rest.substr(9);
    int length = 0;
    char* decoded = curl_easy_unescape(nullptr, rest.c_str(), static_cast<int>(rest.size()), &length);
    std::string path(decoded ? std::string(decoded, static_cast<std::size_t>(length)) : rest);
    curl_free(decoded);
    return path;
}

std::string systemReason()
{
    const int code = errno;
    return code ? std::strerror(code) : "input/output error";
}

// Read as the engine reads every file: a FIFO does not block the open, a device
// or a pipe is refused, since it has no end to read to.
DownloadResult readLocal(const std::string& address, const DownloadOptions& options)
{
    if (options.cancel && options.cancel->load())
        return cancelled();
    const std::string path = localPath(address);
    auto fail = [&path](Reason reason, std::string detail) {
        DownloadResult result = failed(reason, std::move(detail));
        result.path = path;
        return result;
    };
    struct stat st;
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<unsigned long long>(st.st_size) > options.maxBodyBytes)
        return failed(Reason::TooLarge);

    struct Fd {
        int fd;
        ~Fd()
        {
            if (fd >= 0)
                ::close(fd);
        }
    } fd{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (fd.fd < 0)
        return fail(Reason::LocalOpen, systemReason());
    if (::fstat(fd.fd, &st) != 0)
        return fail(Reason::LocalRead, systemReason());
    if (S_ISDIR(st.st_mode))
        return fail(Reason::LocalRead, std::strerror(EISDIR));
    if (!S_ISREG(st.st_mode))
        return fail(Reason::LocalRead, "it is not a regular file");
    const int flags = ::fcntl(fd.fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd.fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return fail(Reason::LocalRead, systemReason());
    DownloadResult result;
    std::string& bytes = result.body;
    // One byte to spare: the read that finds the end needs room.
    bytes.resize(st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1 : 0);
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size())
            bytes.resize(bytes.size() + 4096);
        const ssize_t n = ::read(fd.fd, &bytes[got], bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(Reason::LocalRead, systemReason());
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    if (options.progress)
        options.progress(static_cast<long long>(got), static_cast<long long>(got));
    return result;
}

DownloadResult failure(CURLcode code, const char* detail, const Transfer& t)
{
    std::string said = detail[0] ? std::string(detail) : std::string(curl_easy_strerror(code));
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY: return failed(Reason::NameNotFound, std::move(said));
    case CURLE_COULDNT_CONNECT: return failed(Reason::ConnectionFailed, std::move(said));
    case CURLE_OPERATION_TIMEDOUT: return failed(Reason::TimedOut, std::move(said));
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING: return failed(Reason::CutShort, std::move(said));
    case CURLE_WRITE_ERROR:
    case CURLE_FILESIZE_EXCEEDED:
        if (t.tooLarge || code == CURLE_FILESIZE_EXCEEDED)
            return failed(Reason::TooLarge);
        return failed(Reason::Other, std::move(said));
    case CURLE_UNSUPPORTED_PROTOCOL: return failed(Reason::RedirectNotHttp, std::move(said));
    case CURLE_TOO_MANY_REDIRECTS: return failed(Reason::TooManyRedirects);
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CONNECT_ERROR: return failed(Reason::CertificateFailed, std::move(said));
    default: return failed(Reason::Other, std::move(said));
    }
}

} // namespace

bool isLocalAddress(const std::string& address)
{
    return startsWithNoCase(address, "file://") || address.find("://") == std::string::npos;
}

DownloadResult download(const std::string& address, const DownloadOptions& options)
{
    if (trimmed(address).empty())
        return failed(Reason::NoAddress);
    if (isLocalAddress(address))
        return readLocal(address, options);
    if (!startsWithNoCase(address, "http://") && !startsWithNoCase(address, "https://"))
        return failed(Reason::NotFetchable);

    initialiseOnce();
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl)
        return failed(Reason::LibraryDidNotStart);
    CURL* h = curl.get();
    DownloadResult result;
    Transfer t;
    t.options = &options;
    t.result = &result;
    char detail[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(h, CURLOPT_URL, address.c_str());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, options.maxRedirects);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(options.connectTimeout.count()));
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(options.transferTimeout.count()));
    curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(options.maxBodyBytes));
    curl_easy_setopt(h, CURLOPT_ACCEPT_ENCODING, ""); // every encoding libcurl can unpack
    curl_easy_setopt(h, CURLOPT_USERAGENT, "Quor3/" QUOR3_VERSION);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!options.caFile.empty())
        curl_easy_setopt(h, CURLOPT_CAINFO, options.caFile.c_str());
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L); // runs off the GUI thread
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, detail);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &onBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, &onHeader);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &onProgress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);

    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headers(nullptr, &curl_slist_free_all);
    auto addHeader = [&headers](const std::string& line) {
        if (curl_slist* grown = curl_slist_append(headers.get(), line.c_str())) {
            headers.release();
            headers.reset(grown);
        }
    };
    if (!options.etag.empty())
        addHeader("If-None-Match: " + options.etag);
    if (!options.lastModified.empty())
        addHeader("If-Modified-Since: " + options.lastModified);
    if (headers)
        curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());

    const CURLcode code = curl_easy_perform(h);
    if (code == CURLE_ABORTED_BY_CALLBACK)
        return cancelled();
    if (code != CURLE_OK)
        return failure(code, detail, t);
    long status = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
    if (status == 304) {
        result.outcome = Outcome::NotModified;
        result.body.clear();
        return result;
    }
    if (status < 200 || status >= 300) {
        // "HTTP/1.1 404 Not Found" -> "404 Not Found"
        const auto blank = t.statusLine.find(' ');
        return failed(Reason::ServerAnswered,
                      blank == std::string::npos ? std::to_string(status) : t.statusLine.substr(blank + 1));
    }
    return result;
}

} // namespace quor3
