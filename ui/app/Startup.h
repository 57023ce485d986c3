#pragma once
// The program's start: the body of main(), shared with the start-up probe of
// the benchmarks.

#include <functional>

namespace cyclo {

// Answers the command line first (--help, --version, an unknown option).
// Then creates the application, the person register (from personen.dat in the
// working directory, or with --user-data in the per-user data folder) and
// every window, shows the main window and runs the
// event loop until the main window closes. `afterStart`, when given, is
// called once the main window is shown and the pending events are
// processed; if it returns false the event loop is not entered.
int RunCyclograph(int& argc, char** argv, const std::function<bool()>& afterStart = {});

} // namespace cyclo
