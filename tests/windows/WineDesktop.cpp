#include "windows/WineDesktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

namespace cyclo::test {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Every wait here polls another program's state, which sends no signal.
constexpr auto kPoll = 100ms;

struct ToolResult
{
    bool finished = false;
    int exitCode = -1;
    QString output;
    QString errors;
};

ToolResult runQuietly(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment, std::chrono::milliseconds timeout)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ToolResult result;
    if (!process.waitForStarted(10'000))
        return result;
    process.closeWriteChannel();
    result.finished = process.waitForFinished(static_cast<int>(timeout.count()));
    if (!result.finished) {
        process.kill();
        process.waitForFinished(5'000);
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

QString wineProgram()
{
    return QFileInfo::exists(QStringLiteral("/usr/lib/wine/wine64"))
               ? QStringLiteral("/usr/lib/wine/wine64")
               : QStringLiteral("wine64");
}

void pause()
{
    QThread::msleep(static_cast<unsigned long>(kPoll.count()));
}

} // namespace

fs::path WindowsBuild()
{
    const QString build = qEnvironmentVariable("CYCLO_WINDOWS_BUILD");
    return build.isEmpty() ? fs::path() : fs::path(build.toStdString());
}

std::optional<QString> RunTool(const QString& program, const QStringList& arguments,
                               const QProcessEnvironment& environment,
                               std::chrono::seconds timeout)
{
    const ToolResult result = runQuietly(program, arguments, environment, timeout);
    if (!result.finished || result.exitCode != 0) {
        ADD_FAILURE() << program.toStdString() << ' ' << arguments.join(u' ').toStdString()
                      << (result.finished ? " failed with " + std::to_string(result.exitCode)
                                          : std::string(" did not finish"))
                      << ":\n"
                      << result.errors.toStdString();
        return std::nullopt;
    }
    return result.output;
}

WineDesktop::WineDesktop()
{
    if (!home_.isValid()) {
        problem_ = QStringLiteral("no temporary folder");
        return;
    }
    environment_ = QProcessEnvironment::systemEnvironment();
    // The test program's own Qt settings are not the Windows program's.
    for (const QString& name : environment_.keys()) {
        if (name.startsWith(QLatin1String("QT_")) || name.startsWith(QLatin1String("LC_")) ||
            name == QLatin1String("LANGUAGE") || name == QLatin1String("WAYLAND_DISPLAY"))
            environment_.remove(name);
    }
    // Wine takes its regional settings from LANG.
    environment_.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    environment_.insert(QStringLiteral("WINEPREFIX"), home_.filePath(QStringLiteral("prefix")));
    environment_.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    // No Mono and no Gecko: nothing here needs them, and Wine would offer to
    // download them.
    environment_.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    if (makeLocales() && startDisplay())
        makePrefix();
}

WineDesktop::~WineDesktop()
{
    if (wineserverRunning_)
        runQuietly(QStringLiteral("wineserver"), {QStringLiteral("-k")}, environment_, 20s);
    for (auto* process : {openbox_.get(), xvfb_.get()}) {
        if (process) {
            process->terminate();
            if (!process->waitForFinished(5'000))
                process->kill();
            process->waitForFinished(5'000);
        }
    }
}

bool WineDesktop::makeLocales()
{
    // Wine takes a program's regional settings from the C library's locale,
    // which exists only where it was generated: the two used here are made
    // in a folder of this desktop's own (LOCPATH), not in the system's.
    const QString folder = home_.filePath(QStringLiteral("locales"));
    QDir().mkpath(folder);
    for (const QString& locale : {QStringLiteral("en_US"), QStringLiteral("de_DE")}) {
        const ToolResult made = runQuietly(
            QStringLiteral("localedef"),
            {QStringLiteral("-i"), locale, QStringLiteral("-f"), QStringLiteral("UTF-8"),
             folder + QLatin1Char('/') + locale + QStringLiteral(".UTF-8")},
            environment_, 60s);
        if (!made.finished || made.exitCode != 0) {
            problem_ = QStringLiteral("localedef could not make %1.UTF-8: %2").arg(locale, made.errors);
            return false;
        }
    }
    environment_.insert(QStringLiteral("LOCPATH"), folder);
    return true;
}

bool WineDesktop::startDisplay()
{
    // Xvfb picks a free display and names it on the descriptor given.
    xvfb_ = std::make_unique<QProcess>();
    xvfb_->setProcessEnvironment(environment_);
    xvfb_->start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                  QStringLiteral("0"), QStringLiteral("1920x1200x24"), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp"), QStringLiteral("-noreset")});
    QByteArray number;
    QElapsedTimer clock;
    clock.start();
    while (!number.contains('\n') && clock.elapsed() < 20'000 && xvfb_->state() != QProcess::NotRunning) {
        xvfb_->waitForReadyRead(static_cast<int>(kPoll.count()));
        number += xvfb_->readAllStandardOutput();
    }
    if (!number.contains('\n')) {
        problem_ = QStringLiteral("Xvfb did not start: ") +
                   QString::fromLocal8Bit(xvfb_->readAllStandardError());
        return false;
    }
    environment_.insert(QStringLiteral("DISPLAY"),
                        QLatin1Char(':') + QString::fromLatin1(number.trimmed()));

    openbox_ = std::make_unique<QProcess>();
    openbox_->setProcessEnvironment(environment_);
    openbox_->start(QStringLiteral("openbox"), {});
    clock.restart();
    while (clock.elapsed() < 20'000) {
        const ToolResult wm =
            runQuietly(QStringLiteral("xprop"),
                       {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")},
                       environment_, 5s);
        if (wm.output.contains(QLatin1String("window id")))
            return true;
        pause();
    }
    problem_ = QStringLiteral("openbox did not take the display");
    return false;
}

bool WineDesktop::makePrefix()
{
    // A persistent wineserver keeps the prefix's registry in memory between
    // the programs, and makes every start after the first a quick one.
    const ToolResult server =
        runQuietly(QStringLiteral("wineserver"), {QStringLiteral("-p")}, environment_, 20s);
    wineserverRunning_ = server.finished;
    const ToolResult boot = runQuietly(wineProgram(), {QStringLiteral("wineboot"), QStringLiteral("--init")},
                                       environment_, 180s);
    if (!boot.finished || boot.exitCode != 0) {
        problem_ = QStringLiteral("wineboot could not make the prefix: ") + boot.errors;
        return false;
    }
    return true;
}

fs::path WineDesktop::driveC() const
{
    return fs::path(environment_.value(QStringLiteral("WINEPREFIX")).toStdString()) / "drive_c";
}

fs::path WineDesktop::roamingAppData() const
{
    const QString user = qEnvironmentVariable("USER", QStringLiteral("root"));
    return driveC() / "users" / user.toStdString() / "AppData" / "Roaming";
}

std::optional<QString> WineDesktop::runWindows(const QStringList& arguments,
                                               std::chrono::seconds timeout)
{
    return RunTool(wineProgram(), arguments, environment_, timeout);
}

bool WineDesktop::succeeds(const QStringList& arguments, std::chrono::seconds timeout)
{
    const ToolResult result = runQuietly(wineProgram(), arguments, environment_, timeout);
    return result.finished && result.exitCode == 0;
}

bool WineDesktop::setDpi(int dotsPerInch)
{
    const QString value = QString::number(dotsPerInch);
    for (const QString& key : {QStringLiteral("HKCU\\Control Panel\\Desktop"),
                               QStringLiteral("HKLM\\System\\CurrentControlSet\\Hardware Profiles\\"
                                              "Current\\Software\\Fonts")}) {
        if (!runWindows({QStringLiteral("reg"), QStringLiteral("add"), key, QStringLiteral("/v"),
                         QStringLiteral("LogPixels"), QStringLiteral("/t"),
                         QStringLiteral("REG_DWORD"), QStringLiteral("/d"), value,
                         QStringLiteral("/f")}))
            return false;
    }
    return true;
}

QStringList WineDesktop::windows(const QString& titlePattern)
{
    const ToolResult found = runQuietly(
        QStringLiteral("xdotool"),
        {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), titlePattern},
        environment_, 10s);
    return found.output.split(u'\n', Qt::SkipEmptyParts);
}

std::optional<WineDesktop::Window> WineDesktop::waitForWindow(const QString& titlePattern,
                                                              const QStringList& known,
                                                              std::chrono::milliseconds timeout)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeout.count()) {
        for (const QString& id : windows(titlePattern)) {
            if (known.contains(id))
                continue;
            Window window{id, {}};
            if (updateClientRect(window) && window.client.width() > 1)
                return window;
        }
        pause();
    }
    return std::nullopt;
}

bool WineDesktop::waitForNoWindow(const QString& titlePattern, std::chrono::milliseconds timeout)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeout.count()) {
        if (windows(titlePattern).isEmpty())
            return true;
        pause();
    }
    return false;
}

bool WineDesktop::waitForClose(const Window& window, std::chrono::milliseconds timeout)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeout.count()) {
        if (!windows(QStringLiteral(".*")).contains(window.id))
            return true;
        pause();
    }
    return false;
}

bool WineDesktop::keys(const Window& window, const QStringList& keys)
{
    runQuietly(QStringLiteral("xdotool"),
               {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window.id}, environment_,
               10s);
    QStringList arguments{QStringLiteral("key"), QStringLiteral("--clearmodifiers"),
                          QStringLiteral("--delay"), QStringLiteral("150")};
    arguments += keys;
    return runQuietly(QStringLiteral("xdotool"), arguments, environment_, 30s).exitCode == 0;
}

bool WineDesktop::type(const Window& window, const QString& text)
{
    runQuietly(QStringLiteral("xdotool"),
               {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window.id}, environment_,
               10s);
    return runQuietly(QStringLiteral("xdotool"),
                      {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("80"), text},
                      environment_, 30s)
               .exitCode == 0;
}

bool WineDesktop::updateClientRect(Window& window)
{
    const ToolResult info =
        runQuietly(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window.id}, environment_, 10s);
    if (info.exitCode != 0)
        return false;
    auto field = [&](const char* name) {
        const QRegularExpression pattern(QString::fromLatin1(name) + QStringLiteral(":\\s+(-?\\d+)"));
        const QRegularExpressionMatch match = pattern.match(info.output);
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    };
    window.client = QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"),
                          field("Width"), field("Height"));
    return true;
}

