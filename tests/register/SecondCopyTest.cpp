// Two programs on one person file: the first one takes the lock and alone
// changes the file; the second one shows the list and changes nothing. A
// lock whose holder was killed does not block the next start.

#include "register/PersonRegister.h"
#include "support/TempDir.h"
#include "tests/register/ChildProcess.h"
#include "tests/register/ChildRoles.h"
#include "tests/register/PersonImage.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace cyclo {
namespace {

using test::ChildProcess;
using test::FileImage;
using test::ReadBytes;
using test::TempDir;

// Waiting for a child to start is bounded, so a child that never gets there
// fails the test instead of hanging it.
constexpr auto kChildStartBound = std::chrono::seconds(30);

std::filesystem::path LockFileOf(const std::filesystem::path& file)
{
    std::filesystem::path lock = file;
    lock += ".lock";
    return lock;
}

TEST(SecondCopy, TheSecondRegisterShowsTheListButNeverChangesTheFile)
{
    TempDir dir;
    const auto file = dir.file("personen.dat");
    PersonRegister first(file);
    ASSERT_EQ(first.TakeLock(), FileAccess::Exclusive);
    first.StartupFill();
    ASSERT_TRUE(first.AddPerson("Anna", {1981, 4, 8}).ok());
    ASSERT_TRUE(first.AddPerson("Bernd", {1975, 12, 24}).ok());

    PersonRegister second(file);
    EXPECT_EQ(second.TakeLock(), FileAccess::ReadOnly);
    EXPECT_EQ(second.access(), FileAccess::ReadOnly);
    second.StartupFill();
    ASSERT_EQ(second.PersonCount(), 2);
    EXPECT_EQ(second.PersonText(2), "Bernd ( 12/24/1975 )");

    const auto before = ReadBytes(file);
    struct Case
    {
        const char* what;
        std::function<RegisterResult()> act;
    } const refused[] = {
        {"add",
         [&] {
             return second.AddPerson("Claudia", {1990, 1, 3});
         }},
        {"delete", [&] { return second.DeletePerson(0); }},
        {"save", [&] { return second.SavePersons(); }},
        {"take the lock again",
         [&] {
             return second.TakeLock() == FileAccess::ReadOnly ? second.SavePersons()
                                                              : RegisterResult::success();
         }},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.what);
        const RegisterResult result = c.act();
        EXPECT_EQ(result.status, RegisterResult::Status::ReadOnly);
        EXPECT_FALSE(result.reason.empty());
        EXPECT_EQ(second.PersonCount(), 2);
        EXPECT_EQ(second.PersonText(1), "Anna ( 4/8/1981 )");
        EXPECT_EQ(ReadBytes(file), before);
    }

    // The first program goes on changing the file, and keeps what it added.
    ASSERT_TRUE(first.AddPerson("Claudia", {1990, 1, 3}).ok());
    FileImage expected;
    expected.count(3)
        .person(1, "Anna", 1981, 4, 8)
        .person(2, "Bernd", 1975, 12, 24)
        .person(3, "Claudia", 1990, 1, 3);
    EXPECT_EQ(ReadBytes(file), expected.bytes());
}

TEST(SecondCopy, TheLockPassesToTheNextStartWhenItsHolderEnds)
{
    TempDir dir;
    const auto file = dir.file("personen.dat");
    {
        PersonRegister first(file);
        ASSERT_EQ(first.TakeLock(), FileAccess::Exclusive);
        ASSERT_EQ(first.TakeLock(), FileAccess::Exclusive); // held, not taken twice
        PersonRegister second(file);
        ASSERT_EQ(second.TakeLock(), FileAccess::ReadOnly);
    }
    PersonRegister next(file);
    EXPECT_EQ(next.TakeLock(), FileAccess::Exclusive);
    // A register handed on keeps the lock.
    PersonRegister moved = std::move(next);
    PersonRegister other(file);
    EXPECT_EQ(other.TakeLock(), FileAccess::ReadOnly);
}

TEST(SecondCopy, ALockHolderThatWasKilledDoesNotBlockTheNextStart)
{
    TempDir dir;
    const auto file = dir.file("personen.dat");
    const auto marker = dir.file("holding");
    ChildProcess holder({test::kHoldLockRole, file, marker});
    const auto bound = std::chrono::steady_clock::now() + kChildStartBound;
    while (!std::filesystem::exists(marker) && !holder.poll() &&
           std::chrono::steady_clock::now() < bound)
        std::this_thread::yield();
    ASSERT_TRUE(std::filesystem::exists(marker)) << "the child did not take the lock";

    PersonRegister whileHeld(file);
    EXPECT_EQ(whileHeld.TakeLock(), FileAccess::ReadOnly);

    holder.kill();
    holder.wait();
    // The killed program could not tidy up: its lock file is still there.
    EXPECT_TRUE(std::filesystem::exists(LockFileOf(file)));
    PersonRegister next(file);
    EXPECT_EQ(next.TakeLock(), FileAccess::Exclusive);
    next.StartupFill();
    EXPECT_TRUE(next.AddPerson("Anna", {1981, 4, 8}).ok());
}

TEST(SecondCopy, WhereNoLockFileCanBeMadeTheRegisterWorksAsWithoutALock)
{
    TempDir dir;
    struct Case
    {
        const char* what;
        std::filesystem::path file;
        RegisterResult::Status addResult;
    } const cases[] = {
        // Nothing can be created there: the save fails as it always did.
        {"folder missing", dir.path() / "missing" / "personen.dat",
         RegisterResult::Status::FileError},
        // The lock's name is taken by a folder: the file itself is writable.
        {"lock name taken", dir.file("personen.dat"), RegisterResult::Status::Ok},
    };
    std::filesystem::create_directory(LockFileOf(dir.file("personen.dat")));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PersonRegister persons(c.file);
        EXPECT_EQ(persons.TakeLock(), FileAccess::Unlocked);
        persons.StartupFill();
        EXPECT_EQ(persons.AddPerson("Anna", {1981, 4, 8}).status, c.addResult);
        EXPECT_EQ(persons.PersonCount(), 1);
    }
}

} // namespace
} // namespace cyclo
