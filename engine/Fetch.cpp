#include "engine/Fetch.h"

#include "engine/Text.h"

namespace quor3
{

namespace
{

using Reason = DownloadResult::Reason;

[[noreturn]] void fail(const std::string& address, const std::string& reason)
{
    throw Error(Error::Kind::InputOutput, fill(translate("quor3::Fetch", "Cannot fetch \"%1\": %2"),
                                               {address, translate("quor3::Fetch", reason.c_str())}));
}

std::string megabytes(std::size_t bytes)
{
    const std::size_t mb = 1024 * 1024;
    return bytes % mb == 0 ? std::to_string(bytes / mb) + " MB" : std::to_string(bytes) + " bytes";
}

// A local file's failure, as the engine words a file it cannot open or read.
std::string localFileReason(const DownloadResult& result)
{
    try {
        throwIoError(result.path, result.reason == Reason::LocalOpen ? "open" : "read", result.detail);
    } catch (const Error& e) {
        return e.what();
    }
}

std::string reasonFor(const DownloadResult& result, const FetchOptions& options)
{
    const std::string& said = result.detail;
    switch (result.reason) {
    case Reason::None:
    case Reason::Other: return said;
    case Reason::NoAddress: return QT_TRANSLATE_NOOP("quor3::Fetch", "no address is set");
    case Reason::NotFetchable:
        return QT_TRANSLATE_NOOP("quor3::Fetch", "only http, https and local files can be fetched");
    case Reason::LibraryDidNotStart: return QT_TRANSLATE_NOOP("quor3::Fetch", "the download library could not start");
    case Reason::TooLarge:
        return fill(translate("quor3::Fetch", "the file is larger than %1"), {megabytes(options.maxBodyBytes)});
    case Reason::NameNotFound: return fill(translate("quor3::Fetch", "the name was not found (%1)"), {said});
    case Reason::ConnectionFailed:
        return fill(translate("quor3::Fetch", "the connection was refused or the network is down (%1)"), {said});
    case Reason::TimedOut: return fill(translate("quor3::Fetch", "no complete answer in time (%1)"), {said});
    case Reason::CutShort:
        return fill(translate("quor3::Fetch", "the connection ended before the whole file arrived (%1)"), {said});
    case Reason::RedirectNotHttp:
        return fill(translate("quor3::Fetch", "it leads to an address that is not http or https (%1)"), {said});
    case Reason::TooManyRedirects:
        return fill(translate("quor3::Fetch", "more than %1 redirects"), {std::to_string(options.maxRedirects)});
    case Reason::CertificateFailed:
        return fill(
            translate("quor3::Fetch",
                      "the secure connection failed: the server's certificate is not trusted or not valid (%1)"),
            {said});
    case Reason::ServerAnswered: return fill(translate("quor3::Fetch", "the server answered %1"), {said});
    case Reason::LocalOpen:
    case Reason::LocalRead: return localFileReason(result);
    }
    return said;
}

} // namespace

FetchedFile fetchThrough(Downloader download, const std::string& address, const FetchOptions& options)
{
    DownloadResult result = download(address, options);
    switch (result.outcome) {
    case DownloadResult::Outcome::Cancelled: throw FetchCancelled(address);
    case DownloadResult::Outcome::Failed: fail(address, reasonFor(result, options));
    case DownloadResult::Outcome::Ok:
    case DownloadResult::Outcome::NotModified: break;
    }
    FetchedFile file;
    file.notModified = result.outcome == DownloadResult::Outcome::NotModified;
    file.body = std::move(result.body);
    file.etag = std::move(result.etag);
    file.lastModified = std::move(result.lastModified);
    return file;
}

} // namespace quor3
