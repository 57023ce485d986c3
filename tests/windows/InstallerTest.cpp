// The installer as a Windows user runs it, silently (/S): the program under
// Program Files, a Start-menu shortcut that keeps the list in the roaming
// application data, an entry in Windows' list of programs, and an
// uninstaller that removes the program and leaves the user's list.

#include "windows/ProgramDriving.h"
#include "windows/WineDesktop.h"

#include "support/TempDir.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

namespace cyclo::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Windows' list of programs, and the folder under Program Files: both are
// named after the product.
const QString kUninstallKey =
    QStringLiteral("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") +
    QString::fromLatin1(kProgramName);

// Polls a file system state another program changes (at most `timeout`).
template <typename Condition> bool eventually(Condition condition, std::chrono::milliseconds timeout)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeout.count())
            return false;
        QThread::msleep(100);
    }
    return true;
}

class InstallerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (WindowsBuild().empty())
            GTEST_SKIP() << kNoWindowsBuild;
        ASSERT_TRUE(fs::exists(setup)) << setup << " is missing: run cpack -G NSIS there first";
        desktop = std::make_unique<WineDesktop>();
        ASSERT_TRUE(desktop->ready()) << desktop->problem().toStdString();
    }

    fs::path setup = WindowsBuild() / kSetupFile.toStdString();
    std::unique_ptr<WineDesktop> desktop;
};

TEST_F(InstallerTest, InstallsRunsFromItsShortcutAndUninstallsKeepingTheList)
{
    ASSERT_TRUE(desktop->runWindows({QString::fromStdString(setup.string()), QStringLiteral("/S")}));
    const fs::path installed = desktop->driveC() / "Program Files" / kProgramName;
    const std::string program = kProgramFile.toStdString();
    for (const std::string file : {program.c_str(), "Qt6Widgets.dll", "platforms/qwindows.dll",
                                   "THIRD-PARTY-NOTICES.txt", "Uninstall.exe"})
        EXPECT_TRUE(fs::exists(installed / file)) << file;

    // Windows' list of programs: name, version, maker and icon.
    const auto entry = desktop->runWindows({QStringLiteral("reg"), QStringLiteral("query"), kUninstallKey});
    ASSERT_TRUE(entry);
    for (const char* value : {"DisplayName", kProgramName, "DisplayVersion", kVersionNumber,
                              "Publisher", "Quellant", "DisplayIcon", program.c_str()})
        EXPECT_TRUE(entry->contains(QLatin1String(value))) << value << " in " << entry->toStdString();

    // The Start-menu shortcut, started as the desktop starts it.
    QString shortcut;
    for (QDirIterator it(QString::fromStdString(desktop->driveC().string()),
                         {QString::fromLatin1(kProgramName) + QStringLiteral(".lnk")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        shortcut = it.next();
    ASSERT_FALSE(shortcut.isEmpty()) << "no Start-menu shortcut";
    EXPECT_TRUE(shortcut.contains(QLatin1String("Start Menu"))) << shortcut.toStdString();
    {
        WindowsProgram copy(*desktop, {QStringLiteral("start"), QStringLiteral("/wait"),
                                       QStringLiteral("/unix"), shortcut},
                            desktop->driveC());
        const auto main = desktop->waitForWindow(kMainTitle);
        ASSERT_TRUE(main) << "the shortcut did not start the program";
        AddPersonByKeys(*desktop, *main, QStringLiteral("Eva Installiert"), QStringLiteral("12241985"));
        desktop->keys(*main, {QStringLiteral("Escape")});
        EXPECT_EQ(copy.waitForExit(30s), 0);
    }
    const fs::path list = desktop->roamingAppData() / "Quellant" / "Cyclograph" / "personen.dat";
    const std::vector<std::uint8_t> expected = LinuxPersonFile({{"Eva Installiert", {1985, 12, 24}}});
    ASSERT_TRUE(fs::exists(list)) << list;
    EXPECT_EQ(ReadBytes(list), expected);
    EXPECT_FALSE(fs::exists(installed / "personen.dat"));

    // The uninstaller copies itself away and removes the program from there.
    ASSERT_TRUE(desktop->runWindows({QString::fromStdString((installed / "Uninstall.exe").string()),
                                     QStringLiteral("/S")}));
    EXPECT_TRUE(eventually([&] { return !fs::exists(installed / program); }, 60s))
        << "the program is still installed";
    EXPECT_TRUE(eventually([&] { return !fs::exists(shortcut.toStdString()); }, 20s))
        << "the shortcut is still there";
    EXPECT_FALSE(desktop->succeeds({QStringLiteral("reg"), QStringLiteral("query"), kUninstallKey}))
        << "the program is still in Windows' list of programs";
    ASSERT_TRUE(fs::exists(list)) << "uninstalling removed the user's list";
    EXPECT_EQ(ReadBytes(list), expected);
}

} // namespace
} // namespace cyclo::test
