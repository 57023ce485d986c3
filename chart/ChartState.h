#pragma once
// What the month chart shows: whose biorhythm, which month and day, and which
// of the four curves. The chart window keeps one of these and hands it to the
// renderer at every drawing.

#include "calendar/Cycles.h"
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

// The flag that switches `cycle`'s curve on and off.
[[nodiscard]] constexpr bool ChartState::*ShowFlagOf(Cycle cycle)
{
    switch (cycle) {
    case Cycle::Intellectual:
        return &ChartState::ShowIntellectual;
    case Cycle::Emotional:
        return &ChartState::ShowEmotional;
    case Cycle::Physical:
        return &ChartState::ShowPhysical;
    case Cycle::Intuitive:
        break;
    }
    return &ChartState::ShowIntuitive;
}

} // namespace cyclo
