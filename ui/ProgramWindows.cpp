#include "ui/ProgramWindows.h"

#include <QCoreApplication>

namespace cyclo {

ProgramWindows::ProgramWindows(PersonRegister& persons, Clock& clock)
    : personForm_(persons), bioForm_(persons, clock, &personForm_),
      pneuForm_(clock, regionalSettings_, &personForm_), compForm_(&personForm_),
      compErgebForm_(&personForm_), aboutBioForm_(&personForm_), aboutBox_(&personForm_)
{
    personForm_.SetWindows({.bio = &bioForm_,
                            .pneu = &pneuForm_,
                            .comp = &compForm_,
                            .compErgeb = &compErgebForm_,
                            .aboutBio = &aboutBioForm_,
                            .aboutBox = &aboutBox_});
    // Closing the main window (close box, Quit or Esc) ends the program.
    QObject::connect(&personForm_, &QDialog::finished, QCoreApplication::instance(),
                     &QCoreApplication::quit);
}

void ProgramWindows::showMainWindow()
{
    personForm_.show();
}

} // namespace cyclo
