#pragma once
// The month chart as the Linux build draws it, with the cells of its texts
// marked, and the search for it in a picture of the Windows program's
// chart window. Glyphs come from each system's own fonts, so a text may
// differ in width and height; everything else must be the same pixel for
// pixel.

#include "calendar/DayNumbering.h"

#include <QImage>
#include <QPoint>

namespace cyclo::test {

struct ChartImage
{
    QImage pixels;   // the chart as the chart window draws it (RGB32)
    QImage textMask; // the same size; non-zero where a text may stand (Grayscale8)
};

// The chart of a person born on `birth`, viewing `view`, with all four
// curves, at the design size of the chart window's paint area times `scale`.
[[nodiscard]] ChartImage LinuxChart(const TYmd& birth, const TYmd& view, double scale);

struct ChartMatch
{
    bool found = false;
    QPoint at;               // where the chart lies in the picture, when found
    QPoint best;             // else the place that came nearest
    long bestDifferences = 0; // and how many compared pixels differ there
    long comparedPixels = 0;
};

// Looks for the chart in `picture` at every place it fits, comparing every
// pixel outside the text mask.
[[nodiscard]] ChartMatch FindChart(const QImage& picture, const ChartImage& chart);

} // namespace cyclo::test
