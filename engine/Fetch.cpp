#include "engine/Fetch.h"

#include "engine/FileIo.h"
#include "engine/Text.h"

#include <curl/curl.h>

#include <cctype>
#include <memory>
#include <mutex>

#ifndef QUOR3_VERSION
#define QUOR3_VERSION "0"
#endif

namespace quor3
{

namespace
{

[[noreturn]] void fail(const std::string& address, const std::string& reason)
{
    throw Error(Error::Kind::InputOutput, fill(translate("quor3::Fetch", "Cannot fetch \"%1\": %2"),
                                               {address, translate("quor3::Fetch", reason.c_str())}));
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

std::string megabytes(std::size_t bytes)
{
    const std::size_t mb = 1024 * 1024;
    return bytes % mb == 0 ? std::to_string(bytes / mb) + " MB" : std::to_string(bytes) + " bytes";
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

struct Transfer {
    const FetchOptions* options = nullptr;
    FetchedFile* result = nullptr;
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

FetchedFile readLocal(const std::string& address, const FetchOptions& options)
{
    if (options.cancel && options.cancel->load())
        throw FetchCancelled(address);
    const fs::path path = localPath(address);
    std::error_code error;
    const auto size = fs::file_size(path, error);
    if (!error && size > options.maxBodyBytes)
        fail(address, fill(translate("quor3::Fetch", "the file is larger than %1"), {megabytes(options.maxBodyBytes)}));
    FetchedFile result;
    try {
        result.body = readWholeFile(path);
    } catch (const Error& e) {
        fail(address, e.what());
    }
    if (options.progress)
        options.progress(static_cast<long long>(result.body.size()), static_cast<long long>(result.body.size()));
    return result;
}

std::string reasonFor(CURLcode code, const char* detail, const Transfer& t, const FetchOptions& options)
{
    const std::string said = detail[0] ? std::string(detail) : std::string(curl_easy_strerror(code));
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY: return fill(translate("quor3::Fetch", "the name was not found (%1)"), {said});
    case CURLE_COULDNT_CONNECT:
        return fill(translate("quor3::Fetch", "the connection was refused or the network is down (%1)"), {said});
    case CURLE_OPERATION_TIMEDOUT: return fill(translate("quor3::Fetch", "no complete answer in time (%1)"), {said});
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        return fill(translate("quor3::Fetch", "the connection ended before the whole file arrived (%1)"), {said});
    case CURLE_WRITE_ERROR:
    case CURLE_FILESIZE_EXCEEDED:
        if (t.tooLarge || code == CURLE_FILESIZE_EXCEEDED)
            return fill(translate("quor3::Fetch", "the file is larger than %1"), {megabytes(options.maxBodyBytes)});
        return said;
    case CURLE_UNSUPPORTED_PROTOCOL:
        return fill(translate("quor3::Fetch", "it leads to an address that is not http or https (%1)"), {said});
    case CURLE_TOO_MANY_REDIRECTS:
        return fill(translate("quor3::Fetch", "more than %1 redirects"), {std::to_string(options.maxRedirects)});
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CONNECT_ERROR:
        return fill(
            translate("quor3::Fetch",
                      "the secure connection failed: the server's certificate is not trusted or not valid (%1)"),
            {said});
    default: return said;
    }
}

} // namespace

bool isLocalAddress(const std::string& address)
{
    return startsWithNoCase(address, "file://") || address.find("://") == std::string::npos;
}

FetchedFile fetchFile(const std::string& address, const FetchOptions& options)
{
    if (trimmed(address).empty())
        fail(address, QT_TRANSLATE_NOOP("quor3::Fetch", "no address is set"));
    if (isLocalAddress(address))
        return readLocal(address, options);
    if (!startsWithNoCase(address, "http://") && !startsWithNoCase(address, "https://"))
        fail(address, QT_TRANSLATE_NOOP("quor3::Fetch", "only http, https and local files can be fetched"));

    initialiseOnce();
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl)
        fail(address, QT_TRANSLATE_NOOP("quor3::Fetch", "the download library could not start"));
    CURL* h = curl.get();
    FetchedFile result;
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
        throw FetchCancelled(address);
    if (code != CURLE_OK)
        fail(address, reasonFor(code, detail, t, options));
    long status = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
    if (status == 304) {
        result.notModified = true;
        result.body.clear();
        return result;
    }
    if (status < 200 || status >= 300) {
        // "HTTP/1.1 404 Not Found" -> "404 Not Found"
        const auto blank = t.statusLine.find(' ');
        const std::string said = blank == std::string::npos ? std::to_string(status) : t.statusLine.substr(blank + 1);
        fail(address, fill(translate("quor3::Fetch", "the server answered %1"), {said}));
    }
    return result;
}

} // namespace quor3
