#pragma once
// Reads the desktop's font configuration on a thread of its own while the
// application object connects to the display and loads its plugins.
//
// Where Qt finds its fonts through fontconfig (Linux and the other X11 and
// Wayland desktops), the first text the program measures used to wait some
// milliseconds for fontconfig to parse its configuration files and font
// caches, all before the main window could be shown. Started before the
// application object and waited for before the first text, that work runs
// beside the application's own start instead of after it. Fontconfig keeps
// one configuration per process, so Qt then finds it ready. Elsewhere the
// object does nothing.

#include <thread>

namespace cyclo {

class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Returns once the configuration is read; at once on later calls.
    void wait();

private:
    std::thread thread_;
};

} // namespace cyclo
