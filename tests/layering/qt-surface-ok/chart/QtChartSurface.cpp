#include "chart/QtChartSurface.h"
#include "calendar/Cycles.h"

#include <QPainter>
