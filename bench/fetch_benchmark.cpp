// Fetching a results file of 30,000 lines from a server on this machine and
// adding its new draws, beside importing the same file from disk: the fetch
// must cost at most twice the import. Two cases: an empty database (both fill
// it with the newest 731 draws), and a database that lacks only the file's
// last three draws (the fetch adds them as three entries, the import merges
// them). The ratios of the median wall times are printed at the end.

#include "engine/Backups.h"
#include "engine/Dates.h"
#include "engine/FileIo.h"
#include "engine/Import.h"
#include "engine/NewResults.h"
#include "engine/Rebuild.h"

#include "TestHttpServer.h"

#include "MedianReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <random>

namespace
{

constexpr int Lines = 30000;

class NoStatus : public quor3::StatusSink
{
  public:
    void setStatusText(int, const std::string&) override {}
};

struct Setup {
    std::string text;
    std::vector<quor3::DrawRecord> draws;
    quor3::fs::path folder;
    Setup()
    {
        std::mt19937 generator(2026);
        text = "Draw Date,Ball 1,Ball 2,Ball 3\n";
        const double first = quor3::encodeDate(1940, 1, 1);
        char line[64];
        for (int i = 0; i < Lines - 1; ++i) {
            const quor3::CivilDate d = quor3::decodeDate(first + i);
            quor3::DrawRecord r;
            r.DrawDate = first + i;
            r.Digit1 = static_cast<int>(generator() % 10);
            r.Digit2 = static_cast<int>(generator() % 10);
            r.Digit3 = static_cast<int>(generator() % 10);
            draws.push_back(r);
            std::snprintf(line, sizeof line, "%d/%d/%d,%d,%d,%d\n", d.month, d.day, d.year, r.Digit1, r.Digit2,
                          r.Digit3);
            text += line;
        }
        char templ[] = "/tmp/quor3-bench-XXXXXX";
        folder = mkdtemp(templ);
        quor3::writeWholeFile(folder / "results.csv", text);
    }
    ~Setup() { quor3::fs::remove_all(folder); }
    // Empty (0), or every draw of the file but the last three (1), with its rebuild.
    void prepare(int kind) const
    {
        for (const char* f : {"ga.c3d", "quor3 winners.txt"})
            quor3::fs::remove(folder / f);
        quor3::fs::remove_all(folder / quor3::BackupFolderName);
        if (kind == 1) {
            const std::vector<quor3::DrawRecord> kept(draws.end() - 731 - 3, draws.end() - 3);
            quor3::writeWholeFile(folder / "ga.c3d", quor3::encodeDraws(kept));
            NoStatus status;
            quor3::rebuildStatistics(folder, "ga.c3d", quor3::FirstPanels::TotalAndLastDate, status);
        }
    }
};

const Setup& setup()
{
    static const Setup s;
    return s;
}

void BM_ImportFromDisk(benchmark::State& state)
{
    const Setup& s = setup();
    for (auto _ : state) {
        state.PauseTiming();
        s.prepare(static_cast<int>(state.range(0)));
        state.ResumeTiming();
        const quor3::ImportScan scan = quor3::importDraws(quor3::readWholeFile(s.folder / "results.csv"));
        const quor3::ChosenDraws chosen = quor3::chooseDraw(scan, "");
        quor3::storeImport(s.folder, "ga.c3d", chosen.draws, quor3::ImportMode::Merge);
        NoStatus status;
        quor3::rebuildStatistics(s.folder, "ga.c3d", quor3::FirstPanels::TotalAndLastDate, status);
    }
}
BENCHMARK(BM_ImportFromDisk)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FetchAndAdd(benchmark::State& state)
{
    const Setup& s = setup();
    TestHttpServer server([&s](const std::string&) { return TestHttpServer::reply(200, "OK", s.text); });
    quor3::ResultsSource source;
    source.address = server.url("/results.csv");
    for (auto _ : state) {
        state.PauseTiming();
        s.prepare(static_cast<int>(state.range(0)));
        state.ResumeTiming();
        NoStatus status;
        const quor3::NewResultsOutcome outcome =
            quor3::fetchNewResults(s.folder / "quor3.ini", s.folder, "ga.c3d", source, {}, status);
        if (outcome.added != (state.range(0) == 0 ? 731 : 3))
            state.SkipWithError("the fetch added another number of draws");
    }
}
BENCHMARK(BM_FetchAndAdd)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    initializeForMedians(argc, argv, 10);
    MedianReporter reporter(MedianReporter::Wall);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const char* cases[2] = {"an empty database", "three new draws"};
    for (int kind = 0; kind < 2; ++kind) {
        const auto floor = reporter.seconds.find("BM_ImportFromDisk/" + std::to_string(kind) + "/real_time");
        const auto fetch = reporter.seconds.find("BM_FetchAndAdd/" + std::to_string(kind) + "/real_time");
        if (floor == reporter.seconds.end() || fetch == reporter.seconds.end() || floor->second <= 0)
            continue;
        const double ratio = fetch->second / floor->second;
        std::cout << "fetch " << kind << " (" << cases[kind] << "): fetch and add / import from disk = " << ratio
                  << (ratio <= 2.0 ? " (within 2)" : " (ABOVE 2)") << '\n';
    }
    benchmark::Shutdown();
}
