#include "entry/FetchModule.h"

#include "platform/Module.h"

#include <QCoreApplication>

// Defined by the module, and by test programs that link the download in.
extern "C" quor3::Downloader quor3Downloader() __attribute__((weak));

namespace FetchModule
{

namespace
{

quor3::Downloader load()
{
    if (quor3Downloader)
        return quor3Downloader();
    using EntryPoint = quor3::Downloader (*)();
    return reinterpret_cast<EntryPoint>(
        Module::function("quor3-fetch.so", "quor3Downloader",
                         QCoreApplication::translate("FetchModule", "the download").toStdString()))();
}

} // namespace

quor3::FetchedFile fetchFile(const std::string& address, const quor3::FetchOptions& options)
{
    // Loaded once, by whichever thread fetches first; a failure is raised,
    // and the next fetch tries again.
    static const quor3::Downloader download = load();
    return quor3::fetchThrough(download, address, options);
}

} // namespace FetchModule
