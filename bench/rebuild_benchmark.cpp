// A full rebuild of a 731-draw database against the floor: creating and
// writing the same thirteen derived files with the same bytes and nothing else.

#include "engine/DataFiles.h"
#include "engine/Rebuild.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <unistd.h>

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

quor3::fs::path makeFolder()
{
    char templ[] = "/tmp/quor3-bench-XXXXXX";
    const char* made = mkdtemp(templ);
    if (!made)
        std::abort();
    const quor3::fs::path folder(made);
    std::vector<quor3::DrawRecord> draws;
    for (int i = 0; i < quor3::MaxDraws; ++i) {
        quor3::DrawRecord r;
        r.DrawDate = 37257 + i;
        r.Digit1 = (i * 7 + 3) % 10;
        r.Digit2 = (i * 3 + 1) % 10;
        r.Digit3 = (i * i + 5) % 10;
        draws.push_back(r);
    }
    quor3::writeWholeFile(folder / "full.c3d", quor3::encodeDraws(draws));
    return folder;
}

void BM_Rebuild731(benchmark::State& state)
{
    const auto folder = makeFolder();
    QuietStatus status;
    FixedDigits digits;
    for (auto _ : state)
        quor3::rebuildStatistics(folder, "full.c3d", quor3::FirstPanels::TotalAndLastDate, status, digits);
    quor3::fs::remove_all(folder);
}
BENCHMARK(BM_Rebuild731)->Unit(benchmark::kMicrosecond);

void BM_FloorWriteThirteenFiles(benchmark::State& state)
{
    const auto folder = makeFolder();
    QuietStatus status;
    FixedDigits digits;
    quor3::rebuildStatistics(folder, "full.c3d", quor3::FirstPanels::TotalAndLastDate, status, digits);
    std::vector<std::pair<quor3::fs::path, std::string>> contents;
    for (const char* name : derived)
        contents.emplace_back(folder / name, quor3::readWholeFile(folder / name));
    for (auto _ : state)
        for (const auto& [path, bytes] : contents)
            quor3::writeWholeFile(path, bytes);
    quor3::fs::remove_all(folder);
}
BENCHMARK(BM_FloorWriteThirteenFiles)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
