// Start-up on a real X display: time from launch to the main window shown on
// screen, for the program and for a yardstick window of the same size (a bare
// Qt window, or one with a label), launched alternately in one run, with
// medians and their ratio.
//
// "Shown on screen" is observed from outside, the same way for both programs:
// the X server reports (Damage extension) that every pixel of the mapped
// top-level window with the expected title has been drawn at least once since
// it was mapped. Neither program carries any measuring code, and the moment is
// the one a user sees: the whole window on the screen, not just mapped.
//
//   startup_display RUNS PERSONS PROGRAM "PROGRAM TITLE" YARDSTICK "YARDSTICK TITLE"
//
// runs each program once unmeasured (to warm the disk cache), then RUNS times
// each, alternately, in a temporary folder holding PERSONS persons.

#include "bench/StartupPersonFolder.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <optional>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kLaunchTimeout = std::chrono::seconds(20);

struct Program
{
    std::string path;
    std::string title;
};

// A window can vanish between its creation and our requests about it.
int ignoreXErrors(Display* /*display*/, XErrorEvent* /*error*/)
{
    return 0;
}

// What is known about one top-level window of the launched program.
struct Watched
{
    Damage damage = 0;
    bool mapped = false;
    Region drawn = nullptr; // drawn since the window was last mapped
};

std::string windowTitle(Display* display, Window window)
{
    char* name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr)
        return {};
    std::string title(name);
    XFree(name);
    return title;
}

bool wholeWindowDrawn(Display* display, Window window, Region drawn)
{
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0)
        return false;
    return XRectInRegion(drawn, 0, 0, static_cast<unsigned>(attributes.width),
                         static_cast<unsigned>(attributes.height)) == RectangleIn;
}

pid_t launch(const Program& program, const std::filesystem::path& folder)
{
    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0) {
        if (const int devNull = open("/dev/null", O_WRONLY); devNull >= 0) {
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
        }
        if (chdir(folder.c_str()) != 0)
            _exit(126);
        execl(program.path.c_str(), program.path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return child;
}

// Ends the program and returns the processor time it used, in milliseconds.
double stop(pid_t child)
{
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto milliseconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    };
    return milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
}

struct Launch
{
    double wallMs = 0; // from launch to the window wholly drawn
    double cpuMs = 0;  // processor time of the program until then
};

// Launches the program, waits until its window with the expected title is
// wholly drawn on the screen and ends it there.
Launch measureLaunch(const Program& program, const std::filesystem::path& folder)
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
    int damageEvent = 0;
    int damageError = 0;
    if (XDamageQueryExtension(display, &damageEvent, &damageError) == 0)
        throw std::runtime_error("the X server has no Damage extension");
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    std::map<Window, Watched> windows;
    const auto watch = [&](Window window) {
        Watched& watched = windows[window];
        if (watched.drawn != nullptr)
            return;
        XSelectInput(display, window, StructureNotifyMask);
        watched.damage = XDamageCreate(display, window, XDamageReportRawRectangles);
        watched.drawn = XCreateRegion();
        XWindowAttributes attributes{};
        // Mapped before we started watching: drawing from now on counts.
        if (XGetWindowAttributes(display, window, &attributes) != 0)
            watched.mapped = attributes.map_state != IsUnmapped;
    };

    const Clock::time_point started = Clock::now();
    const pid_t child = launch(program, folder);
    std::optional<Clock::time_point> shown;
    while (!shown) {
        if (Clock::now() - started > kLaunchTimeout) {
            static_cast<void>(stop(child));
            throw std::runtime_error(program.path + ": no window \"" + program.title +
                                     "\" shown within the time limit");
        }
        if (XPending(display) == 0) {
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        Window changed = 0;
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            watch(event.xcreatewindow.window);
        } else if (event.type == MapNotify && windows.contains(event.xmap.window)) {
            Watched& watched = windows[event.xmap.window];
            watched.mapped = true;
            XDestroyRegion(watched.drawn);
            watched.drawn = XCreateRegion();
        } else if (event.type == UnmapNotify && windows.contains(event.xunmap.window)) {
            windows[event.xunmap.window].mapped = false;
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            const auto found = windows.find(damage.drawable);
            if (found != windows.end() && found->second.mapped) {
                XRectangle area = damage.area;
                XUnionRectWithRegion(&area, found->second.drawn, found->second.drawn);
                changed = damage.drawable;
            }
        }
        if (changed != 0 && windowTitle(display, changed) == program.title &&
            wholeWindowDrawn(display, changed, windows[changed].drawn))
            shown = Clock::now();
    }
    const double cpuMs = stop(child);
    for (auto& [window, watched] : windows)
        XDestroyRegion(watched.drawn);
    // Closing the connection frees the damage objects that are left.
    XCloseDisplay(display);
    return {std::chrono::duration<double, std::milli>(*shown - started).count(), cpuMs};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string joined(const std::vector<double>& values)
{
    std::string text;
    for (const double value : values) {
        char number[32];
        std::snprintf(number, sizeof number, "%s%.0f", text.empty() ? "" : " ", value);
        text += number;
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 7) {
        std::fprintf(stderr,
                     "usage: %s RUNS PERSONS PROGRAM \"PROGRAM TITLE\" YARDSTICK \"YARDSTICK TITLE\"\n",
                     argv[0]);
        return 2;
    }
    XSetErrorHandler(ignoreXErrors);
    const int runs = std::max(1, std::atoi(argv[1]));
    const cyclo::bench::StartupPersonFolder folder(std::atoi(argv[2]));
    // The programs start in the person folder: their paths must not depend
    // on ours.
    const Program programs[] = {{std::filesystem::absolute(argv[3]), argv[4]},
                                {std::filesystem::absolute(argv[5]), argv[6]}};
    try {
        for (const Program& program : programs)
            measureLaunch(program, folder.path());
        std::vector<double> wall[2];
        std::vector<double> cpu[2];
        for (int run = 0; run < runs; ++run)
            for (int p = 0; p < 2; ++p) {
                const Launch launch = measureLaunch(programs[p], folder.path());
                wall[p].push_back(launch.wallMs);
                cpu[p].push_back(launch.cpuMs);
            }
        // The processor time varies less than the wall time when other work
        // shares the machine; the wall time is what the user waits.
        for (int p = 0; p < 2; ++p)
            std::printf("%s\n  until shown: median %6.1f ms (%s); processor time median %6.1f ms\n",
                        programs[p].title.c_str(), median(wall[p]), joined(wall[p]).c_str(),
                        median(cpu[p]));
        std::printf("ratio: until shown %.2f; processor time %.2f\n",
                    median(wall[0]) / median(wall[1]), median(cpu[0]) / median(cpu[1]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
