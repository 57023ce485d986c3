#pragma once
// What the test program does when it is started as a child process (see
// ChildProcess.h): save in a loop, be killed in the middle of saving, or
// hold the lock until killed.

#include <filesystem>
#include <vector>

namespace cyclo::test {

// "save-for <file> <list> <milliseconds>": saves DistinctList(list) into
// <file> over and over for that long. Exit code 0 when every save succeeded,
// kSomeSavesFailed or kNoSaveSucceeded otherwise.
inline constexpr char kSaveForRole[] = "save-for";
inline constexpr int kSomeSavesFailed = 3;
inline constexpr int kNoSaveSucceeded = 5;
// "save-until-killed <file> <progress>": saves two different lists in turn
// until it is killed, marking each save in <progress>: 'S' before it
// starts, 'D' once it is done.
inline constexpr char kSaveUntilKilledRole[] = "save-until-killed";
inline constexpr char kSaveStarted = 'S';
inline constexpr char kSaveDone = 'D';

// "hold-lock <file> <marker>": takes the lock on <file>, creates <marker>
// once it holds it, and then waits until it is killed.
inline constexpr char kHoldLockRole[] = "hold-lock";

// Runs the role named by arguments[0]; returns the exit code.
int RunChildRole(const std::vector<std::filesystem::path>& arguments);

} // namespace cyclo::test
