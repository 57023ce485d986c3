#pragma once
// Runs this test program again as a child process in one of the roles of
// ChildRoles.h, so that tests can save, lock and be killed from a second
// program, on Linux and on Windows alike.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cyclo::test {

// The option that makes the test program run a child role instead of its tests.
inline constexpr char kChildOption[] = "--child";

class ChildProcess
{
public:
    // Starts `<this program> --child <arguments...>`.
    explicit ChildProcess(const std::vector<std::filesystem::path>& arguments);
    // A child still running is killed and waited for.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Ends the child at once, wherever it is (SIGKILL, TerminateProcess).
    void kill();
    // The exit code once the child has ended, without waiting.
    std::optional<int> poll();
    // Waits for the child to end and returns its exit code.
    int wait();

private:
    std::optional<int> exitCode_;
#ifdef _WIN32
    void* process_ = nullptr;
#else
    int pid_ = -1;
#endif
};

} // namespace cyclo::test
