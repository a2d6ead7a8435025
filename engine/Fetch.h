#pragma once

#include "engine/Errors.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace quor3
{

// Fetching a results file from the address a player gave: http, https, or a
// local file (a path or a file:// address) that the player keeps up to date.

struct FetchOptions {
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
    // Set from another thread to stop the fetch; it then raises FetchCancelled.
    const std::atomic<bool>* cancel = nullptr;
    // Bytes received so far and the size announced (0 when unknown).
    std::function<void(long long received, long long total)> progress;
};

struct FetchedFile {
    bool notModified = false; // the server answered 304: nothing new, no body
    std::string body;
    std::string etag; // as the server sent them, for the next conditional request
    std::string lastModified;
};

// "https://...", "http://...", "file:///...", or a path. Raises quor3::Error
// "Cannot fetch "ADDRESS": REASON" for an address of another scheme, no
// network, a name not found, a refused connection, a timeout, an HTTP answer
// of 400 or more, a certificate that is not trusted, a body larger than the
// limit, or a redirect to anything but http or https.
FetchedFile fetchFile(const std::string& address, const FetchOptions& options = {});

// fetchFile, or a stand-in for it: the program calls it through a module of
// its own, so that libcurl is loaded only when results are fetched.
using FileFetcher = FetchedFile (*)(const std::string& address, const FetchOptions& options);

// True for an address that is read from the disk rather than the network.
bool isLocalAddress(const std::string& address);

// Raised when the cancel flag stopped a fetch.
class FetchCancelled : public Error
{
  public:
    explicit FetchCancelled(const std::string& address)
        : Error(Kind::InputOutput, "The fetch of \"" + address + "\" was cancelled; nothing changed.")
    {
    }
};

} // namespace quor3
