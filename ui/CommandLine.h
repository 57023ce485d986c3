#pragma once
// The program's command line, read before the application object exists so
// that --help and --version answer without a display.

#include <optional>

namespace cyclo {

// Reads the options in argv. Returns the exit code when the program has
// answered (--help, --version) or refused (an unknown option or an argument,
// after printing the usage) and must stop; returns nothing when the program
// should start. Qt's own options (-platform, -style, ...) pass through to the
// application object.
std::optional<int> HandleCommandLine(int argc, char** argv);

} // namespace cyclo
