#pragma once
// Every window of the program, created once, the main window first, and
// living until the program ends. Closing the main window ends the program.

#include "controls/RegionalSettings.h"
#include "ui/AboutBoxUnit.h"
#include "ui/AboutForm.h"
#include "ui/BioUnit.h"
#include "ui/CompErgUnit.h"
#include "ui/CompUnit.h"
#include "ui/PNeuUnit.h"
#include "ui/PersonUnit.h"

namespace cyclo {

class Clock;
class PersonRegister;

class ProgramWindows
{
public:
    // Creating the main window fills the register from the person file.
    ProgramWindows(PersonRegister& persons, Clock& clock);
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    [[nodiscard]] RegionalSettings& regionalSettings() { return regionalSettings_; }
    [[nodiscard]] TPersonForm& personForm() { return personForm_; }
    [[nodiscard]] TBioForm& bioForm() { return bioForm_; }
    [[nodiscard]] TPNeuForm& pneuForm() { return pneuForm_; }
    [[nodiscard]] TCompForm& compForm() { return compForm_; }
    [[nodiscard]] TCompErgebForm& compErgebForm() { return compErgebForm_; }
    [[nodiscard]] TAboutBioForm& aboutBioForm() { return aboutBioForm_; }
    [[nodiscard]] TAboutBox& aboutBox() { return aboutBox_; }

    void showMainWindow();

private:
    // The user's date format, read once the application exists and before the
    // windows whose date fields follow it.
    RegionalSettings regionalSettings_;
    // Members are created in this order, which is the order the windows are
    // created in; later windows take their place between the main window and
    // the information windows. The main window opens all others, so it is
    // their parent: destroyed first, they leave it before it goes.
    TPersonForm personForm_;
    TBioForm bioForm_;
    TPNeuForm pneuForm_;
    TCompForm compForm_;
    TCompErgebForm compErgebForm_;
    TAboutBioForm aboutBioForm_;
    TAboutBox aboutBox_;
};

} // namespace cyclo
