// Starts the program exactly as main() does, in the working directory it is
// given, and stops once the main window is shown and the pending events are
// processed: prints the monotonic clock at that moment and the peak resident
// memory, then quits without entering the event loop. StartupBench.cpp
// launches it; it can also be run by hand.

#include "ui/app/Startup.h"

#include <chrono>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char** argv)
{
    const auto mainEntered = std::chrono::steady_clock::now();
    return cyclo::RunCyclograph(argc, argv, [mainEntered] {
        const auto shown = std::chrono::steady_clock::now();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const auto sinceMain =
            std::chrono::duration_cast<std::chrono::microseconds>(shown - mainEntered);
        const auto clock =
            std::chrono::duration_cast<std::chrono::nanoseconds>(shown.time_since_epoch());
        std::printf("shown_steady_ns %lld\nsince_main_us %lld\npeak_rss_kb %ld\n",
                    static_cast<long long>(clock.count()),
                    static_cast<long long>(sinceMain.count()), usage.ru_maxrss);
        std::fflush(stdout);
        return false;
    });
}
