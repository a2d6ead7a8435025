#pragma once

#include "engine/Fetch.h"

// The download of results files (the engine's plain download, with libcurl)
// lives in a module of its own, quor3-fetch.so, loaded by the first fetch:
// libcurl and the libraries it brings would otherwise be loaded with the
// program and cost its start-up, though most runs fetch nothing. The module
// returns what happened; the engine's fetchThrough words it here.
namespace FetchModule
{

// The engine's fetchFile, with the download out of the module (a
// quor3::FileFetcher). Raises quor3::Error naming the module file when it
// cannot be loaded. Runs on any thread: the program fetches off its GUI thread.
quor3::FetchedFile fetchFile(const std::string& address, const quor3::FetchOptions& options);

} // namespace FetchModule
