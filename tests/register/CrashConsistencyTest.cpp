// A save killed at any instant must leave the old complete file or the new
// one, never a torn or empty one, and its temporary file is never read as
// the list and goes at the next start.

#include "register/PersonRegister.h"
#include "support/TempDir.h"
#include "tests/register/ChildProcess.h"
#include "tests/register/ChildRoles.h"
#include "tests/register/PersonImage.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <thread>

namespace cyclo {
namespace {

using test::ChildProcess;
using test::DistinctList;
using test::ReadBytes;
using test::TempDir;

constexpr int kRounds = 40;
constexpr int kMostSavesBeforeKill = 5;
constexpr auto kRoundBound = std::chrono::seconds(30);

std::ptrdiff_t TemporaryFilesIn(const std::filesystem::path& folder)
{
    return std::count_if(std::filesystem::directory_iterator(folder),
                         std::filesystem::directory_iterator(),
                         [](const auto& entry) { return entry.path().extension() == ".tmp"; });
}

TEST(CrashConsistency, KilledSavesLeaveTheOldOrTheNewFile)
{
    TempDir dir;
    const auto file = dir.file("personen.dat");
    const auto progress = dir.file("progress");
    const auto first = DistinctList(0);
    const auto second = DistinctList(1);
    test::WriteBytes(file, first);

    std::mt19937 random(20261209);
    std::uniform_int_distribution<std::size_t> savesBeforeKill(1, kMostSavesBeforeKill);
    int killedInsideASave = 0;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::filesystem::remove(progress);
        const std::size_t started = savesBeforeKill(random);
        ChildProcess writer({test::kSaveUntilKilledRole, file, progress});
        // Kill the writer once it has begun its n-th save, so the kill lands
        // inside its save loop, not while the program is still starting.
        std::vector<std::uint8_t> marks;
        const auto bound = std::chrono::steady_clock::now() + kRoundBound;
        do {
            std::this_thread::yield();
            marks = ReadBytes(progress);
        } while (std::count(marks.begin(), marks.end(), test::kSaveStarted) <
                     static_cast<std::ptrdiff_t>(started) &&
                 !writer.poll() && std::chrono::steady_clock::now() < bound);
        const std::optional<int> ended = writer.poll();
        ASSERT_FALSE(ended.has_value()) << "the writer stopped on its own, exit code " << *ended;
        writer.kill();
        writer.wait();

        marks = ReadBytes(progress);
        ASSERT_GE(std::count(marks.begin(), marks.end(), test::kSaveStarted),
                  static_cast<std::ptrdiff_t>(started))
            << "the kill landed before the save loop";
        killedInsideASave += marks.back() == test::kSaveStarted ? 1 : 0;

        const auto bytes = ReadBytes(file);
        ASSERT_EQ(bytes.size(), kPersonFileSize);
        ASSERT_TRUE(bytes == first || bytes == second) << "torn file";
        // What the program loads is that file, never a temporary one.
        PersonRegister reader(file);
        reader.StartupFill();
        const auto loaded = reader.FileImage();
        EXPECT_TRUE(std::equal(loaded.begin(), loaded.end(), bytes.begin(), bytes.end()));
    }
    // Most kills must hit a save in progress; the marks tell whether they did.
    RecordProperty("kills_inside_a_save", killedInsideASave);
    EXPECT_GE(killedInsideASave, kRounds / 2)
        << "only " << killedInsideASave << " of " << kRounds << " kills landed inside a save";

    // Killed saves leave temporary files; the next start removes them.
    RecordProperty("temporary_files_left", static_cast<int>(TemporaryFilesIn(dir.path())));
    PersonRegister next(file);
    ASSERT_EQ(next.TakeLock(), FileAccess::Exclusive);
    EXPECT_EQ(TemporaryFilesIn(dir.path()), 0);
}

} // namespace
} // namespace cyclo
