// main() of the register's tests with several processes: started with
// --child, the program plays a child role instead of running its tests.

#include "tests/register/ChildProcess.h"
#include "tests/register/ChildRoles.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// CommandLineToArgvW, after the types it uses.
#include <shellapi.h>
#endif

namespace {

// The arguments as paths; on Windows from the wide command line, so that a
// folder name outside the ANSI code page arrives intact.
std::vector<std::filesystem::path> Arguments([[maybe_unused]] int argc,
                                             [[maybe_unused]] char** argv)
{
    std::vector<std::filesystem::path> result;
#ifdef _WIN32
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; i < count; ++i)
        result.emplace_back(words[i]);
    LocalFree(words);
#else
    for (int i = 0; i < argc; ++i)
        result.emplace_back(argv[i]);
#endif
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    const auto arguments = Arguments(argc, argv);
    if (arguments.size() >= 2 && arguments[1] == cyclo::test::kChildOption)
        return cyclo::test::RunChildRole({arguments.begin() + 2, arguments.end()});
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
