#pragma once
// The program's command line, read before the application object exists so
// that --help and --version answer without a display.

#include "ui/app/ListFolder.h"

#include <optional>

namespace cyclo {

// What the command line decided.
struct CommandLineChoice
{
    // Set when the program has answered (--help, --version) or refused (an
    // unknown option or an argument, after printing the usage) and must stop
    // with this code.
    std::optional<int> exitCode;
    // Where the list of persons lives: the per-user data folder with
    // --user-data (the desktop entry's start), else the working directory.
    ListFolder listFolder = ListFolder::WorkingDirectory;
};

// Reads the options in argv. Qt's own options (-platform, -style, ...) pass
// through to the application object.
CommandLineChoice HandleCommandLine(int argc, char** argv);

} // namespace cyclo
