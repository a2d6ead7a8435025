// Importing a results file of 100,000 draws into a database and its full
// history beside its floor, the same import into the working file alone (read
// the file, merge its draws by date, keep the newest 731, write the file): the
// full history may cost at most three times the floor. The ratio of the median
// times is printed at the end.

#include "engine/Export.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/Import.h"

#include "MedianReporter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <unistd.h>

namespace
{

constexpr int Draws = 100000;

std::string resultsFile()
{
    std::mt19937 generator(2002);
    std::vector<quor3::DrawRecord> draws(Draws);
    for (int i = 0; i < Draws; ++i) {
        // Two draws a day, as many games have.
        draws[static_cast<std::size_t>(i)].DrawDate = 1 + i / 2;
        draws[static_cast<std::size_t>(i)].Digit1 = static_cast<int>(generator() % 10);
        draws[static_cast<std::size_t>(i)].Digit2 = static_cast<int>(generator() % 10);
        draws[static_cast<std::size_t>(i)].Digit3 = static_cast<int>(generator() % 10);
    }
    return quor3::exportCsv(draws);
}

quor3::fs::path freshFolder()
{
    char templ[] = "/tmp/quor3-bench-XXXXXX";
    const char* made = mkdtemp(templ);
    if (!made)
        std::abort();
    return made;
}

void BM_WorkingFileImport(benchmark::State& state)
{
    const std::string file = resultsFile();
    for (auto _ : state) {
        state.PauseTiming();
        const quor3::fs::path folder = freshFolder();
        state.ResumeTiming();
        const quor3::ChosenDraws chosen = quor3::chooseDraw(quor3::importDraws(file), "");
        const quor3::ImportPlan plan = quor3::planImport({}, chosen.draws, quor3::ImportMode::Merge);
        quor3::replaceFileAtomically(folder / "ga.c3d", quor3::encodeDraws(plan.draws));
        state.PauseTiming();
        quor3::fs::remove_all(folder);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WorkingFileImport)->Unit(benchmark::kMillisecond);

void BM_ImportWithFullHistory(benchmark::State& state)
{
    const std::string file = resultsFile();
    for (auto _ : state) {
        state.PauseTiming();
        const quor3::fs::path folder = freshFolder();
        state.ResumeTiming();
        const quor3::ChosenDraws chosen = quor3::chooseDraw(quor3::importDraws(file), "");
        quor3::storeImport(folder, "ga.c3d", chosen.draws, quor3::ImportMode::Merge);
        state.PauseTiming();
        const bool whole =
            quor3::summarizeHistory(folder / "ga.c3d").draws == static_cast<long long>(chosen.draws.size());
        quor3::fs::remove_all(folder);
        if (!whole) {
            state.SkipWithError("the full history lost draws");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportWithFullHistory)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    initializeForMedians(argc, argv, 5);
    MedianReporter reporter(MedianReporter::Wall);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double floor = reporter.seconds["BM_WorkingFileImport"];
    const double history = reporter.seconds["BM_ImportWithFullHistory"];
    if (floor > 0) {
        const double ratio = history / floor;
        std::cout << "import with the full history / working file alone = " << ratio
                  << (ratio <= 3.0 ? " (within 3)" : " (ABOVE 3)") << '\n';
    }
    benchmark::Shutdown();
}
