// Start-up cost of the program: time from process start (just before the
// fork) to "main window shown, pending events processed", and the peak
// resident memory, over several launches of startup_probe under the
// offscreen platform. Reported as medians (the _median rows).

#include "bench/StartupPersonFolder.h"
#include "register/PersonRegister.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kRepetitions = 9;

using PersonFolder = cyclo::bench::StartupPersonFolder;

struct ProbeResult
{
    double seconds = 0;
    double peakRssMb = 0;
};

long long steadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Runs the probe in `folder` and reads its report.
ProbeResult runProbe(const fs::path& folder)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        throw std::runtime_error("pipe failed");
    const long long started = steadyNanoseconds();
    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        // Qt's notes about the environment would only clutter the table.
        if (const int devNull = open("/dev/null", O_WRONLY); devNull >= 0)
            dup2(devNull, STDERR_FILENO);
        if (chdir(folder.c_str()) != 0)
            _exit(126);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const char* probe = CYCLO_STARTUP_PROBE;
        execl(probe, probe, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("startup_probe failed");

    long long shown = 0;
    long long sinceMain = 0;
    long peakKb = 0;
    if (std::sscanf(output.c_str(), "shown_steady_ns %lld\nsince_main_us %lld\npeak_rss_kb %ld",
                    &shown, &sinceMain, &peakKb) != 3)
        throw std::runtime_error("unexpected probe output: " + output);
    return {static_cast<double>(shown - started) / 1e9, static_cast<double>(peakKb) / 1024.0};
}

void BM_StartupUntilMainWindowShown(benchmark::State& state)
{
    const PersonFolder folder(static_cast<int>(state.range(0)));
    double peakRssMb = 0;
    double milliseconds = 0;
    for (auto _ : state) {
        const ProbeResult result = runProbe(folder.path());
        state.SetIterationTime(result.seconds);
        peakRssMb = result.peakRssMb;
        milliseconds = result.seconds * 1000;
    }
    state.counters["startup_ms"] = milliseconds;
    state.counters["peak_rss_MB"] = peakRssMb;
    state.SetLabel(std::to_string(state.range(0)) + " persons");
}
BENCHMARK(BM_StartupUntilMainWindowShown)
    ->Arg(0)
    ->Arg(cyclo::kMaxPersons)
    ->Iterations(1)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
