#include "ui/app/FormSupport.h"
#include "ui/printing/ChartPrinting.h"
#include "ui/widgets/Part.h"