QImage WineDesktop::grabScreen(const QRect& area)
{
    // A PNG on standard output, read as bytes.
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.start(QStringLiteral("import"),
                  {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"),
                   QStringLiteral("%1x%2+%3+%4")
                       .arg(area.width())
                       .arg(area.height())
                       .arg(area.x())
                       .arg(area.y()),
                   QStringLiteral("+repage"), QStringLiteral("-depth"), QStringLiteral("8"),
                   QStringLiteral("png:-")});
    process.waitForFinished(30'000);
    return QImage::fromData(process.readAllStandardOutput(), "PNG")
        .convertToFormat(QImage::Format_RGB32);
}

QImage WineDesktop::grab(Window& window)
{
    // The window may still be moving into place or painting.
    QImage last;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15'000) {
        updateClientRect(window);
        QImage now = grabScreen(window.client);
        if (!now.isNull() && now == last)
            return now;
        last = std::move(now);
        QThread::msleep(300);
    }
    return last;
}

QString WineDesktop::readText(const QImage& image)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("text.png"));
    image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(file);
    const ToolResult text = runQuietly(
        QStringLiteral("tesseract"), {file, QStringLiteral("stdout"), QStringLiteral("--psm"), QStringLiteral("6")},
        environment_, 60s);
    return text.output;
}

WindowsProgram::WindowsProgram(WineDesktop& desktop, const QStringList& arguments,
                               const fs::path& workingDirectory,
                               const QProcessEnvironment& extraEnvironment)
{
    QProcessEnvironment environment = desktop.environment();
    environment.insert(extraEnvironment);
    process_.setProcessEnvironment(environment);
    process_.setWorkingDirectory(QString::fromStdString(workingDirectory.string()));
    process_.start(wineProgram(), arguments);
    started_ = process_.waitForStarted(10'000);
}

WindowsProgram::~WindowsProgram()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(10'000);
    }
}

std::optional<int> WindowsProgram::waitForExit(std::chrono::milliseconds timeout)
{
    if (!process_.waitForFinished(static_cast<int>(timeout.count())) &&
        process_.state() != QProcess::NotRunning)
        return std::nullopt;
    return process_.exitStatus() == QProcess::NormalExit ? std::optional<int>(process_.exitCode())
                                                         : std::nullopt;
}

} // namespace cyclo::test
