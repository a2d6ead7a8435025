// The translation is read on the fetch's worker thread while the user may
// change the language on the GUI thread. ./test.sh runs this under
// ThreadSanitizer, which reports any unguarded access; here it checks that
// every text comes out whole, in one language or the other.

#include "engine/Text.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

TEST(TextThreads, TranslatingOnAWorkerWhileTheLanguageChangesKeepsEachTextWhole)
{
    // A translator that owns data of its own, as the program's does, so that
    // replacing it frees what a reader might still be using.
    const std::string prefix(64, '[');
    const quor3::Translator bracketing = [prefix](const char*, const char* text) { return prefix + text; };
    std::atomic<bool> stop{false};
    std::atomic<long long> broken{0}, read{0};
    std::vector<std::thread> workers;
    for (int i = 0; i < 3; ++i)
        workers.emplace_back([&] {
            while (!stop.load()) {
                const std::string text = quor3::translate("quor3::Fetch", "up to date");
                if (text != "up to date" && text != prefix + "up to date")
                    ++broken;
                ++read;
            }
        });
    for (int i = 0; i < 3000 || read.load() < 1000; ++i)
        quor3::setTranslator(i % 2 ? bracketing : quor3::Translator());
    stop = true;
    for (std::thread& worker : workers)
        worker.join();
    quor3::setTranslator(nullptr);
    EXPECT_EQ(broken.load(), 0);
}
