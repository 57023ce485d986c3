#pragma once
// Where the list of persons lives, decided once at start: in the working
// directory (the program's classic place, and the start from a terminal), or
// in the per-user data folder (the start from the desktop entry, which would
// otherwise drop the list loose in the home folder).

#include <QString>
#include <filesystem>

namespace cyclo {

enum class ListFolder
{
    WorkingDirectory, // personen.dat by its bare name, beside wherever the program runs
    UserData          // the per-user data folder, made on the first start
};

struct PersonFileLocation
{
    // personen.dat, relative for the working directory; its lock lies beside it.
    std::filesystem::path file;
    // Empty, or the message that tells the user why the chosen folder is not
    // used or could not be made.
    QString problem;
};

// The per-user data folder: $XDG_DATA_HOME/quellant-cyclograph on Linux
// (~/.local/share/quellant-cyclograph), %APPDATA%\Quellant\Cyclograph (the
// roaming application data) on Windows and Application Support on macOS.
// Empty when the system names none.
[[nodiscard]] QString UserDataFolder();

// Finds the person file for `folder`, making the per-user data folder when
// it is missing.
[[nodiscard]] PersonFileLocation LocatePersonFile(ListFolder folder);

// Shows the location's problem in a warning box.
void ReportListFolderProblem(const PersonFileLocation& location);

} // namespace cyclo
