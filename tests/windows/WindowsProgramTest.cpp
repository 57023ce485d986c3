// The Windows program, the .exe of the portable folder, driven under Wine as
// a user drives it: it starts, takes a person from the keyboard, writes the
// same list file as the Linux program, draws the same chart, compares as on
// Linux, shares a list with a second copy, follows Windows' regional settings
// and draws at a high resolution. What it must equal is computed here by the
// Linux build of the same code.

#include "windows/ChartImages.h"
#include "windows/ProgramDriving.h"
#include "windows/WineDesktop.h"

#include "calendar/PartnerComparison.h"
#include "support/TempDir.h"

#include <QDate>
#include <QDir>
#include <gtest/gtest.h>

namespace cyclo::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class WindowsProgramTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!WindowsBuild().empty())
            desktop_ = new WineDesktop;
    }
    static void TearDownTestSuite()
    {
        delete desktop_;
        desktop_ = nullptr;
    }

    void SetUp() override
    {
        if (WindowsBuild().empty())
            GTEST_SKIP() << kNoWindowsBuild;
        ASSERT_TRUE(desktop_->ready()) << desktop_->problem().toStdString();
        ASSERT_TRUE(fs::exists(program())) << program() << " is missing: install the build "
                                                           "into its folder first";
    }

    static fs::path program() { return WindowsBuild() / "folder" / kProgramFile.toStdString(); }
    static QString programArgument() { return QString::fromStdString(program().string()); }

    // Starts the program in the work folder and waits for its main window.
    std::optional<WineDesktop::Window> start(std::unique_ptr<WindowsProgram>& copy,
                                             const QString& language = QStringLiteral("en_US.UTF-8"),
                                             const QStringList& known = {})
    {
        QProcessEnvironment extra;
        extra.insert(QStringLiteral("LANG"), language);
        copy = std::make_unique<WindowsProgram>(*desktop_, QStringList{programArgument()},
                                                work.path(), extra);
        EXPECT_TRUE(copy->started());
        auto window = desktop_->waitForWindow(kMainTitle, known);
        EXPECT_TRUE(window) << "the main window did not show";
        return window;
    }

    // Closes the program with Esc (Quit) and waits for it to end.
    void quit(std::unique_ptr<WindowsProgram>& copy, const WineDesktop::Window& main)
    {
        desktop_->keys(main, {QStringLiteral("Escape")});
        EXPECT_EQ(copy->waitForExit(30s), 0) << "the program did not end with Esc";
    }

    void addPerson(const WineDesktop::Window& main, const QString& name, const QString& digits)
    {
        AddPersonByKeys(*desktop_, main, name, digits);
    }

    void writeList(std::initializer_list<Person> persons)
    {
        WriteBytes(work.file("personen.dat"), LinuxPersonFile(persons));
    }

    // Opens the chart of the first person: Tab from the button band into the
    // list, Enter for Analyze.
    std::optional<WineDesktop::Window> openChart(const WineDesktop::Window& main)
    {
        desktop_->keys(main, {QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"),
                              QStringLiteral("Return")});
        auto chart = desktop_->waitForWindow(kMainTitle, {main.id});
        EXPECT_TRUE(chart) << "Analyze did not open the chart window";
        return chart;
    }

    // The chart window's paint area equals the Linux renderer's chart for the
    // person and today wherever neither draws text.
    void expectChartLikeLinux(const TYmd& birth, double scale)
    {
        std::unique_ptr<WindowsProgram> copy;
        const auto main = start(copy);
        ASSERT_TRUE(main);
        auto chart = openChart(*main);
        ASSERT_TRUE(chart);
        const QImage shown = desktop_->grab(*chart);
        const QDate today = QDate::currentDate();
        const ChartImage expected = LinuxChart(
            birth, {static_cast<std::uint16_t>(today.year()), static_cast<std::uint16_t>(today.month()),
                    static_cast<std::uint16_t>(today.day())},
            scale);
        const ChartMatch match = FindChart(shown, expected);
        if (!match.found) {
            const QString folder = QString::fromStdString((WindowsBuild() / "test-output").string());
            QDir().mkpath(folder);
            const QString stem = folder + QStringLiteral("/chart-%1x").arg(scale);
            shown.save(stem + QStringLiteral("-windows.png"));
            expected.pixels.save(stem + QStringLiteral("-linux.png"));
            ADD_FAILURE() << "the chart window shows no chart equal to the Linux renderer's "
                          << "(best place " << match.best.x() << ", " << match.best.y() << " with "
                          << match.bestDifferences << " differing pixels of "
                          << match.comparedPixels << "); pictures in " << stem.toStdString()
                          << "-*.png";
        }
        desktop_->keys(*chart, {QStringLiteral("alt+b")});
        EXPECT_TRUE(desktop_->waitForClose(*chart)) << "Back did not close the chart window";
        quit(copy, *main);
    }

    TempDir work;
    static inline WineDesktop* desktop_ = nullptr;
};

