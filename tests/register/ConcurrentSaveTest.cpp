// Several programs, or several threads, saving one person file at once: any
// read of the file at any instant finds one complete image of one list.

#include "register/PersonRegister.h"
#include "register/PlatformFile.h"
#include "support/TempDir.h"
#include "tests/register/ChildProcess.h"
#include "tests/register/ChildRoles.h"
#include "tests/register/PersonImage.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>

namespace cyclo {
namespace {

using test::ChildProcess;
using test::DistinctList;
using test::ReadBytes;
using test::TempDir;

constexpr int kWriters = 3;
constexpr int kWritingMs = 2500;

// Tallies what each read of the file found. It reads as the program loads
// the list, which on Windows lets a save replace the file meanwhile.
class ReadTally
{
public:
    ReadTally()
    {
        for (int list = 0; list < kWriters; ++list)
            images_[static_cast<std::size_t>(list)] = DistinctList(list);
    }

    void read(const std::filesystem::path& file)
    {
        std::vector<std::uint8_t> bytes(2 * kPersonFileSize);
        std::size_t count = 0;
        if (platform::ReadPrefix(file, bytes, count))
            count = 0;
        bytes.resize(count);
        ++reads_;
        const auto match = std::find(images_.begin(), images_.end(), bytes);
        if (match == images_.end()) {
            if (torn_++ == 0)
                firstTornSize_ = bytes.size();
            return;
        }
        ++seen_[static_cast<std::size_t>(match - images_.begin())];
    }

    void check() const
    {
        EXPECT_EQ(torn_, 0) << torn_ << " of " << reads_
                            << " reads found a torn file; the first held " << firstTornSize_
                            << " bytes";
        const auto listsSeen =
            std::count_if(seen_.begin(), seen_.end(), [](int n) { return n > 0; });
        EXPECT_GE(listsSeen, 2) << "the writers never took turns in " << reads_ << " reads";
        testing::Test::RecordProperty("reads", reads_);
        testing::Test::RecordProperty("torn_reads", torn_);
    }

private:
    std::array<std::vector<std::uint8_t>, kWriters> images_;
    std::array<int, kWriters> seen_{};
    int reads_ = 0;
    int torn_ = 0;
    std::size_t firstTornSize_ = 0;
};

TEST(ConcurrentSaves, ThreeProgramsSavingAtOnceNeverTearTheFile)
{
    TempDir dir;
    const auto file = dir.file("personen.dat");
    test::WriteBytes(file, DistinctList(0));

    std::vector<std::unique_ptr<ChildProcess>> writers;
    for (int list = 0; list < kWriters; ++list)
        writers.push_back(std::make_unique<ChildProcess>(std::vector<std::filesystem::path>{
            test::kSaveForRole, file, std::to_string(list), std::to_string(kWritingMs)}));

    ReadTally tally;
    const auto running = [&writers] {
        return std::any_of(writers.begin(), writers.end(),
                           [](const auto& writer) { return !writer->poll(); });
    };
    while (running())
        tally.read(file);
    tally.check();
    for (const auto& writer : writers) {
#ifdef _WIN32
        // As with threads below: on Windows a save may give up while the
        // file is open here, but every writer gets saves through.
        EXPECT_NE(writer->wait(), test::kNoSaveSucceeded);
#else
        EXPECT_EQ(writer->wait(), 0) << "a save in a child failed";
#endif
    }
}

TEST(ConcurrentSaves, ThreeThreadsSavingAtOnceNeverTearTheFile)
{
    TempDir dir;
    const auto file = dir.file("personen.dat");
    test::WriteBytes(file, DistinctList(0));

    constexpr int kSavesPerThread = 100;
    std::array<int, kWriters> failures{};
    ReadTally tally;
    // Reads go on from before the first writer starts until the last one ends.
    std::jthread reader([&](const std::stop_token& stop) {
        while (!stop.stop_requested())
            tally.read(file);
    });
    std::vector<std::jthread> writers;
    for (int list = 0; list < kWriters; ++list)
        writers.emplace_back([&file, &failures, list] {
            PersonRegister persons(file);
            persons.ReadImage(DistinctList(list));
            for (int i = 0; i < kSavesPerThread; ++i)
                failures[static_cast<std::size_t>(list)] += persons.SavePersons().ok() ? 0 : 1;
        });
    for (auto& writer : writers)
        writer.join();
    reader.request_stop();
    reader.join();
    tally.check();
#ifdef _WIN32
    // Windows refuses to replace a file while it is open anywhere, and this
    // reader keeps it open nearly all the time; a save may then give up,
    // leaving the previous complete file. Each writer still gets through.
    for (const int failed : failures)
        EXPECT_LT(failed, kSavesPerThread);
#else
    EXPECT_EQ(failures, (std::array<int, kWriters>{})) << "saves failed";
#endif
}

} // namespace
} // namespace cyclo
