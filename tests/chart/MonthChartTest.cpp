#include "chart/MonthChart.h"

#include "chart/RecordingSurface.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace cyclo {
namespace {

using test::RecordedCall;
using test::RecordingSurface;
using Kind = RecordedCall::Kind;

constexpr int kDesignWidth = 418;
constexpr int kDesignHeight = 283;
constexpr int L = 50;

// Design-size geometry.
constexpr int kW = 363;
constexpr int kHb = 263;
constexpr int kMid = 131;
constexpr int kA = 121;

ChartState chartOf(TYmd birth, TYmd view)
{
    ChartState state;
    state.ChartBirth = birth;
    state.ChartView = view;
    return state;
}

ChartState withoutCurves(ChartState state)
{
    state.shown = {};
    return state;
}

RecordingSurface drawChart(int width, int height, const ChartState& state)
{
    RecordingSurface surface(width, height);
    DrawChart(surface, state);
    return surface;
}

// The day bands: every fill after the background.
std::vector<RecordedCall> bandsOf(const RecordingSurface& surface)
{
    auto fills = surface.ofKind(Kind::Fill);
    fills.erase(fills.begin());
    return fills;
}

std::vector<RecordedCall> linesIn(const RecordingSurface& surface, Rgb colour, int penWidth = 1)
{
    std::vector<RecordedCall> found;
    for (const auto& line : surface.ofKind(Kind::Line)) {
        if (line.colour == colour && line.penWidth == penWidth)
            found.push_back(line);
    }
    return found;
}

// Labels under the plot (day numbers) or left of it (the scale).
std::vector<RecordedCall> textsAt(const RecordingSurface& surface, bool dayLabels, int hb)
{
    std::vector<RecordedCall> found;
    for (const auto& text : surface.ofKind(Kind::Text)) {
        if ((text.y0 == hb + 1) == dayLabels)
            found.push_back(text);
    }
    return found;
}

int textWidthOf(const RecordedCall& text)
{
    return RecordingSurface::kCharWidth * static_cast<int>(text.text.size());
}

// The first plot column (counted from 1) of day `day` when `days` days share
// w columns: the columns x of day d are those with x x days / w, truncated,
// equal to d - 1; day 1 starts at column 1. (At the widths used here the
// renderer's double quotient never falls short of the exact one.)
int firstColumnOfDay(int day, int w, int days)
{
    if (day == 1)
        return 1;
    return ((day - 1) * w + days - 1) / days;
}

const ChartState kSeptember = withoutCurves(chartOf({1970, 3, 5}, {2001, 9, 15}));

TEST(MonthChartGeometry, DesignSizeFrameZeroLineAndTicks)
{
    const auto surface = drawChart(kDesignWidth, kDesignHeight, kSeptember);

    const auto frames = surface.ofKind(Kind::Frame);
    ASSERT_EQ(frames.size(), 1U);
    EXPECT_EQ(frames[0].x0, L - 1);
    EXPECT_EQ(frames[0].y0, 4);
    EXPECT_EQ(frames[0].x1, kW + L + 1);
    EXPECT_EQ(frames[0].y1, kHb + 1);
    EXPECT_EQ(frames[0].colour, kChartBlack);

    const auto zero = linesIn(surface, kChartBlack, 3);
    ASSERT_EQ(zero.size(), 1U);
    EXPECT_EQ(zero[0].x0, L);
    EXPECT_EQ(zero[0].x1, kW + L);
    EXPECT_EQ(zero[0].y0, kMid);
    EXPECT_EQ(zero[0].y1, kMid);

    std::vector<int> tickRows;
    for (const auto& tick : linesIn(surface, kChartBlack, 1)) {
        EXPECT_EQ(tick.x0, L - 5);
        EXPECT_EQ(tick.x1, L + 5);
        EXPECT_EQ(tick.y0, tick.y1);
        tickRows.push_back(tick.y0);
    }
    EXPECT_EQ(tickRows, (std::vector<int>{10, 34, 58, 82, 106, 131, 155, 179, 203, 227, 252}));
    EXPECT_EQ(tickRows.front(), kMid - kA);
    EXPECT_EQ(tickRows.back(), kMid + kA);
}

TEST(MonthChartGeometry, ScaleLabelsSitBesideTheirTicksAtDesignSize)
{
    const auto surface = drawChart(kDesignWidth, kDesignHeight, kSeptember);
    const auto labels = textsAt(surface, false, kHb);
    const std::vector<std::string> expected = {"100 %", "80 %",  "60 %",  "40 %",  "20 %",  "0 %",
                                               "-20 %", "-40 %", "-60 %", "-80 %", "-100 %"};
    const int rows[] = {10, 34, 58, 82, 106, 131, 155, 179, 203, 227, 252};
    ASSERT_EQ(labels.size(), expected.size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(labels[i].text, expected[i]);
        EXPECT_EQ(labels[i].x0, 0);
        EXPECT_EQ(labels[i].y0, rows[i] - RecordingSurface::kTextHeight / 2);
        EXPECT_FALSE(labels[i].opaque);
    }
}

TEST(MonthChartGeometry, ScaleLabelsThinOutFromTheTopOnSmallCharts)
{
    const int half = RecordingSurface::kTextHeight / 2;
    for (int height = 42; height <= 160; ++height) {
        SCOPED_TRACE(height);
        const auto surface = drawChart(kDesignWidth, height, kSeptember);
        const auto labels = textsAt(surface, false, height - 20);
        const auto ticks = linesIn(surface, kChartBlack, 1);
        ASSERT_EQ(ticks.size(), 11U);
        ASSERT_FALSE(labels.empty());
        EXPECT_EQ(labels.front().text, "100 %");

        // A tick goes without its label only when that label would reach
        // into the one drawn above it.
        std::size_t next = 0;
        int lastBottom = -1;
        for (const auto& tick : ticks) {
            if (next < labels.size() && labels[next].y0 == tick.y0 - half) {
                EXPECT_GE(labels[next].y0, lastBottom);
                lastBottom = tick.y0 + half;
                ++next;
            } else {
                EXPECT_LT(tick.y0 - half, lastBottom);
            }
        }
        EXPECT_EQ(next, labels.size());
        if (height < 100) {
            EXPECT_LT(labels.size(), 11U);
        }
    }
}

TEST(MonthChartBands, DayTwoOfAThirtyDayMonthAtDesignSize)
{
    const auto surface = drawChart(kDesignWidth, kDesignHeight, kSeptember);
    const auto bands = bandsOf(surface);
    ASSERT_EQ(bands.size(), 30U);
    EXPECT_EQ(bands[0].x0, L + 1);
    EXPECT_EQ(bands[1].x0, 63);
    EXPECT_EQ(bands[1].x1 - 1, 74);
    EXPECT_EQ(bands[1].y0, 5);
    EXPECT_EQ(bands[1].y1, kHb + 1);

    const auto labels = textsAt(surface, true, kHb);
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labels[0].text, "2");
    // Day 1's band is columns 51 to 62, 12 wide: the label starts half of
    // 12 + 1 right of column 63, less half its own width.
    EXPECT_EQ(labels[0].x0, 63 + 13 / 2 - textWidthOf(labels[0]) / 2);
}

