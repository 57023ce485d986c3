#include "ui/app/Startup.h"

#include "controls/Clock.h"
#include "register/PersonRegister.h"
#include "ui/ProgramWindows.h"
#include "ui/app/CommandLine.h"
#include "ui/app/CyclographApplication.h"
#include "ui/app/FontWarmUp.h"
#include "ui/app/ListFolder.h"

namespace cyclo {

int RunCyclograph(int& argc, char** argv, const std::function<bool()>& afterStart)
{
    const CommandLineChoice choice = HandleCommandLine(argc, argv);
    if (choice.exitCode)
        return *choice.exitCode;
    FontWarmUp fonts;
    CyclographApplication application(argc, argv, &fonts);
    SystemClock clock;
    // Where the list lives is settled here, once; the register keeps the file
    // and its lock there for the whole run.
    const PersonFileLocation location = LocatePersonFile(choice.listFolder);
    if (!location.problem.isEmpty())
        ReportListFolderProblem(location);
    PersonRegister persons(location.file);
    ProgramWindows windows(persons, clock);
    windows.showMainWindow();
    if (afterStart) {
        QCoreApplication::processEvents();
        if (!afterStart())
            return 0;
    }
    return CyclographApplication::exec();
}

} // namespace cyclo
