#include "ui/app/WindowSetUp.h"
#include "ui/printing/ChartPrinting.h"
#include "ui/widgets/Part.h"
