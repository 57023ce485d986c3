#include "ui/Startup.h"

#include "controls/Clock.h"
#include "register/PersonRegister.h"
#include "ui/CommandLine.h"
#include "ui/CyclographApplication.h"
#include "ui/FontWarmUp.h"
#include "ui/ProgramWindows.h"

namespace cyclo {

int RunCyclograph(int& argc, char** argv, const std::function<bool()>& afterStart)
{
    if (const std::optional<int> exitCode = HandleCommandLine(argc, argv))
        return *exitCode;
    FontWarmUp fonts;
    CyclographApplication application(argc, argv, &fonts);
    SystemClock clock;
    PersonRegister persons;
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
