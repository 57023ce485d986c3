#pragma once
// The four curves as the chart window's legend and the printed page name
// them, in drawing order, with the renderer's colours.

#include "chart/MonthChart.h"

#include <array>

namespace cyclo {

struct LegendEntry
{
    const char* caption;
    Rgb colour;
    bool ChartState::*shown;
};

inline constexpr std::array<LegendEntry, 4> kLegendEntries = {{
    {"Intellectual constitution", kIntellectualColour, &ChartState::ShowIntellectual},
    {"Emotional constitution", kEmotionalColour, &ChartState::ShowEmotional},
    {"Physical constitution", kPhysicalColour, &ChartState::ShowPhysical},
    {"Intuitive constitution", kIntuitiveColour, &ChartState::ShowIntuitive},
}};

} // namespace cyclo