TEST(MonthChartBands, BandsTileThePlotInDayColoursWithTheViewedDayYellow)
{
    struct Case
    {
        TYmd view;
        int days;
    } const cases[] = {{{2001, 9, 15}, 30}, {{2024, 2, 29}, 29}, {{2023, 2, 1}, 28},
                       {{2001, 1, 31}, 31}, {{2000, 2, 2}, 29},  {{1900, 2, 28}, 28}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.view.Year << "-" << c.view.Month);
        const auto surface =
            drawChart(kDesignWidth, kDesignHeight, withoutCurves(chartOf({1970, 1, 1}, c.view)));
        const auto bands = bandsOf(surface);
        ASSERT_EQ(bands.size(), static_cast<std::size_t>(c.days));
        int expectedLeft = L + 1;
        for (int day = 1; day <= c.days; ++day) {
            SCOPED_TRACE(day);
            const auto& band = bands[static_cast<std::size_t>(day - 1)];
            EXPECT_EQ(band.x0, expectedLeft);
            EXPECT_GT(band.x1, band.x0);
            expectedLeft = band.x1;
            const Rgb expected = day == c.view.Day ? kChartYellow
                                 : day % 2 == 0    ? kChartGrey
                                                   : kChartSilver;
            EXPECT_EQ(band.colour, expected);
        }
        EXPECT_GE(expectedLeft, kW + L);
        EXPECT_LE(expectedLeft, kW + L + 1);
    }
}

