// The entry point of the download module (see FetchModule.h).

#include "engine/Fetch.h"

extern "C" __attribute__((visibility("default"))) quor3::FileFetcher quor3FileFetcher()
{
    return &quor3::fetchFile;
}
