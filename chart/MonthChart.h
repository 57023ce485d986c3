#pragma once
// The month chart renderer: day bands with their numbers, the percentage
// scale, the frame, the zero line and up to four biorhythm curves, drawn on
// any ChartSurface at that surface's size.

#include "chart/ChartState.h"
#include "chart/ChartSurface.h"

#include <array>

namespace cyclo {

// The chart's fixed colours.
inline constexpr Rgb kChartSilver{192, 192, 192};
inline constexpr Rgb kChartGrey{128, 128, 128};
inline constexpr Rgb kChartYellow{255, 255, 0};
inline constexpr Rgb kChartWhite{255, 255, 255};
inline constexpr Rgb kChartBlack{0, 0, 0};

inline constexpr int kSinTableSize = 361;

// sin(i degrees) for i = 0 .. 360, computed on first use and kept; drawing
// never evaluates a sine.
[[nodiscard]] const std::array<double, kSinTableSize>& SinTable();

// The chart on a silver background, as the chart window shows it.
void DrawChart(ChartSurface& surface, const ChartState& state);

// The same chart on a white background, for printing.
void zeichneBitmap(ChartSurface& surface, const ChartState& state);

} // namespace cyclo