TEST(MonthChartBands, DayLabelsStandCentredUnderEveryEvenDay)
{
    for (const TYmd view : {TYmd{2001, 9, 1}, TYmd{2001, 12, 1}, TYmd{2024, 2, 1}}) {
        SCOPED_TRACE(view.Month);
        const auto surface =
            drawChart(kDesignWidth, kDesignHeight, withoutCurves(chartOf({1970, 1, 1}, view)));
        const auto bands = bandsOf(surface);
        const auto labels = textsAt(surface, true, kHb);
        const int days = DaysInMonth(view.Year, view.Month);
        ASSERT_EQ(labels.size(), static_cast<std::size_t>(days / 2));
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const int day = 2 * static_cast<int>(i + 1);
            SCOPED_TRACE(day);
            EXPECT_EQ(labels[i].text, std::to_string(day));
            EXPECT_FALSE(labels[i].opaque);
            // At the band's first column plus half of one more than the
            // previous band's width, less half the text's width; the
            // columns are counted here from the day boundaries d x w / days.
            const int start = L + firstColumnOfDay(day, kW, days);
            const int previousWidth = start - (L + firstColumnOfDay(day - 1, kW, days));
            EXPECT_EQ(labels[i].x0, start + (previousWidth + 1) / 2 - textWidthOf(labels[i]) / 2);
            EXPECT_EQ(bands[static_cast<std::size_t>(day - 1)].x0, start);
        }
    }
}

TEST(MonthChartBands, NoLabelForADayPastTheMonthOrPastThePlotAtAnyWidth)
{
    for (const TYmd view :
         {TYmd{2024, 2, 1}, TYmd{2023, 2, 1}, TYmd{2001, 9, 1}, TYmd{2001, 8, 1}}) {
        const int days = DaysInMonth(view.Year, view.Month);
        for (int width = 56; width <= 1200; ++width) {
            SCOPED_TRACE(testing::Message() << "days " << days << " width " << width);
            const auto surface = drawChart(width, 120, withoutCurves(chartOf({1970, 1, 1}, view)));
            const int w = width - 55;
            int previous = 0;
            for (const auto& label : textsAt(surface, true, 100)) {
                const int day = std::stoi(label.text);
                EXPECT_LE(day, days);
                // At a pixel per day or less, days are skipped and so
                // the labels are no longer every second day.
                if (w > days) {
                    EXPECT_EQ(day % 2, 0);
                }
                EXPECT_GT(day, previous);
                EXPECT_LT(label.x0, w + L);
                previous = day;
            }
        }
    }
}

TEST(MonthChartCurves, BornOnTheFirstStartsAtTheZeroLineAndRises)
{
    const auto surface =
        drawChart(kDesignWidth, kDesignHeight, chartOf({2001, 9, 1}, {2001, 9, 20}));
    const double ppd = kW / 30.0;
    struct Case
    {
        Rgb colour;
        int period;
    } const cases[] = {
        {Rgb{0, 255, 0}, 33}, {Rgb{255, 0, 0}, 28}, {Rgb{0, 0, 255}, 23}, {Rgb{255, 0, 255}, 38}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.period);
        const auto lines = linesIn(surface, c.colour);
        ASSERT_EQ(lines.size(), 2U * (kW - 1));
        EXPECT_EQ(lines[0].x0, L + 1);
        // The first pixel is one step of a degree or so past the birth.
        EXPECT_GE(lines[0].y0, kMid - 2);
        EXPECT_LE(lines[0].y0, kMid);
        // Up to the first crest (a quarter period) the curve only climbs.
        const int crest = static_cast<int>(c.period * ppd / 4);
        for (int i = 1; i < crest - 1; ++i)
            EXPECT_LE(lines[static_cast<std::size_t>(i)].y0,
                      lines[static_cast<std::size_t>(i - 1)].y0);
        EXPECT_LE(lines[static_cast<std::size_t>(crest - 1)].y0, kMid - kA + 2);
    }
}

