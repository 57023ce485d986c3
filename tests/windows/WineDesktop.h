#pragma once
// A Windows desktop for the Windows program on this machine: a virtual X
// display (Xvfb) with a window manager (openbox, without which Wine's windows
// do not take Enter), and a Wine prefix of its own, made fresh for the test
// program and removed with it. The program is started from the windows
// preset's folder and driven with xdotool as a user drives it, and what it
// shows is read back with ImageMagick's import (and tesseract for text).

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>

namespace cyclo::test {

// The windows preset's build tree, from CYCLO_WINDOWS_BUILD; empty when none
// is given, and the tests skip with this reason.
[[nodiscard]] std::filesystem::path WindowsBuild();
inline constexpr char kNoWindowsBuild[] =
    "no Windows build given: CYCLO_WINDOWS_BUILD names the windows preset's build tree "
    "(scripts/test.sh sets it)";

// Runs a Linux command to its end (at most `timeout`) and gives its standard
// output; a failure to start, a time-out or an exit code other than 0 fails
// the current test and gives nothing.
[[nodiscard]] std::optional<QString> RunTool(const QString& program, const QStringList& arguments,
                                             const QProcessEnvironment& environment =
                                                 QProcessEnvironment::systemEnvironment(),
                                             std::chrono::seconds timeout = std::chrono::seconds(60));

class WineDesktop
{
public:
    // Starts the display and the window manager and makes the prefix. Check
    // ready() (false with a reason in problem()).
    WineDesktop();
    ~WineDesktop();
    WineDesktop(const WineDesktop&) = delete;
    WineDesktop& operator=(const WineDesktop&) = delete;

    [[nodiscard]] bool ready() const { return problem_.isEmpty(); }
    [[nodiscard]] const QString& problem() const { return problem_; }

    // The environment every Linux tool and Wine program here runs in.
    [[nodiscard]] QProcessEnvironment environment() const { return environment_; }
    // The Wine prefix's drive C as a Linux folder.
    [[nodiscard]] std::filesystem::path driveC() const;
    // The roaming application data folder of the prefix's user (%APPDATA%).
    [[nodiscard]] std::filesystem::path roamingAppData() const;

    // Runs a Windows program under Wine to its end and gives its standard
    // output (see RunTool).
    std::optional<QString> runWindows(const QStringList& arguments,
                                      std::chrono::seconds timeout = std::chrono::seconds(120));
    // Runs a Windows program under Wine to its end; whether it succeeded.
    bool succeeds(const QStringList& arguments,
                  std::chrono::seconds timeout = std::chrono::seconds(120));
    // Sets the screen's dots per inch (Windows' LogPixels) for programs
    // started from now on.
    bool setDpi(int dotsPerInch);

    // An X window: its id and, once asked, its client area on the screen.
    struct Window
    {
        QString id;
        QRect client;
    };

    // Waits until a visible window whose title matches `titlePattern` (an
    // xdotool name pattern) and is not one of `known` shows. Gives nothing
    // after `timeout`.
    std::optional<Window> waitForWindow(const QString& titlePattern,
                                        const QStringList& known = {},
                                        std::chrono::milliseconds timeout = std::chrono::seconds(60));
    // Waits until no visible window matches `titlePattern` any more.
    bool waitForNoWindow(const QString& titlePattern,
                         std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // Waits until this window is no longer shown.
    bool waitForClose(const Window& window,
                      std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // The ids of the visible windows whose title matches.
    [[nodiscard]] QStringList windows(const QString& titlePattern);

    // Activates the window, then presses the keys (xdotool key names).
    bool keys(const Window& window, const QStringList& keys);
    // Activates the window, then types the text.
    bool type(const Window& window, const QString& text);

    // The window's client area as it is on the screen, after the window has
    // had time to paint (it waits until two grabs 300 ms apart are equal).
    [[nodiscard]] QImage grab(Window& window);
    // Reads the text in the image with tesseract, enlarged for legibility.
    [[nodiscard]] QString readText(const QImage& image);

private:
    bool makeLocales();
    bool startDisplay();
    bool makePrefix();
    bool updateClientRect(Window& window);
    [[nodiscard]] QImage grabScreen(const QRect& area);

    QString problem_;
    QTemporaryDir home_;
    QProcessEnvironment environment_;
    std::unique_ptr<QProcess> xvfb_;
    std::unique_ptr<QProcess> openbox_;
    bool wineserverRunning_ = false;
};

// A Windows program started under Wine that runs while the test goes on: a
// copy of the program the user sees. Ended (with its windows) when the
// object goes, unless it has ended by itself.
class WindowsProgram
{
public:
    WindowsProgram(WineDesktop& desktop, const QStringList& arguments,
                   const std::filesystem::path& workingDirectory,
                   const QProcessEnvironment& extraEnvironment = {});
    ~WindowsProgram();
    WindowsProgram(const WindowsProgram&) = delete;
    WindowsProgram& operator=(const WindowsProgram&) = delete;

    [[nodiscard]] bool started() const { return started_; }
    // Waits for the program to end by itself; its exit code, or nothing.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(30));

private:
    QProcess process_;
    bool started_ = false;
};

} // namespace cyclo::test