TEST_F(WindowsProgramTest, VersionIsPrintedOnTheConsole)
{
    const auto output = desktop_->runWindows({programArgument(), QStringLiteral("--version")});
    ASSERT_TRUE(output);
    EXPECT_EQ(output->trimmed().toStdString(),
              std::string(kExecutableName) + ' ' + kVersionNumber);
}

TEST_F(WindowsProgramTest, StartsWithItsMainWindowAndEndsWithEsc)
{
    std::unique_ptr<WindowsProgram> copy;
    auto main = start(copy);
    ASSERT_TRUE(main);
    const QImage shown = desktop_->grab(*main);
    EXPECT_EQ(shown.size(), QSize(614, 393)) << "the main window's client area";
    // The title band's decorated colour, right of its caption.
    EXPECT_EQ(QColor(shown.pixel(600, 20)), QColor(240, 202, 166));
    quit(copy, *main);
    EXPECT_FALSE(fs::exists(work.file("personen.dat"))) << "a start alone writes no list";
}

TEST_F(WindowsProgramTest, PersonAddedByKeyboardIsStoredAsLinuxStoresIt)
{
    std::unique_ptr<WindowsProgram> copy;
    const auto main = start(copy);
    ASSERT_TRUE(main);
    desktop_->keys(*main, {QStringLiteral("alt+n")});
    const auto dialog = desktop_->waitForWindow(kNewPersonTitle);
    ASSERT_TRUE(dialog);
    desktop_->type(*dialog, QStringLiteral("Anna Muster"));
    // US regional settings: month, day, year. Then the drop-down calendar,
    // one day on, taken with Enter, and OK.
    desktop_->keys(*dialog, {QStringLiteral("Tab"), QStringLiteral("Home")});
    desktop_->type(*dialog, QStringLiteral("05031970"));
    desktop_->keys(*dialog, {QStringLiteral("alt+Down"), QStringLiteral("Right"),
                             QStringLiteral("Return"), QStringLiteral("Return")});
    ASSERT_TRUE(desktop_->waitForNoWindow(kNewPersonTitle));
    quit(copy, *main);

    EXPECT_EQ(ReadBytes(work.file("personen.dat")), LinuxPersonFile({{"Anna Muster", {1970, 5, 4}}}));
}

TEST_F(WindowsProgramTest, GermanRegionalSettingsGiveDayMonthYear)
{
    std::unique_ptr<WindowsProgram> copy;
    const auto main = start(copy, QStringLiteral("de_DE.UTF-8"));
    ASSERT_TRUE(main);
    // The field's first text, "18.01.2001", reads as 18 January 2001 only
    // where dates are day.month.year; a typed German date follows.
    addPerson(*main, QStringLiteral("Karl Huber"), {});
    addPerson(*main, QStringLiteral("Eva Huber"), QStringLiteral("05031970"));
    quit(copy, *main);

    const auto stored = ReadBytes(work.file("personen.dat"));
    EXPECT_EQ(stored, LinuxPersonFile({{"Karl Huber", {2001, 1, 18}}, {"Eva Huber", {1970, 3, 5}}}))
        << DescribePersonFile(stored);
}

TEST_F(WindowsProgramTest, ChartEqualsTheLinuxRendererWhereNoTextIsDrawn)
{
    constexpr TYmd kBirth{1970, 5, 4};
    writeList({{"Anna Muster", kBirth}});
    expectChartLikeLinux(kBirth, 1.0);
}