TEST(MonthChartCurves, EachCurveIsDrawnTwiceOneRowApartOnlyWhenShown)
{
    const ChartState shown = chartOf({1981, 4, 8}, {2001, 9, 15});
    struct Case
    {
        Cycle cycle;
        Rgb colour;
    } const cases[] = {{Cycle::Intellectual, Rgb{0, 255, 0}},
                       {Cycle::Emotional, Rgb{255, 0, 0}},
                       {Cycle::Physical, Rgb{0, 0, 255}},
                       {Cycle::Intuitive, Rgb{255, 0, 255}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.colour.red << "," << c.colour.green);
        ChartState only = withoutCurves(shown);
        only.show(c.cycle, true);
        const auto surface = drawChart(kDesignWidth, kDesignHeight, only);
        const auto lines = linesIn(surface, c.colour);
        ASSERT_EQ(lines.size(), 2U * (kW - 1));
        EXPECT_EQ(surface.ofKind(Kind::Line).size(), lines.size() + 12U);
        const std::size_t pass = kW - 1;
        for (std::size_t i = 0; i < pass; ++i) {
            EXPECT_EQ(lines[i].x0, L + 1 + static_cast<int>(i));
            EXPECT_EQ(lines[i].x1, lines[i].x0 + 1);
            EXPECT_EQ(lines[pass + i].x0, lines[i].x0);
            EXPECT_EQ(lines[pass + i].y0, lines[i].y0 + 1);
            EXPECT_EQ(lines[pass + i].y1, lines[i].y1 + 1);
        }
    }
}

TEST(MonthChartCurves, AreDrawnAfterEverythingElseInCycleOrder)
{
    const auto surface =
        drawChart(kDesignWidth, kDesignHeight, chartOf({1981, 4, 8}, {2001, 9, 15}));
    std::vector<Rgb> order;
    bool pastZeroLine = false;
    for (const auto& call : surface.calls) {
        if (call.kind == Kind::Line && call.penWidth == 3) {
            pastZeroLine = true;
            continue;
        }
        if (!pastZeroLine)
            continue;
        EXPECT_EQ(call.kind, Kind::Line);
        if (order.empty() || !(order.back() == call.colour))
            order.push_back(call.colour);
    }
    EXPECT_EQ(order,
              (std::vector<Rgb>{Rgb{0, 255, 0}, Rgb{255, 0, 0}, Rgb{0, 0, 255}, Rgb{255, 0, 255}}));
}

TEST(MonthChartCurves, AllFlagsOffDrawsNoCurve)
{
    const auto surface = drawChart(kDesignWidth, kDesignHeight, kSeptember);
    const auto lines = surface.ofKind(Kind::Line);
    EXPECT_EQ(lines.size(), 12U);
    for (const auto& line : lines)
        EXPECT_EQ(line.colour, kChartBlack);
}

TEST(MonthChartCurves, StayInsideTheScaleWhateverTheDistanceToTheBirth)
{
    struct Case
    {
        TYmd birth;
        TYmd view;
    } const cases[] = {
        {{2001, 9, 20}, {2001, 8, 1}}, // the month before the birth
        {{2001, 9, 20}, {2001, 9, 1}}, // the birth month itself
        {{1990, 6, 15}, {1950, 1, 1}}, // decades before
        {{9999, 12, 31}, {0, 1, 1}},   // as far before as dates go
        {{0, 1, 1}, {9999, 12, 31}},   // as far after
        {{65535, 12, 31}, {0, 1, 1}},  // a damaged birth year
    };
    for (const auto& c : cases) {
        for (const int width : {60, 418, 1280, 3840}) {
            SCOPED_TRACE(testing::Message() << c.birth.Year << "/" << c.view.Year << " " << width);
            const int height = std::max(width * 2 / 3, 100);
            const int mid = (height - 20) / 2;
            const int amplitude = mid - 10;
            const auto surface = drawChart(width, height, chartOf(c.birth, c.view));
            std::size_t curveLines = 0;
            for (const auto& line : surface.ofKind(Kind::Line)) {
                if (line.colour == kChartBlack)
                    continue;
                ++curveLines;
                EXPECT_GE(std::min(line.y0, line.y1), mid - amplitude);
                EXPECT_LE(std::max(line.y0, line.y1), mid + amplitude + 1);
            }
            EXPECT_EQ(curveLines, 4U * 2U * static_cast<std::size_t>(width - 56));
        }
    }
}

