// The entry point of the download module (see FetchModule.h): the plain
// download alone, which uses nothing of the program.

#include "engine/Download.h"

extern "C" __attribute__((visibility("default"))) quor3::Downloader quor3Downloader()
{
    return &quor3::download;
}
