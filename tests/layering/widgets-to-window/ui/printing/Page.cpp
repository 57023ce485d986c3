#include "chart/MonthChart.h"
#include "ui/CompErgUnit.h"
#include "ui/widgets/WindowLook.h"
