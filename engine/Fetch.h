#pragma once

#include "engine/Download.h"
#include "engine/Errors.h"

#include <string>

namespace quor3
{

// Fetching a results file from the address a player gave: http, https, or a
// local file (a path or a file:// address) that the player keeps up to date.
// The download itself is Download.h's; this words what went wrong.

using FetchOptions = DownloadOptions; // its cancel flag makes the fetch raise FetchCancelled

struct FetchedFile {
    bool notModified = false; // the server answered 304: nothing new, no body
    std::string body;
    std::string etag; // as the server sent them, for the next conditional request
    std::string lastModified;
};

// The download by `download` (linked in, or out of the program's download
// module). Raises quor3::Error "Cannot fetch "ADDRESS": REASON" for an address
// of another scheme, no network, a name not found, a refused connection, a
// timeout, an HTTP answer of 400 or more, a certificate that is not trusted, a
// body larger than the limit, or a redirect to anything but http or https;
// FetchCancelled when the cancel flag stopped it.
FetchedFile fetchThrough(Downloader download, const std::string& address, const FetchOptions& options);

// "https://...", "http://...", "file:///...", or a path, downloaded here: only
// for programs that link the download in (the library quor3_fetch); the windows
// fetch through the download module instead (entry/FetchModule.h).
inline FetchedFile fetchFile(const std::string& address, const FetchOptions& options = {})
{
    return fetchThrough(&download, address, options);
}

// fetchFile, or a stand-in for it.
using FileFetcher = FetchedFile (*)(const std::string& address, const FetchOptions& options);

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
