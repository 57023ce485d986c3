#include "tests/register/ChildRoles.h"

#include "register/PersonRegister.h"
#include "tests/register/PersonImage.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

namespace cyclo::test {
namespace {

constexpr int kBadArguments = 64;
constexpr int kLockNotTaken = 4;

int SaveFor(const std::filesystem::path& file, int list, std::chrono::milliseconds duration)
{
    PersonRegister persons(file);
    persons.ReadImage(DistinctList(list));
    const auto end = std::chrono::steady_clock::now() + duration;
    int saved = 0;
    int failed = 0;
    while (std::chrono::steady_clock::now() < end)
        ++(persons.SavePersons().ok() ? saved : failed);
    if (failed == 0)
        return 0;
    return saved > 0 ? kSomeSavesFailed : kNoSaveSucceeded;
}

int SaveUntilKilled(const std::filesystem::path& file, const std::filesystem::path& progress)
{
    PersonRegister first(file);
    first.ReadImage(DistinctList(0));
    PersonRegister second(file);
    second.ReadImage(DistinctList(1));
    // Every mark goes to the operating system at once, so a kill never loses it.
    std::ofstream marks(progress, std::ios::binary | std::ios::app);
    const auto mark = [&marks](char c) { marks.put(c).flush(); };
    for (;;) {
        for (const PersonRegister* persons : {&first, &second}) {
            mark(kSaveStarted);
            if (!persons->SavePersons().ok())
                return kSomeSavesFailed;
            mark(kSaveDone);
        }
    }
}

int HoldLock(const std::filesystem::path& file, const std::filesystem::path& marker)
{
    PersonRegister persons(file);
    if (persons.TakeLock() != FileAccess::Exclusive)
        return kLockNotTaken;
    std::ofstream(marker).put('L');
    for (;;)
        std::this_thread::sleep_for(std::chrono::hours(1)); // until killed
}

} // namespace

int RunChildRole(const std::vector<std::filesystem::path>& arguments)
{
    if (arguments.size() == 4 && arguments[0] == kSaveForRole)
        return SaveFor(arguments[1], std::stoi(arguments[2].string()),
                       std::chrono::milliseconds(std::stoi(arguments[3].string())));
    if (arguments.size() == 3 && arguments[0] == kSaveUntilKilledRole)
        return SaveUntilKilled(arguments[1], arguments[2]);
    if (arguments.size() == 3 && arguments[0] == kHoldLockRole)
        return HoldLock(arguments[1], arguments[2]);
    return kBadArguments;
}

} // namespace cyclo::test
