#include "tests/register/ChildProcess.h"

#include <stdexcept>
#include <system_error>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace cyclo::test {

#ifdef _WIN32

namespace {

std::filesystem::path ThisProgram()
{
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);
    }
}

// Our arguments hold no quotes; quoting each one keeps spaces in paths.
std::wstring Quoted(const std::filesystem::path& argument)
{
    return L"\"" + argument.wstring() + L"\"";
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::filesystem::path>& arguments)
{
    const std::filesystem::path program = ThisProgram();
    std::wstring commandLine = Quoted(program) + L" " + Quoted(kChildOption);
    for (const auto& argument : arguments)
        commandLine += L" " + Quoted(argument);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "cannot start the child process");
    CloseHandle(info.hThread);
    process_ = info.hProcess;
}

ChildProcess::~ChildProcess()
{
    if (!exitCode_) {
        kill();
        wait();
    }
    CloseHandle(process_);
}

void ChildProcess::kill()
{
    if (!exitCode_)
        TerminateProcess(process_, 1);
}

std::optional<int> ChildProcess::poll()
{
    if (!exitCode_ && WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(process_, &code);
        exitCode_ = static_cast<int>(code);
    }
    return exitCode_;
}

int ChildProcess::wait()
{
    if (!exitCode_)
        WaitForSingleObject(process_, INFINITE);
    return *poll();
}

#else

ChildProcess::ChildProcess(const std::vector<std::filesystem::path>& arguments)
{
    const std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
    std::vector<std::string> words{program, kChildOption};
    for (const auto& argument : arguments)
        words.push_back(argument.string());
    std::vector<char*> argv;
    for (auto& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    if (const int error =
            posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv.data(), environ))
        throw std::system_error(error, std::generic_category(), "cannot start the child process");
}

ChildProcess::~ChildProcess()
{
    if (!exitCode_) {
        kill();
        wait();
    }
}

void ChildProcess::kill()
{
    if (!exitCode_)
        ::kill(pid_, SIGKILL);
}

namespace {

int ExitCode(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

std::optional<int> ChildProcess::poll()
{
    int status = 0;
    if (!exitCode_ && waitpid(pid_, &status, WNOHANG) == pid_)
        exitCode_ = ExitCode(status);
    return exitCode_;
}

int ChildProcess::wait()
{
    int status = 0;
    if (!exitCode_ && waitpid(pid_, &status, 0) == pid_)
        exitCode_ = ExitCode(status);
    return exitCode_.value_or(-1);
}

#endif

} // namespace cyclo::test