TEST(MonthChart, TooSmallAnAreaGetsOnlyTheBackground)
{
    struct Case
    {
        int width;
        int height;
    } const cases[] = {{0, 0}, {1, 1}, {55, 283}, {418, 41}, {10, 10}, {418, 0}, {0, 283}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        const auto surface = drawChart(c.width, c.height, chartOf({1970, 1, 1}, {2001, 9, 1}));
        ASSERT_EQ(surface.calls.size(), 1U);
        EXPECT_EQ(surface.calls[0].kind, Kind::Fill);
        EXPECT_EQ(surface.calls[0].colour, kChartSilver);
        EXPECT_EQ(surface.calls[0].x1, c.width);
        EXPECT_EQ(surface.calls[0].y1, c.height);
    }
}

TEST(MonthChart, SmallestDrawableAreaDrawsAChart)
{
    const auto surface = drawChart(56, 42, chartOf({1970, 1, 1}, {2001, 9, 1}));
    EXPECT_EQ(surface.ofKind(Kind::Frame).size(), 1U);
    EXPECT_EQ(linesIn(surface, kChartBlack, 3).size(), 1U);
}

TEST(MonthChart, AMonthThatDoesNotExistGetsOnlyTheBackground)
{
    const auto surface =
        drawChart(kDesignWidth, kDesignHeight, chartOf({1970, 1, 1}, {2001, 13, 1}));
    EXPECT_EQ(surface.calls.size(), 1U);
}

TEST(MonthChart, PrintVariantIsTheSameChartOnWhite)
{
    const ChartState state = chartOf({1981, 4, 8}, {2001, 9, 15});
    auto screen = drawChart(kDesignWidth, kDesignHeight, state);
    RecordingSurface print(kDesignWidth, kDesignHeight);
    zeichneBitmap(print, state);

    ASSERT_EQ(print.calls.size(), screen.calls.size());
    EXPECT_EQ(screen.calls[0].colour, kChartSilver);
    EXPECT_EQ(print.calls[0].colour, kChartWhite);
    for (std::size_t i = 1; i < print.calls.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(print.calls[i].kind, screen.calls[i].kind);
        EXPECT_EQ(print.calls[i].x0, screen.calls[i].x0);
        EXPECT_EQ(print.calls[i].y0, screen.calls[i].y0);
        EXPECT_EQ(print.calls[i].x1, screen.calls[i].x1);
        EXPECT_EQ(print.calls[i].y1, screen.calls[i].y1);
        EXPECT_EQ(print.calls[i].colour, screen.calls[i].colour);
        EXPECT_EQ(print.calls[i].text, screen.calls[i].text);
    }
}

TEST(MonthChart, TicksAreBlackWhateverPenAnEarlierDrawingLeft)
{
    RecordingSurface surface(kDesignWidth, kDesignHeight);
    surface.setPenColour(Rgb{255, 0, 255});
    surface.setPenWidth(3);
    zeichneBitmap(surface, kSeptember);
    EXPECT_EQ(linesIn(surface, kChartBlack, 1).size(), 11U);
}

