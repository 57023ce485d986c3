#pragma once
// Where the program keeps the list when started with --user-data: a folder
// below the per-user data base that an environment variable names, which a
// test points at a folder of its own.

#include <filesystem>

namespace cyclo::test {

#ifdef _WIN32
// The roaming application data, %APPDATA%\Quellant\Cyclograph.
inline constexpr char kUserDataBaseVariable[] = "APPDATA";
inline std::filesystem::path UserDataFolderIn(const std::filesystem::path& base)
{
    return base / "Quellant" / "Cyclograph";
}
#else
// $XDG_DATA_HOME/quellant-cyclograph.
inline constexpr char kUserDataBaseVariable[] = "XDG_DATA_HOME";
inline std::filesystem::path UserDataFolderIn(const std::filesystem::path& base)
{
    return base / "quellant-cyclograph";
}
#endif

} // namespace cyclo::test
