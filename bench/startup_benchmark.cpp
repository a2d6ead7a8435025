// Start-up to the first frame: runs quor3 (with QUOR3_EXIT_AFTER_FIRST_FRAME,
// which quits after the main window's first frame) and, as the floor, an empty
// main window of the same toolkit built in the same tree, each as a process of
// its own. The time of a run is the CPU time the process used (user and
// system); its wall time and peak memory (resident set) are counters.
// Both run on a real X server (Xvfb will do: `xvfb-run -a startup_benchmark`):
// offscreen, Qt asks for no icons, fonts of the desktop or window-system
// round trips, and start-up looks cheaper than any user sees it.

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace
{

std::string scratchHome;

struct Run {
    double cpuSeconds = 0;
    double wallSeconds = 0;
    double peakKilobytes = 0;
};

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

Run runOnce(const char* program)
{
    const double start = now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        std::exit(1);
    }
    if (child == 0) {
        // A scratch home: the program's data folder and settings stay out of the user's.
        setenv("HOME", scratchHome.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (scratchHome + "/.config").c_str(), 1);
        setenv("QUOR3_EXIT_AFTER_FIRST_FRAME", "1", 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("QT_LOGGING_RULES", "qt.qpa.*=false", 1);
        if (!freopen("/dev/null", "w", stderr))
            _exit(126);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    Run run;
    run.wallSeconds = now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end cleanly (status %d)\n", program, status);
        std::exit(1);
    }
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    run.peakKilobytes = static_cast<double>(usage.ru_maxrss);
    return run;
}

void startUp(benchmark::State& state, const char* program)
{
    double wall = 0;
    double peak = 0;
    for (auto _ : state) {
        const Run run = runOnce(program);
        state.SetIterationTime(run.cpuSeconds);
        wall += run.wallSeconds;
        peak += run.peakKilobytes;
    }
    state.counters["wall_ms"] = benchmark::Counter(wall * 1000, benchmark::Counter::kAvgIterations);
    state.counters["peak_MB"] = benchmark::Counter(peak / 1024, benchmark::Counter::kAvgIterations);
}

void BM_StartEmptyMainWindow(benchmark::State& state)
{
    startUp(state, EMPTY_MAIN_WINDOW);
}
BENCHMARK(BM_StartEmptyMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_StartQuor3(benchmark::State& state)
{
    startUp(state, QUOR3_PROGRAM);
}
BENCHMARK(BM_StartQuor3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!getenv("DISPLAY")) {
        std::fprintf(stderr, "startup_benchmark: no X display; run it as xvfb-run -a %s\n", argv[0]);
        return 1;
    }
    char home[] = "/tmp/quor3-startup-XXXXXX";
    if (!mkdtemp(home))
        return 1;
    scratchHome = home;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(scratchHome);
    return 0;
}