TEST(SinTable, HoldsTheSineOfEveryWholeDegree)
{
    const auto& table = SinTable();
    EXPECT_EQ(&table, &SinTable());
    EXPECT_EQ(table[0], 0.0);
    EXPECT_DOUBLE_EQ(table[30], 0.5);
    EXPECT_DOUBLE_EQ(table[90], 1.0);
    EXPECT_NEAR(table[180], 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(table[270], -1.0);
    EXPECT_NEAR(table[360], 0.0, 1e-15);
}

// The layout at scale r, from its definition: every length of the design
// layout times r, rounded once; pens at least 1 pixel wide.
struct ScaledLayout
{
    int L, right, labelRows, gap, bandTop, frameTop, tick, thin, zero, pen, offset;
    int w, hb, mid, A;
};

ScaledLayout layoutAt(int width, int height, double r)
{
    const auto scaled = [r](int length) { return static_cast<int>(std::lround(length * r)); };
    ScaledLayout g{};
    g.L = scaled(50);
    g.right = scaled(5);
    g.labelRows = scaled(20);
    g.gap = scaled(10);
    g.bandTop = scaled(5);
    g.frameTop = scaled(4);
    g.tick = scaled(5);
    g.thin = std::max(scaled(1), 1);
    g.zero = std::max(scaled(3), 1);
    g.pen = std::max(scaled(1), 1);
    g.offset = std::max(scaled(1), 1);
    g.w = width - g.right - g.L;
    g.hb = height - g.labelRows;
    g.mid = g.hb / 2;
    g.A = g.mid - g.gap;
    return g;
}

struct ScaleCase
{
    double r;
    int width;
    int height;
};

// The design size at 200 %, 150 % and the fractional ratios in between, and
// a larger window at 200 %.
const ScaleCase kScales[] = {
    {2.0, 836, 566}, {1.5, 627, 424}, {1.25, 522, 353}, {1.75, 731, 495}, {2.0, 1280, 900},
};

TEST(MonthChartAtScale, TheLayoutIsTheDesignLayoutTimesTheScaleRoundedOnce)
{
    // The chart window's design size at 200 %, counted by hand.
    const ScaledLayout twice = layoutAt(836, 566, 2.0);
    EXPECT_EQ(twice.L, 100);
    EXPECT_EQ(twice.w, 726);
    EXPECT_EQ(twice.hb, 526);
    EXPECT_EQ(twice.mid, 263);
    EXPECT_EQ(twice.A, 243);
    // At 150 % 7.5 rounds to 8 and 4.5 to 5.
    const ScaledLayout half = layoutAt(627, 424, 1.5);
    EXPECT_EQ(half.right, 8);
    EXPECT_EQ(half.bandTop, 8);
    EXPECT_EQ(half.tick, 8);
    EXPECT_EQ(half.zero, 5);
    EXPECT_EQ(half.w, 544);

    for (const auto& c : kScales) {
        SCOPED_TRACE(testing::Message() << c.r << " " << c.width << "x" << c.height);
        const ScaledLayout g = layoutAt(c.width, c.height, c.r);
        RecordingSurface surface(c.width, c.height);
        DrawChart(surface, kSeptember, c.r);
        EXPECT_EQ(surface.scale, c.r);

        // The frame: as many nested outlines as a thin line is wide, the
        // outermost one column left of the plot's margin minus that width.
        const auto frames = surface.ofKind(Kind::Frame);
        ASSERT_EQ(frames.size(), static_cast<std::size_t>(g.thin));
        for (int i = 0; i < g.thin; ++i) {
            const auto& frame = frames[static_cast<std::size_t>(i)];
            EXPECT_EQ(frame.x0, g.L - g.thin + i);
            EXPECT_EQ(frame.y0, g.frameTop + i);
            EXPECT_EQ(frame.x1, g.w + g.L + g.thin - i);
            EXPECT_EQ(frame.y1, g.hb + 1 - i);
        }

        const auto zero = linesIn(surface, kChartBlack, g.zero);
        ASSERT_EQ(zero.size(), 1U);
        EXPECT_EQ(zero[0].x0, g.L);
        EXPECT_EQ(zero[0].x1, g.w + g.L);
        EXPECT_EQ(zero[0].y0, g.mid);

        const auto ticks = linesIn(surface, kChartBlack, g.thin);
        ASSERT_EQ(ticks.size(), 11U);
        for (int i = 0; i <= 10; ++i) {
            const auto& tick = ticks[static_cast<std::size_t>(i)];
            EXPECT_EQ(tick.x0, g.L - g.tick);
            EXPECT_EQ(tick.x1, g.L + g.tick);
            EXPECT_EQ(tick.y0, g.mid - g.A + 2 * g.A * i / 10);
        }

        // One band per day, starting where its day starts in device columns,
        // from the band top to the plot's bottom row.
        const auto bands = bandsOf(surface);
        ASSERT_EQ(bands.size(), 30U);
        for (int day = 1; day <= 30; ++day) {
            const auto& band = bands[static_cast<std::size_t>(day - 1)];
            EXPECT_EQ(band.x0, g.L + firstColumnOfDay(day, g.w, 30)) << day;
            EXPECT_EQ(band.x1, g.L + firstColumnOfDay(day + 1, g.w, 30)) << day;
            EXPECT_EQ(band.y0, g.bandTop);
            EXPECT_EQ(band.y1, g.hb + 1);
        }

        // Day labels under every even day, on the row under the plot.
        const auto labels = textsAt(surface, true, g.hb);
        ASSERT_EQ(labels.size(), 15U);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const int day = 2 * static_cast<int>(i + 1);
            const int start = g.L + firstColumnOfDay(day, g.w, 30);
            const int previousWidth = start - (g.L + firstColumnOfDay(day - 1, g.w, 30));
            EXPECT_EQ(labels[i].x0, start + (previousWidth + 1) / 2 - textWidthOf(labels[i]) / 2);
        }
    }
}

