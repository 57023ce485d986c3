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

// The largest scale a chart is drawn at: a printer of 4800 dots per inch.
inline constexpr double kMaxChartScale = 50.0;

// The chart on a silver background, as the chart window shows it, filling the
// surface, whose pixels are device pixels: at `scale` r every length of the
// layout is r times its size at 1 (rounded once), and bands, ticks and
// curves are computed for every device column.
void DrawChart(ChartSurface& surface, const ChartState& state, double scale = 1.0);

// The same chart on a white background, for printing.
void zeichneBitmap(ChartSurface& surface, const ChartState& state, double scale = 1.0);

} // namespace cyclo
