// Importing a results file of 100,000 lines beside its floor, reading the
// same file and splitting it into lines: the import must stay within three
// times the floor, so that no file a player has takes a noticeable time. Three
// layouts: plain comma-separated (0), and a results site's quoted lines with a
// written-out date, newest first, with two draws a day (1) or one (2). The
// ratios of the median times are printed at the end.

#include "engine/DataFiles.h"
#include "engine/Dates.h"
#include "engine/FileIo.h"
#include "engine/Import.h"

#include "MedianReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <unistd.h>

namespace
{

constexpr int Lines = 100000;

const char* const monthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                    "July",    "August",   "September", "October", "November", "December"};
const char* const dayNames[7] = {"Saturday", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};

std::string resultsFile(int layout)
{
    std::mt19937 generator(2002);
    std::string text = layout == 0 ? "Draw Date,Ball 1,Ball 2,Ball 3,Fireball\n"
                                   : "\"Game\",\"Draw Date\",\"Winning Numbers\",\"Fireball\"\n";
    const double first = quor3::encodeDate(1900, 1, 1);
    char line[160];
    for (int i = 1; i < Lines; ++i) {
        const int a = static_cast<int>(generator() % 10), b = static_cast<int>(generator() % 10),
                  c = static_cast<int>(generator() % 10), bonus = static_cast<int>(generator() % 10);
        if (layout == 0) {
            const quor3::CivilDate d = quor3::decodeDate(first + i);
            std::snprintf(line, sizeof line, "%d/%d/%d,%d,%d,%d,%d\n", d.month, d.day, d.year, a, b, c, bonus);
        } else {
            // Newest first, the evening draw above the midday one.
            const double day = first + (layout == 1 ? (Lines - i) / 2 : Lines - i);
            const quor3::CivilDate d = quor3::decodeDate(day);
            std::snprintf(line, sizeof line, "\"Pick 3 %s\",\"%s, %s %d, %d\",\"%d,%d,%d\",\"%d\"\n",
                          layout == 2 ? ""
                          : i % 2     ? "Evening"
                                      : "Midday",
                          dayNames[static_cast<long long>(day) % 7], monthNames[d.month - 1], d.day, d.year, a, b, c,
                          bonus);
        }
        text += line;
    }
    return text;
}

struct File {
    quor3::fs::path folder;
    quor3::fs::path path;
};

File makeFile(int layout)
{
    char templ[] = "/tmp/quor3-bench-XXXXXX";
    const char* made = mkdtemp(templ);
    if (!made)
        std::abort();
    File file{made, quor3::fs::path(made) / "results.csv"};
    quor3::writeWholeFile(file.path, resultsFile(layout));
    return file;
}

void BM_ReadAndSplitLines(benchmark::State& state)
{
    const File file = makeFile(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(quor3::splitLines(quor3::readWholeFile(file.path)));
    quor3::fs::remove_all(file.folder);
}
BENCHMARK(BM_ReadAndSplitLines)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_ReadAndImport(benchmark::State& state)
{
    const File file = makeFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const quor3::ImportScan scan = quor3::importDraws(quor3::readWholeFile(file.path));
        if (scan.draws.size() != Lines - 1)
            state.SkipWithError("the import lost lines");
        benchmark::DoNotOptimize(scan);
    }
    quor3::fs::remove_all(file.folder);
}
BENCHMARK(BM_ReadAndImport)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    initializeForMedians(argc, argv, 10);
    MedianReporter reporter(MedianReporter::Processor);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* layout : {"0", "1", "2"}) {
        const auto floor = reporter.seconds.find(std::string("BM_ReadAndSplitLines/") + layout);
        const auto import = reporter.seconds.find(std::string("BM_ReadAndImport/") + layout);
        if (floor == reporter.seconds.end() || import == reporter.seconds.end() || floor->second <= 0)
            continue;
        const double ratio = import->second / floor->second;
        std::cout << "layout " << layout << ": import / read and split = " << ratio
                  << (ratio <= 3.0 ? " (within 3)" : " (ABOVE 3)") << '\n';
    }
    benchmark::Shutdown();
}
