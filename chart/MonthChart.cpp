#include "chart/MonthChart.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace cyclo {
namespace {

// The layout in pixels at scale 1; a drawing at scale r multiplies each by r
// and rounds it once.
constexpr int kLeftMargin = 50;   // plot pixel x lies in column kLeftMargin + x
constexpr int kRightMargin = 5;   // columns right of the plot
constexpr int kLabelRows = 20;    // rows under the plot for the day numbers
constexpr int kAmplitudeGap = 10; // the +100 % line lies this many rows below the top
constexpr int kBandTop = 5;       // first row of the day bands
constexpr int kFrameTop = 4;
constexpr int kTickHalfLength = 5;
constexpr int kThinLine = 1; // ticks and frame
constexpr int kZeroLineWidth = 3;
constexpr int kCurvePen = 1;
constexpr int kCurvePassOffset = 1; // each curve twice, one row apart: 2 pixels thick

constexpr int kScaleSteps = 10; // 100 % to -100 % in steps of 20 %
constexpr double kHalfTurn = 180.0;
constexpr double kFullTurnDegrees = 360.0;
constexpr std::int64_t kDegreesPerTurn = 360;
constexpr double kRadiansPerDegree = 0.017453292519943295;

using YTable = std::array<int, kSinTableSize>;

// The layout's lengths at the drawing's scale, in device pixels.
struct Layout
{
    int left = kLeftMargin;
    int right = kRightMargin;
    int labelRows = kLabelRows;
    int amplitudeGap = kAmplitudeGap;
    int bandTop = kBandTop;
    int frameTop = kFrameTop;
    int tickHalfLength = kTickHalfLength;
    int thinLine = kThinLine;
    int zeroLineWidth = kZeroLineWidth;
    int curvePen = kCurvePen;
    int curvePassOffset = kCurvePassOffset;
};

Layout layoutAt(double scale)
{
    const auto scaled = [scale](int length) {
        return static_cast<int>(std::lround(length * scale));
    };
    // Lines stay at least one pixel wide however small the scale.
    const auto pen = [&scaled](int width) { return std::max(scaled(width), 1); };
    Layout layout;
    layout.left = scaled(kLeftMargin);
    layout.right = scaled(kRightMargin);
    layout.labelRows = scaled(kLabelRows);
    layout.amplitudeGap = scaled(kAmplitudeGap);
    layout.bandTop = scaled(kBandTop);
    layout.frameTop = scaled(kFrameTop);
    layout.tickHalfLength = scaled(kTickHalfLength);
    layout.thinLine = pen(kThinLine);
    layout.zeroLineWidth = pen(kZeroLineWidth);
    layout.curvePen = pen(kCurvePen);
    layout.curvePassOffset = pen(kCurvePassOffset);
    return layout;
}

struct Geometry
{
    Layout layout;
    int L = 0;      // left margin
    int w = 0;      // plot width in pixels
    int hb = 0;     // bottom row of the plot
    int mid = 0;    // row of the zero line
    int A = 0;      // amplitude in pixels
    int days = 0;   // days of the viewed month
    double ppd = 0; // pixels per day
};

Geometry computeGeometry(const ChartSurface& surface, const ChartState& state, double scale)
{
    Geometry g;
    g.layout = layoutAt(scale);
    g.L = g.layout.left;
    g.w = surface.width() - g.layout.right - g.L;
    g.hb = surface.height() - g.layout.labelRows;
    g.mid = g.hb / 2;
    g.A = g.mid - g.layout.amplitudeGap;
    g.days = DaysInMonth(state.ChartView.Year, state.ChartView.Month);
    g.ppd = g.w > 0 && g.days > 0 ? static_cast<double>(g.w) / g.days : 0.0;
    return g;
}

// Too small a paint area (or a month that does not exist) leaves no room
// for a meaningful scale or day width.
bool drawable(const Geometry& g)
{
    return g.w >= 1 && g.A >= 1 && g.days >= 1;
}

YTable makeYTable(const Geometry& g)
{
    const auto& sines = SinTable();
    YTable rows{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = static_cast<int>(g.A * sines[i]) + g.mid;
    return rows;
}

// One band per day; the band is filled when the next day's first pixel is
// reached, so its colour is chosen by that next index k -- which is the
// band's day counted from 1. Every second change places a day number.
void drawDayBands(ChartSurface& surface, const Geometry& g, const ChartState& state)
{
    int last = -1;
    int prevX = -1;
    int changes = 0;
    for (int x = 1; x <= g.w + 1; ++x) {
        const int k = static_cast<int>(x / g.ppd);
        if (k == last)
            continue;
        last = k;
        if (k == state.ChartView.Day)
            surface.setSolidBrush(kChartYellow);
        else
            surface.setSolidBrush(k % 2 != 0 ? kChartSilver : kChartGrey);
        if (prevX != -1)
            surface.fillRect(prevX + g.L, g.layout.bandTop, x + g.L, g.hb + 1);
        const int b = x - prevX + 1;
        prevX = x;
        if (++changes == 2) {
            surface.setClearBrush();
            const std::string label = std::to_string(k + 1);
            const int tx = x + g.L + b / 2 - surface.textWidth(label) / 2;
            if (k + 1 <= g.days && tx < g.w + g.L)
                surface.textOut(tx, g.hb + 1, label);
            changes = 0;
        }
    }
}

// Ticks and labels from +100 % at the top to -100 % at the bottom; a label
// that would overlap the one above it is left out.
void drawScale(ChartSurface& surface, const Geometry& g)
{
    surface.setClearBrush();
    // The ticks are always black and thin, whatever pen an earlier drawing on
    // this surface left behind.
    surface.setPenColour(kChartBlack);
    surface.setPenWidth(g.layout.thinLine);
    int lastBottom = -1;
    for (int i = 0; i <= kScaleSteps; ++i) {
        const int y = (g.mid - g.A) + static_cast<int>(std::int64_t{2} * g.A * i / kScaleSteps);
        surface.moveTo(g.L - g.layout.tickHalfLength, y);
        surface.lineTo(g.L + g.layout.tickHalfLength, y);
        const int percent = (kScaleSteps - i) * 200 / kScaleSteps - 100;
        const std::string label = std::to_string(percent) + " %";
        const int th = surface.textHeight(label);
        if (y - th / 2 >= lastBottom) {
            surface.textOut(0, y - th / 2, label);
            lastBottom = y + th / 2;
        }
    }
}

// A frame of thin lines round the plot: its outer edge runs along column
// L - t, row frameTop and the column right of the plot, its inner edge along
// column L - 1, row frameTop + t - 1 and row hb, for lines t pixels wide.
void drawFrameAndZeroLine(ChartSurface& surface, const Geometry& g)
{
    surface.setClearBrush();
    surface.setPenColour(kChartBlack);
    surface.setPenWidth(1);
    const int t = g.layout.thinLine;
    for (int i = 0; i < t; ++i)
        surface.frameRect(g.L - t + i, g.layout.frameTop + i, g.w + g.L + t - i, g.hb + 1 - i);

    surface.setPenWidth(g.layout.zeroLineWidth);
    surface.moveTo(g.L, g.mid);
    surface.lineTo(g.w + g.L, g.mid);
    surface.setPenWidth(1);
}

// The phase is carried as an angle in degrees that grows by `step` per
// pixel; half a turn added makes every curve leave the zero line upwards at
// the day of birth. Whole degrees index the row table.
void drawCurve(ChartSurface& surface, const Geometry& g, const YTable& rows, std::int64_t start,
               const CycleInfo& curve)
{
    const double step = (kFullTurnDegrees / curve.period) / g.ppd;
    surface.setPenColour(curve.colour);
    surface.setPenWidth(g.layout.curvePen);
    for (const int offset : {0, g.layout.curvePassOffset}) {
        double angle = static_cast<double>(start) * step + kHalfTurn;
        for (int x = 1; x <= g.w; ++x) {
            angle += step;
            const auto n = static_cast<std::int64_t>(angle);
            std::int64_t r = n % kDegreesPerTurn;
            if (r < 0)
                r += kDegreesPerTurn;
            const int y = rows[static_cast<std::size_t>(r)] + offset;
            if (x == 1)
                surface.moveTo(x + g.L, y);
            else
                surface.lineTo(x + g.L, y);
        }
    }
}

void drawMonthChart(ChartSurface& surface, const ChartState& state, double scale, Rgb background)
{
    // A scale that is no number or not positive draws at the design size.
    if (!(scale > 0.0 && scale <= kMaxChartScale))
        scale = 1.0;
    surface.setScale(scale);
    surface.setSolidBrush(background);
    surface.fillRect(0, 0, surface.width(), surface.height());

    const Geometry g = computeGeometry(surface, state, scale);
    if (!drawable(g))
        return;
    const YTable rows = makeYTable(g);

    drawDayBands(surface, g, state);
    drawScale(surface, g);
    drawFrameAndZeroLine(surface, g);

    TYmd firstOfMonth = state.ChartView;
    firstOfMonth.Day = 1;
    const std::int32_t daysSinceBirth = DayNumber(firstOfMonth) - DayNumber(state.ChartBirth);
    const auto start = static_cast<std::int64_t>(daysSinceBirth * g.ppd);
    for (std::size_t i = 0; i < kCycles.size(); ++i) {
        if (state.shown[i])
            drawCurve(surface, g, rows, start, kCycles[i]);
    }
}

} // namespace

const std::array<double, kSinTableSize>& SinTable()
{
    static const std::array<double, kSinTableSize> table = [] {
        std::array<double, kSinTableSize> sines{};
        for (std::size_t i = 0; i < sines.size(); ++i)
            sines[i] = std::sin(static_cast<double>(i) * kRadiansPerDegree);
        return sines;
    }();
    return table;
}

void DrawChart(ChartSurface& surface, const ChartState& state, double scale)
{
    drawMonthChart(surface, state, scale, kChartSilver);
}

void zeichneBitmap(ChartSurface& surface, const ChartState& state, double scale)
{
    drawMonthChart(surface, state, scale, kChartWhite);
}

} // namespace cyclo
