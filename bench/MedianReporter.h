#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Keeps each benchmark's median time per iteration, so that a benchmark can
// print its ratio to the floor measured in the same run after the table.
// Wall time where a server thread or the flushes to disk are part of the
// work; processor time otherwise, since on a busy machine the wall-clock time
// says more about the neighbours.
class MedianReporter : public benchmark::ConsoleReporter
{
  public:
    enum Clock { Wall, Processor };
    explicit MedianReporter(Clock clock) : clock_(clock) {}

    std::map<std::string, double> seconds;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" && run.iterations > 0)
                seconds[run.run_name.str()] = (clock_ == Wall ? run.real_accumulated_time : run.cpu_accumulated_time) /
                                              static_cast<double>(run.iterations);
        ConsoleReporter::ReportRuns(runs);
    }

  private:
    Clock clock_;
};

// Initializes Google Benchmark to take the median of `repetitions` runs, the
// floor's and the measure's taken in turns, so that a neighbour's load that
// comes and goes weighs on both alike (unless the command line says otherwise).
inline void initializeForMedians(int argc, char** argv, int repetitions)
{
    std::vector<std::string> added;
    bool toldRepetitions = false, toldInterleaving = false;
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        toldRepetitions = toldRepetitions || a.rfind("--benchmark_repetitions", 0) == 0;
        toldInterleaving = toldInterleaving || a.rfind("--benchmark_enable_random_interleaving", 0) == 0;
    }
    if (!toldRepetitions)
        added.push_back("--benchmark_repetitions=" + std::to_string(repetitions));
    if (!toldInterleaving)
        added.push_back("--benchmark_enable_random_interleaving=true");
    static std::vector<std::string> kept;
    kept = added;
    static std::vector<char*> args;
    args.assign(argv, argv + argc);
    for (std::string& a : kept)
        args.push_back(a.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
}
