// Quellant Cyclograph 2.0: biorhythm charts for a list of persons.

#include "ui/app/Startup.h"

int main(int argc, char** argv)
{
    return cyclo::RunCyclograph(argc, argv);
}
