#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace quor3
{

// The download itself, with libcurl: http, https, or a local file (a path or a
// file:// address). A plain layer that uses nothing else of the engine, so that
// the program's download module (quor3-fetch.so) carries it and libcurl alone:
// it reports what happened and the engine's fetchFile (Fetch.h) words it.

struct DownloadOptions {
    std::chrono::milliseconds connectTimeout{10000};
    std::chrono::milliseconds transferTimeout{60000}; // the whole transfer, redirects included
    long maxRedirects = 5;
    std::size_t maxBodyBytes = 20u * 1024u * 1024u;
    // Certificates are always verified; empty means the system's store. Tests
    // point it at the authority of a certificate they made.
    std::string caFile;
    // From the last fetch: sent as If-None-Match / If-Modified-Since.
    std::string etag;
    std::string lastModified;
    // Set from another thread to stop the download.
    const std::atomic<bool>* cancel = nullptr;
    // Bytes received so far and the size announced (0 when unknown).
    std::function<void(long long received, long long total)> progress;
};

struct DownloadResult {
    enum class Outcome { Ok, NotModified, Cancelled, Failed };
    // Why it failed; `detail` holds what the reason is worded with.
    enum class Reason {
        None,
        NoAddress,    // blank
        NotFetchable, // a scheme other than http, https or file
        LibraryDidNotStart,
        TooLarge,          // more than maxBodyBytes
        NameNotFound,      // detail: libcurl's message
        ConnectionFailed,  // refused or no network; detail: libcurl's message
        TimedOut,          // detail: libcurl's message
        CutShort,          // detail: libcurl's message
        RedirectNotHttp,   // detail: libcurl's message
        TooManyRedirects,  // more than maxRedirects
        CertificateFailed, // detail: libcurl's message
        ServerAnswered,    // detail: the status and its text, "404 Not Found"
        LocalOpen,         // the local file at `path` could not be opened; detail: the system's reason
        LocalRead,         // ... or read; detail: the system's reason
        Other,             // detail: libcurl's message, as it is
    };
    Outcome outcome = Outcome::Ok;
    Reason reason = Reason::None;
    std::string detail;
    std::string path; // of a local file
    std::string body; // empty unless Ok
    std::string etag; // as the server sent them, for the next conditional request
    std::string lastModified;
};

// Never raises for a failure: it is in the result.
DownloadResult download(const std::string& address, const DownloadOptions& options);

// download, or the same out of the download module.
using Downloader = DownloadResult (*)(const std::string& address, const DownloadOptions& options);

// True for an address that is read from the disk rather than the network.
bool isLocalAddress(const std::string& address);

} // namespace quor3
