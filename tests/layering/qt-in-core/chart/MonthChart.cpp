#include "chart/MonthChart.h"

#include <QImage>