// Rounding happens once, for the layout: after that a band is as wide as its
// day's columns, either of the two whole numbers round the day width, and no
// line is wider in one place than in another.
TEST(MonthChartAtScale, BandsDifferOnlyByTheDayWidthsRounding)
{
    for (const auto& c : kScales) {
        for (const TYmd view : {TYmd{2024, 2, 10}, TYmd{2001, 1, 10}, TYmd{2001, 9, 10}}) {
            SCOPED_TRACE(testing::Message() << c.r << " " << c.width << " " << view.Month);
            const ScaledLayout g = layoutAt(c.width, c.height, c.r);
            RecordingSurface surface(c.width, c.height);
            DrawChart(surface, withoutCurves(chartOf({1970, 1, 1}, view)), c.r);
            const int days = DaysInMonth(view.Year, view.Month);
            const double dayWidth = static_cast<double>(g.w) / days;
            const auto bands = bandsOf(surface);
            ASSERT_EQ(bands.size(), static_cast<std::size_t>(days));
            // Day 1 starts at plot column 1, not 0, and the last band ends
            // with the plot.
            for (std::size_t i = 1; i + 1 < bands.size(); ++i) {
                const int width = bands[i].x1 - bands[i].x0;
                EXPECT_TRUE(width == static_cast<int>(std::floor(dayWidth)) ||
                            width == static_cast<int>(std::ceil(dayWidth)))
                    << i << ": " << width;
            }
            for (const auto& line : surface.ofKind(Kind::Line))
                EXPECT_TRUE(line.penWidth == g.thin || line.penWidth == g.zero);
        }
    }
}

// Curve rows recomputed from the chart's formulas: the pixel offset of the
// month's first day truncated toward zero, the angle growing by the degrees
// per pixel from half a turn on, whole degrees with a negative remainder
// turned positive, and the row table of the truncated sine.
std::vector<int> curveRows(const ScaledLayout& g, int days, int daysSinceBirth, int period)
{
    constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
    const double ppd = static_cast<double>(g.w) / days;
    const auto start = static_cast<std::int64_t>(daysSinceBirth * ppd);
    const double step = (360.0 / period) / ppd;
    double angle = static_cast<double>(start) * step + 180.0;
    std::vector<int> rows;
    for (int x = 1; x <= g.w; ++x) {
        angle += step;
        std::int64_t degrees = static_cast<std::int64_t>(angle) % 360;
        if (degrees < 0)
            degrees += 360;
        rows.push_back(
            static_cast<int>(g.A * std::sin(static_cast<double>(degrees) * kRadiansPerDegree)) +
            g.mid);
    }
    return rows;
}

