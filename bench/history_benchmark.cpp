// The full history's speed targets, each beside its floor in the same run:
// - importing a results file of 100,000 draws into a database and its full
//   history against the same import into the working file alone (read the
//   file, merge its draws by date, keep the newest 731, write the file): at
//   most three times the floor, into a new database and into one that already
//   holds 731 draws;
// - the fairness check of a full history of 100,000 draws, read from it:
//   under one second;
// - opening a database of 731 draws whose history holds 100,000 against
//   opening it as before the history (its statistics rebuilt) plus one read of
//   the history's count: no more than that.
// The ratios of the median times are printed at the end.

#include "engine/Backups.h"
#include "engine/Export.h"
#include "engine/Fairness.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/Import.h"
#include "engine/Rebuild.h"

#include "MedianReporter.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <unistd.h>

namespace
{

constexpr int Draws = 100000;

std::vector<quor3::DrawRecord> manyDraws()
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
    return draws;
}

std::string resultsFile()
{
    return quor3::exportCsv(manyDraws());
}

// The newest 731 of the draws, as a database that has been in use holds them.
void writeWorkingDatabase(const quor3::fs::path& database)
{
    const std::vector<quor3::DrawRecord> draws = manyDraws();
    quor3::writeWholeFile(database, quor3::encodeDraws({draws.end() - quor3::MaxDraws, draws.end()}));
}

quor3::fs::path freshFolder()
{
    char templ[] = "/tmp/quor3-bench-XXXXXX";
    const char* made = mkdtemp(templ);
    if (!made)
        std::abort();
    return made;
}

// Arg 0: into a new database; 1: into one holding the newest 731 draws (and,
// with the full history, its history of them).
void BM_WorkingFileImport(benchmark::State& state)
{
    const std::string file = resultsFile();
    for (auto _ : state) {
        state.PauseTiming();
        const quor3::fs::path folder = freshFolder();
        if (state.range(0) == 1)
            writeWorkingDatabase(folder / "ga.c3d");
        state.ResumeTiming();
        const quor3::ChosenDraws chosen = quor3::chooseDraw(quor3::importDraws(file), "");
        const std::vector<quor3::DrawRecord> held =
            state.range(0) == 1 ? quor3::readDraws(folder / "ga.c3d") : std::vector<quor3::DrawRecord>{};
        const quor3::ImportPlan plan = quor3::planImport(held, chosen.draws, quor3::ImportMode::Merge);
        // The backup the import makes before it replaces a database.
        if (state.range(0) == 1)
            quor3::backupDatabase(folder / "ga.c3d", quor3::backupReason::Import);
        quor3::replaceFileAtomically(folder / "ga.c3d", quor3::encodeDraws(plan.draws));
        state.PauseTiming();
        quor3::fs::remove_all(folder);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WorkingFileImport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ImportWithFullHistory(benchmark::State& state)
{
    const std::string file = resultsFile();
    for (auto _ : state) {
        state.PauseTiming();
        const quor3::fs::path folder = freshFolder();
        if (state.range(0) == 1) {
            writeWorkingDatabase(folder / "ga.c3d");
            quor3::ensureHistory(folder / "ga.c3d");
        }
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
BENCHMARK(BM_ImportWithFullHistory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A database of 731 draws whose history holds 100,000, made once.
class LongHistory
{
  public:
    LongHistory() : folder_(freshFolder())
    {
        quor3::storeImport(folder_, "ga.c3d", manyDraws(), quor3::ImportMode::Merge);
    }
    ~LongHistory() { quor3::fs::remove_all(folder_); }
    const quor3::fs::path& folder() const { return folder_; }
    quor3::fs::path database() const { return folder_ / "ga.c3d"; }

  private:
    quor3::fs::path folder_;
};

void BM_FairnessOfTheFullHistory(benchmark::State& state)
{
    const LongHistory history;
    for (auto _ : state) {
        const quor3::FairnessResult result = quor3::checkFairness(quor3::readHistory(history.database()));
        if (result.draws != Draws) {
            state.SkipWithError("the fairness check missed draws");
            break;
        }
    }
}
BENCHMARK(BM_FairnessOfTheFullHistory)->Unit(benchmark::kMillisecond);

class QuietStatus : public quor3::StatusSink
{
  public:
    void setStatusText(int, const std::string&) override {}
};

class FixedDigits : public quor3::RandomDigits
{
  public:
    int nextDigit() override { return next_++ % 10; }

  private:
    int next_ = 0;
};

void BM_OpenWithFullHistory(benchmark::State& state)
{
    const LongHistory history;
    QuietStatus status;
    FixedDigits digits;
    for (auto _ : state)
        quor3::openDatabase(history.folder(), "ga.c3d", status, digits);
}
BENCHMARK(BM_OpenWithFullHistory)->Unit(benchmark::kMicrosecond);

// Opening as it was before the full history (the statistics rebuilt), plus
// one read of the history's count.
void BM_OpenFloor(benchmark::State& state)
{
    const LongHistory history;
    QuietStatus status;
    FixedDigits digits;
    const std::string file = quor3::historyFileFor(history.database()).string();
    for (auto _ : state) {
        quor3::rebuildStatistics(history.folder(), "ga.c3d", quor3::FirstPanels::TotalAndLastDate, status, digits);
        sqlite3* db = nullptr;
        sqlite3_stmt* count = nullptr;
        if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK ||
            sqlite3_prepare_v2(db, "SELECT count(*) FROM draws", -1, &count, nullptr) != SQLITE_OK ||
            sqlite3_step(count) != SQLITE_ROW || sqlite3_column_int64(count, 0) != Draws)
            state.SkipWithError("the history's count could not be read");
        sqlite3_finalize(count);
        sqlite3_close(db);
    }
}
BENCHMARK(BM_OpenFloor)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    initializeForMedians(argc, argv, 5);
    MedianReporter reporter(MedianReporter::Wall);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* arg : {"0", "1"}) {
        const double floor = reporter.seconds[std::string("BM_WorkingFileImport/") + arg];
        const double history = reporter.seconds[std::string("BM_ImportWithFullHistory/") + arg];
        if (floor > 0 && history > 0) {
            const double ratio = history / floor;
            std::cout << "import " << (arg[0] == '0' ? "into a new database" : "into a database of 731 draws")
                      << ": with the full history / working file alone = " << ratio
                      << (ratio <= 3.0 ? " (within 3)" : " (ABOVE 3)") << '\n';
        }
    }
    const double fairness = reporter.seconds["BM_FairnessOfTheFullHistory"];
    if (fairness > 0)
        std::cout << "fairness of 100,000 draws: " << fairness * 1000 << " ms"
                  << (fairness < 1.0 ? " (under 1 s)" : " (ABOVE 1 s)") << '\n';
    const double open = reporter.seconds["BM_OpenWithFullHistory"], openFloor = reporter.seconds["BM_OpenFloor"];
    if (open > 0 && openFloor > 0) {
        const double ratio = open / openFloor;
        std::cout << "open with a history of 100,000 / open before plus its count = " << ratio
                  << (ratio <= 1.0 ? " (within 1)" : " (ABOVE 1)") << '\n';
    }
    benchmark::Shutdown();
}
