// The backtest of a 731-draw database against one full rebuild to files of
// the same database, side by side: the backtest makes the choices of 730
// rebuilds in memory and must stay within five rebuilds, so that its window
// opens without a wait. The fairness check runs alongside for its own window.

#include "engine/Backtest.h"
#include "engine/DataFiles.h"
#include "engine/Fairness.h"
#include "engine/Rebuild.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <unistd.h>

namespace
{

class QuietStatus : public quor3::StatusSink
{
  public:
    void setStatusText(int, const std::string&) override {}
};

std::vector<quor3::DrawRecord> fullDatabase(int count = quor3::MaxDraws)
{
    std::mt19937 generator(2002);
    std::vector<quor3::DrawRecord> draws;
    for (int i = 0; i < count; ++i) {
        quor3::DrawRecord r;
        r.DrawDate = 37257 + i;
        r.Digit1 = static_cast<std::int32_t>(generator() % 10);
        r.Digit2 = static_cast<std::int32_t>(generator() % 10);
        r.Digit3 = static_cast<std::int32_t>(generator() % 10);
        draws.push_back(r);
    }
    return draws;
}

quor3::fs::path makeFolder()
{
    char templ[] = "/tmp/quor3-bench-XXXXXX";
    const char* made = mkdtemp(templ);
    if (!made)
        std::abort();
    const quor3::fs::path folder(made);
    quor3::writeWholeFile(folder / "full.c3d", quor3::encodeDraws(fullDatabase()));
    return folder;
}

void BM_RebuildToFiles731(benchmark::State& state)
{
    const auto folder = makeFolder();
    QuietStatus status;
    quor3::ReproducibleDigits digits(quor3::DefaultBacktestSeed, 731);
    for (auto _ : state)
        quor3::rebuildStatistics(folder, "full.c3d", quor3::FirstPanels::TotalAndLastDate, status, digits);
    quor3::fs::remove_all(folder);
}
BENCHMARK(BM_RebuildToFiles731)->Unit(benchmark::kMicrosecond);

// What the window and the command do: read the database, then the backtest.
void BM_Backtest731(benchmark::State& state)
{
    const auto folder = makeFolder();
    for (auto _ : state) {
        const auto draws = quor3::readDraws(folder / "full.c3d");
        benchmark::DoNotOptimize(quor3::backtest(draws));
    }
    quor3::fs::remove_all(folder);
}
BENCHMARK(BM_Backtest731)->Unit(benchmark::kMicrosecond);

// An imported history of 100,000 draws: the window runs this in the
// background; it should stay well under a second.
void BM_Backtest100000(benchmark::State& state)
{
    const auto draws = fullDatabase(100000);
    for (auto _ : state)
        benchmark::DoNotOptimize(quor3::backtest(draws));
}
BENCHMARK(BM_Backtest100000)->Unit(benchmark::kMillisecond);

void BM_Fairness731(benchmark::State& state)
{
    const auto folder = makeFolder();
    for (auto _ : state) {
        const auto draws = quor3::readDraws(folder / "full.c3d");
        benchmark::DoNotOptimize(quor3::checkFairness(draws));
    }
    quor3::fs::remove_all(folder);
}
BENCHMARK(BM_Fairness731)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