TEST(MonthChartCurves, RowsFollowTheFormulasInEveryDeviceColumn)
{
    struct Case
    {
        const char* what;
        TYmd birth;
        TYmd view;
        int daysSinceBirth; // from the birth to the first of the viewed month
        double r;
        int width;
        int height;
    } const cases[] = {
        {"born on the first", {2001, 9, 1}, {2001, 9, 20}, 0, 1.0, 418, 283},
        {"years later", {2001, 6, 1}, {2003, 7, 10}, 365 + 365 + 30, 1.0, 418, 283},
        {"fifty days before the birth", {2001, 9, 20}, {2001, 8, 10}, -50, 1.0, 418, 283},
        {"a year before the birth", {2001, 9, 20}, {2000, 9, 10}, -384, 1.0, 600, 400},
        {"years later at 200 %", {2001, 6, 1}, {2003, 7, 10}, 760, 2.0, 836, 566},
        {"before the birth at 150 %", {2001, 9, 20}, {2001, 8, 10}, -50, 1.5, 627, 424},
        {"before the birth at 175 %", {2001, 9, 20}, {2000, 9, 10}, -384, 1.75, 731, 495},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ScaledLayout g = layoutAt(c.width, c.height, c.r);
        const int days = DaysInMonth(c.view.Year, c.view.Month);
        RecordingSurface surface(c.width, c.height);
        DrawChart(surface, chartOf(c.birth, c.view), c.r);
        for (const CycleInfo& cycle : kCycles) {
            SCOPED_TRACE(cycle.period);
            const std::vector<int> rows = curveRows(g, days, c.daysSinceBirth, cycle.period);
            const auto lines = linesIn(surface, cycle.colour, g.pen);
            ASSERT_EQ(lines.size(), 2U * static_cast<std::size_t>(g.w - 1));
            for (int pass = 0; pass < 2; ++pass) {
                const int offset = pass == 0 ? 0 : g.offset;
                for (int x = 1; x < g.w; ++x) {
                    const auto& line = lines[static_cast<std::size_t>(pass * (g.w - 1) + x - 1)];
                    ASSERT_EQ(line.x0, g.L + x);
                    ASSERT_EQ(line.x1, g.L + x + 1);
                    ASSERT_EQ(line.y0, rows[static_cast<std::size_t>(x - 1)] + offset) << x;
                    ASSERT_EQ(line.y1, rows[static_cast<std::size_t>(x)] + offset) << x;
                }
            }
        }
    }
}

// FNV-1a over every recorded call, in order.
std::uint64_t digestOf(const RecordingSurface& surface)
{
    std::uint64_t digest = 14695981039346656037ULL;
    const auto add = [&digest](std::int64_t value) {
        for (int byte = 0; byte < 8; ++byte) {
            digest ^= static_cast<std::uint64_t>(value >> (8 * byte)) & 0xffU;
            digest *= 1099511628211ULL;
        }
    };
    for (const auto& call : surface.calls) {
        for (const std::int64_t value :
             {static_cast<std::int64_t>(call.kind), std::int64_t{call.x0}, std::int64_t{call.y0},
              std::int64_t{call.x1}, std::int64_t{call.y1}, std::int64_t{call.colour.red},
              std::int64_t{call.colour.green}, std::int64_t{call.colour.blue},
              std::int64_t{call.penWidth}, std::int64_t{call.opaque}})
            add(value);
        for (const char c : call.text)
            add(c);
    }
    return digest;
}

// Every call of these charts as the renderer drew them before it learnt to
// draw at other scales; at scale 1 nothing may change.
TEST(MonthChart, AtScaleOneDrawsExactlyAsBefore)
{
    struct Case
    {
        int width;
        int height;
        TYmd birth;
        TYmd view;
        bool print;
        std::uint64_t digest;
    } const cases[] = {
        {418, 283, {1981, 4, 8}, {2001, 9, 15}, false, 16679722671725252293ULL},
        {418, 283, {2001, 9, 1}, {2001, 9, 1}, true, 1419923403284943796ULL},
        {1280, 800, {2001, 9, 20}, {2001, 8, 31}, false, 11135815124969514041ULL},
        {100, 70, {1990, 1, 31}, {2024, 2, 29}, false, 17799364673714441003ULL},
        {3840, 2160, {1950, 7, 4}, {2030, 12, 24}, true, 4382998456468388141ULL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        RecordingSurface surface(c.width, c.height);
        if (c.print)
            zeichneBitmap(surface, chartOf(c.birth, c.view));
        else
            DrawChart(surface, chartOf(c.birth, c.view));
        EXPECT_EQ(digestOf(surface), c.digest);
    }
}

} // namespace
} // namespace cyclo
