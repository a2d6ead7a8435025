// A full rebuild against its floors, on a database of 731 draws (the
// program's capacity) and on one of 100,000 (a long history, analysed whole):
// - the thirteen derived files written with the same bytes and nothing else;
// - the database read once plus those thirteen files written.

#include "engine/DataFiles.h"
#include "engine/FileIo.h"
#include "engine/Rebuild.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{

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

const char* const derived[] = {"freq.dat", "hottest.dat", "warm.dat",   "wm.dat",      "hot.dat",
                               "cold.dat", "oddeven.dat", "order.dat",  "ordinal.dat", "pair.dat",
                               "pr.dat",   "repeat.dat",  "repeats.dat"};

const char* const databaseName = "full.c3d";

// A scratch folder with a database of `draws` draws, removed at the end.
class Folder
{
  public:
    explicit Folder(int draws)
    {
        char templ[] = "/tmp/quor3-bench-XXXXXX";
        const char* made = mkdtemp(templ);
        if (!made)
            std::abort();
        path_ = made;
        std::vector<quor3::DrawRecord> records;
        records.reserve(static_cast<std::size_t>(draws));
        for (int i = 0; i < draws; ++i) {
            quor3::DrawRecord r;
            r.DrawDate = 37257 + i;
            r.Digit1 = (i * 7 + 3) % 10;
            r.Digit2 = (i * 3 + 1) % 10;
            r.Digit3 = (i * i + 5) % 10;
            records.push_back(r);
        }
        quor3::writeWholeFile(path_ / databaseName, quor3::encodeDraws(records));
    }
    ~Folder() { quor3::fs::remove_all(path_); }
    const quor3::fs::path& path() const { return path_; }

    void rebuild() const
    {
        QuietStatus status;
        FixedDigits digits;
        quor3::rebuildStatistics(path_, databaseName, quor3::FirstPanels::TotalAndLastDate, status, digits);
    }

    // The thirteen files as the rebuild wrote them.
    std::vector<std::pair<quor3::fs::path, std::string>> derivedFiles() const
    {
        rebuild();
        std::vector<std::pair<quor3::fs::path, std::string>> contents;
        for (const char* name : derived)
            contents.emplace_back(path_ / name, quor3::readWholeFile(path_ / name));
        return contents;
    }

  private:
    quor3::fs::path path_;
};

void BM_Rebuild(benchmark::State& state)
{
    const Folder folder(static_cast<int>(state.range(0)));
    for (auto _ : state)
        folder.rebuild();
}
BENCHMARK(BM_Rebuild)->Arg(731)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_FloorWriteThirteenFiles(benchmark::State& state)
{
    const Folder folder(static_cast<int>(state.range(0)));
    const auto contents = folder.derivedFiles();
    for (auto _ : state)
        for (const auto& [path, bytes] : contents)
            quor3::writeWholeFile(path, bytes);
}
BENCHMARK(BM_FloorWriteThirteenFiles)->Arg(731)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_FloorReadOnceWriteThirteenFiles(benchmark::State& state)
{
    const Folder folder(static_cast<int>(state.range(0)));
    const auto contents = folder.derivedFiles();
    for (auto _ : state) {
        benchmark::DoNotOptimize(quor3::readWholeFile(folder.path() / databaseName));
        for (const auto& [path, bytes] : contents)
            quor3::writeWholeFile(path, bytes);
    }
}
BENCHMARK(BM_FloorReadOnceWriteThirteenFiles)->Arg(731)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
