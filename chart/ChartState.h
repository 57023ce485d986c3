#pragma once
// What the month chart shows: whose biorhythm, which month and day, and which
// of the four curves. The chart window keeps one of these and hands it to the
// renderer at every drawing.

#include "calendar/DayNumbering.h"

namespace cyclo {

struct ChartState
{
    TYmd ChartBirth; // birth date of the person shown
    TYmd ChartView;  // year and month drawn; its day is highlighted
    bool ShowIntellectual = true;
    bool ShowEmotional = true;
    bool ShowPhysical = true;
    bool ShowIntuitive = true;
};

} // namespace cyclo
