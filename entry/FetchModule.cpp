#include "entry/FetchModule.h"

#include "platform/Module.h"

#include <QCoreApplication>

// Defined by the module, and by test programs that link the download in.
extern "C" quor3::FileFetcher quor3FileFetcher() __attribute__((weak));

namespace FetchModule
{

namespace
{

quor3::FileFetcher load()
{
    if (quor3FileFetcher)
        return quor3FileFetcher();
    using EntryPoint = quor3::FileFetcher (*)();
    return reinterpret_cast<EntryPoint>(
        Module::function("quor3-fetch.so", "quor3FileFetcher",
                         QCoreApplication::translate("FetchModule", "the download").toStdString()))();
}

} // namespace

quor3::FetchedFile fetchFile(const std::string& address, const quor3::FetchOptions& options)
{
    // Loaded once, by whichever thread fetches first; a failure is raised,
    // and the next fetch tries again.
    static const quor3::FileFetcher fetch = load();
    return fetch(address, options);
}

} // namespace FetchModule
