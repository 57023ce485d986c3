// The built program answers --help and --version, and refuses an unknown
// option or argument with the usage, all without a display and without
// opening a window. Started with --user-data it keeps the list in the per-user
// data folder, else in the working directory.

#include "support/TempDir.h"
#include "support/UserDataFolder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>

namespace {

constexpr int kTimeoutMs = 20000;

struct Case
{
    const char* name;
    QStringList arguments;
    int exitCode;
    const char* expectedOut; // a part of standard output; "" when it must stay empty
    const char* expectedErr; // a part of standard error; "" when it must stay empty
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

const QString kVersionLine = QStringLiteral(CYCLO_EXECUTABLE " " CYCLO_EXPECTED_VERSION "\n");

class CommandLineTest : public testing::TestWithParam<Case>
{
};

TEST_P(CommandLineTest, AnswersWithoutADisplay)
{
    const Case& c = GetParam();
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No display of any kind: a window the program tried to open would end
    // it with an abort instead of the expected exit code.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CYCLO_PROGRAM), c.arguments);
    ASSERT_TRUE(program.waitForFinished(kTimeoutMs)) << "still running";
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());

    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), c.exitCode);
    if (*c.expectedOut == '\0')
        EXPECT_TRUE(out.isEmpty()) << out.toStdString();
    else
        EXPECT_TRUE(out.contains(QString::fromUtf8(c.expectedOut))) << out.toStdString();
    if (*c.expectedErr == '\0')
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    else
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.expectedErr))) << err.toStdString();
}

TEST(CommandLineVersionTest, PrintsExactlyTheNameAndThePackageVersion)
{
    QProcess program;
    program.start(QStringLiteral(CYCLO_PROGRAM), {QStringLiteral("--version")});
    ASSERT_TRUE(program.waitForFinished(kTimeoutMs));
    // (Windows ends a text line in CR LF.)
    QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(out, kVersionLine);
}

TEST(CommandLineHelpTest, ListsOnlyTheProgramsOwnOptions)
{
    QProcess program;
    program.start(QStringLiteral(CYCLO_PROGRAM), {QStringLiteral("--help")});
    ASSERT_TRUE(program.waitForFinished(kTimeoutMs));
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    EXPECT_TRUE(out.startsWith(QStringLiteral("Usage: "))) << out.toStdString();
    // The help names the per-user folder as this system names it.
    const std::string userFolder = cyclo::test::UserDataFolderIn({}).make_preferred().string();
    for (const std::string option : {"-h, --help", "-v, --version", "--user-data", "personen.dat",
                                     "working directory", userFolder.c_str()})
        EXPECT_TRUE(out.contains(QString::fromStdString(option))) << option;
    for (const char* hidden : {"platform", "style", "help-all"})
        EXPECT_FALSE(out.contains(QString::fromLatin1(hidden))) << hidden;
}

// The program as the desktop entry starts it and as a terminal does, on the
// offscreen platform: where the lock file appears at start shows where the
// list lives.
TEST(CommandLineListFolderTest, DesktopStartUsesTheUserDataFolderTerminalStartTheWorkingDirectory)
{
    namespace fs = std::filesystem;
    struct Way
    {
        const char* what;
        QStringList arguments;
        bool inUserData;
    } const ways[] = {
        {"desktop entry", {QStringLiteral("--user-data")}, true},
        {"terminal", {}, false},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        const cyclo::test::TempDir dir;
        const fs::path dataHome = dir.path() / "data";
        const fs::path userFolder = cyclo::test::UserDataFolderIn(dataHome);
        const fs::path work = dir.path() / "work";
        fs::create_directories(work);

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(cyclo::test::kUserDataBaseVariable),
                           QString::fromStdString(dataHome.string()));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(QString::fromStdString(work.string()));
        program.start(QStringLiteral(CYCLO_PROGRAM), way.arguments);
        const fs::path lock = (way.inUserData ? userFolder : work) / "personen.dat.lock";
        const bool locked = QTest::qWaitFor([&] { return fs::exists(lock); }, kTimeoutMs);
        program.kill();
        program.waitForFinished(kTimeoutMs);

        EXPECT_TRUE(locked) << lock;
        if (way.inUserData)
            EXPECT_TRUE(fs::is_empty(work));
        else
            EXPECT_FALSE(fs::exists(dataHome));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, CommandLineTest,
    testing::Values(Case{"LongVersion",
                         {QStringLiteral("--version")},
                         0,
                         CYCLO_EXECUTABLE " " CYCLO_EXPECTED_VERSION,
                         ""},
                    Case{"ShortVersion",
                         {QStringLiteral("-v")},
                         0,
                         CYCLO_EXECUTABLE " " CYCLO_EXPECTED_VERSION,
                         ""},
                    Case{"LongHelp", {QStringLiteral("--help")}, 0, "--version", ""},
                    Case{"ShortHelp", {QStringLiteral("-h")}, 0, "--version", ""},
                    Case{"QtOptionsPassBesideVersion",
                         {QStringLiteral("-platform"), QStringLiteral("offscreen"),
                          QStringLiteral("--version")},
                         0,
                         CYCLO_EXECUTABLE " " CYCLO_EXPECTED_VERSION,
                         ""},
                    Case{"UnknownLongOption",
                         {QStringLiteral("--no-such-option")},
                         1,
                         "",
                         "Unknown option 'no-such-option'"},
                    Case{"UnknownShortOption", {QStringLiteral("-x")}, 1, "", "Usage: "},
                    Case{"UnknownOptionBeatsVersion",
                         {QStringLiteral("--version"), QStringLiteral("--bogus")},
                         1,
                         "",
                         "Usage: "},
                    Case{"StrayArgument",
                         {QStringLiteral("personen.dat")},
                         1,
                         "",
                         "Unexpected argument 'personen.dat'"}),
    [](const testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

} // namespace
