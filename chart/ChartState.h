#pragma once
// What the month chart shows: whose biorhythm, which month and day, and which
// of the cycles' curves. The chart window keeps one of these and hands it to
// the renderer at every drawing.

#include "calendar/Cycles.h"
#include "calendar/DayNumbering.h"

namespace cyclo {

struct ChartState
{
    TYmd ChartBirth; // birth date of the person shown
    TYmd ChartView;  // year and month drawn; its day is highlighted
    // The curves shown, one flag per cycle of kCycles; all at first. The
    // legend sets them, the renderer and the day's texts read them.
    CycleSelection shown = kAllCycles;

    [[nodiscard]] constexpr bool shows(Cycle cycle) const { return shown[IndexOf(cycle)]; }
    constexpr void show(Cycle cycle, bool on) { shown[IndexOf(cycle)] = on; }

    // The show flags by their names.
    [[nodiscard]] constexpr bool ShowIntellectual() const { return shows(Cycle::Intellectual); }
    [[nodiscard]] constexpr bool ShowEmotional() const { return shows(Cycle::Emotional); }
    [[nodiscard]] constexpr bool ShowPhysical() const { return shows(Cycle::Physical); }
    [[nodiscard]] constexpr bool ShowIntuitive() const { return shows(Cycle::Intuitive); }
};

} // namespace cyclo