TEST_F(WindowsProgramTest, ChartAt192DpiIsDrawnAtDeviceResolution)
{
    constexpr TYmd kBirth{1984, 2, 29};
    writeList({{"Ben Schaltjahr", kBirth}});
    ASSERT_TRUE(desktop_->setDpi(192));
    // Every pixel of the chart at scale 2 is drawn for itself: a doubled
    // 1x image differs from it on every thin line and curve.
    expectChartLikeLinux(kBirth, 2.0);
    EXPECT_TRUE(desktop_->setDpi(96));
}

TEST_F(WindowsProgramTest, CompareGivesTheLinuxLines)
{
    constexpr TYmd kFirst{1970, 5, 4};
    constexpr TYmd kSecond{1985, 12, 24};
    writeList({{"Anna Muster", kFirst}, {"Ben Weih", kSecond}});
    std::unique_ptr<WindowsProgram> copy;
    const auto main = start(copy);
    ASSERT_TRUE(main);
    desktop_->keys(*main, {QStringLiteral("alt+c")});
    const auto choice = desktop_->waitForWindow(QStringLiteral("^Compare persons$"));
    ASSERT_TRUE(choice);
    desktop_->keys(*choice, {QStringLiteral("Return")});
    auto result = desktop_->waitForWindow(QStringLiteral("^Result of the comparison$"));
    ASSERT_TRUE(result);
    const QString text = desktop_->readText(desktop_->grab(*result)).simplified();

    const TComparison linux = CompareCycles(kFirst, kSecond);
    std::vector<std::string> lines(linux.lines.begin(), linux.lines.end());
    lines.push_back(linux.averageLine);
    for (const std::string& line : lines)
        EXPECT_TRUE(text.contains(QString::fromStdString(line).simplified()))
            << "\"" << line << "\" is not among the lines read: " << text.toStdString();

    desktop_->keys(*result, {QStringLiteral("Return")});
    EXPECT_TRUE(desktop_->waitForNoWindow(QStringLiteral("^Result of the comparison$")));
    quit(copy, *main);
}

TEST_F(WindowsProgramTest, SecondCopyOnTheSameListIsReadOnly)
{
    writeList({{"Anna Muster", {1970, 5, 4}}});
    const std::vector<std::uint8_t> before = ReadBytes(work.file("personen.dat"));
    std::unique_ptr<WindowsProgram> first;
    const auto main = start(first);
    ASSERT_TRUE(main);

    std::unique_ptr<WindowsProgram> second;
    QProcessEnvironment english;
    english.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    second = std::make_unique<WindowsProgram>(*desktop_, QStringList{programArgument()}, work.path(),
                                              english);
    auto notice = desktop_->waitForWindow(kBoxTitle);
    ASSERT_TRUE(notice) << "the second copy said nothing about the list in use";
    EXPECT_TRUE(desktop_->readText(desktop_->grab(*notice))
                    .simplified()
                    .contains(QLatin1String("in use by another copy")));
    desktop_->keys(*notice, {QStringLiteral("Return")});
    ASSERT_TRUE(desktop_->waitForNoWindow(kBoxTitle));

    const auto secondMain = desktop_->waitForWindow(kMainTitle, {main->id});
    ASSERT_TRUE(secondMain);
    desktop_->keys(*secondMain, {QStringLiteral("alt+n")});
    auto refusal = desktop_->waitForWindow(kBoxTitle);
    ASSERT_TRUE(refusal) << "New in the second copy was not refused";
    EXPECT_TRUE(desktop_->readText(desktop_->grab(*refusal))
                    .simplified()
                    .contains(QLatin1String("No person can be added here")));
    EXPECT_TRUE(desktop_->windows(kNewPersonTitle).isEmpty());
    desktop_->keys(*refusal, {QStringLiteral("Return")});
    ASSERT_TRUE(desktop_->waitForNoWindow(kBoxTitle));

    quit(second, *secondMain);
    quit(first, *main);
    EXPECT_EQ(ReadBytes(work.file("personen.dat")), before);
}

} // namespace
} // namespace cyclo::test
