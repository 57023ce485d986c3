#include "ui/printing/ChartPrinting.h"

#include "chart/MonthChart.h"
#include "chart/PrintChartSurface.h"
#include "chart/QtChartStyle.h"
#include "ui/printing/DayTexts.h"
#include "ui/widgets/WindowLook.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace cyclo {
namespace {

// The chart keeps the proportions of the chart window's design size.
constexpr double kChartAspect = 418.0 / 283.0;
constexpr double kPointsPerInch = 72.0;

// Gaps and sizes on paper, in points.
constexpr double kHeadingGap = 12.0;
constexpr double kLegendGap = 12.0;
constexpr double kLegendRowGap = 4.0;
constexpr double kSwatchLength = 28.0;
constexpr double kSwatchThickness = 2.5;
constexpr double kSwatchGap = 6.0;
constexpr int kLegendPointSize = 10;

const QColor kHiddenCurveText(128, 128, 128);

class PageLayout
{
public:
    PageLayout(QPainter& painter, double dpi) : painter_(painter), dpi_(dpi) {}

    [[nodiscard]] int points(double pt) const
    {
        return static_cast<int>(std::lround(pt * dpi_ / kPointsPerInch));
    }

    // A centred line of text at `top`; returns the row below it.
    int heading(const QString& text, const QFont& font, const QColor& colour, int top,
                int width) const
    {
        painter_.setFont(font);
        painter_.setPen(colour);
        const int height = painter_.fontMetrics().height();
        painter_.drawText(QRect(0, top, width, height), Qt::AlignHCenter | Qt::AlignTop, text);
        return top + height;
    }

    [[nodiscard]] int legendRowHeight() const
    {
        painter_.setFont(legendFont());
        return painter_.fontMetrics().height();
    }

    [[nodiscard]] int legendHeight() const
    {
        constexpr int kRows = static_cast<int>((kCycles.size() + 1) / 2);
        return kRows * legendRowHeight() + (kRows - 1) * points(kLegendRowGap);
    }

    [[nodiscard]] int linesHeight(const QStringList& texts) const
    {
        return points(kLegendGap) + static_cast<int>(texts.size()) * legendRowHeight();
    }

    // The chart at its place, drawn in the printer's dots at the printer's
    // scale: its layout as on a screen of the printer's resolution.
    void chart(const ChartState& state, const QRect& place) const
    {
        PrintChartSurface surface(painter_, place);
        zeichneBitmap(surface, state, dpi_ / kLayoutDpi);
    }

    // The curves in two columns under the chart.
    void legend(const ChartState& state, int left, int top, int width) const
    {
        const int rowHeight = legendRowHeight();
        const int columnWidth = width / 2;
        painter_.setFont(legendFont());
        for (std::size_t i = 0; i < kCycles.size(); ++i) {
            const CycleInfo& entry = kCycles[i];
            const int x = left + static_cast<int>(i % 2) * columnWidth;
            const int y = top + static_cast<int>(i / 2) * (rowHeight + points(kLegendRowGap));
            const bool shown = state.shown[i];
            const QColor colour = toQColor(entry.colour);
            if (shown) {
                const int thickness = std::max(1, points(kSwatchThickness));
                painter_.fillRect(
                    QRect(x, y + (rowHeight - thickness) / 2, points(kSwatchLength), thickness),
                    colour);
            }
            painter_.setPen(shown ? QColor(Qt::black) : kHiddenCurveText);
            const int textLeft = x + points(kSwatchLength + kSwatchGap);
            painter_.drawText(QRect(textLeft, y, columnWidth - (textLeft - x), rowHeight),
                              Qt::AlignLeft | Qt::AlignVCenter, toQString(entry.legend));
        }
    }

    // Lines of text under the legend, in its font, a gap above them.
    void lines(const QStringList& texts, int left, int top, int width) const
    {
        const int rowHeight = legendRowHeight();
        painter_.setFont(legendFont());
        painter_.setPen(Qt::black);
        int y = top + points(kLegendGap);
        for (const QString& line : texts) {
            painter_.drawText(QRect(left, y, width, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                              line);
            y += rowHeight;
        }
    }

private:
    [[nodiscard]] static QFont legendFont()
    {
        return NamedFont("MS Sans Serif", kLegendPointSize, false);
    }

    QPainter& painter_;
    double dpi_;
};

} // namespace

bool PrintChartPage(QPrinter& printer, const ChartPrintout& page)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const int width = printer.width();
    const int height = printer.height();
    const PageLayout layout(painter, printer.resolution());

    int top =
        layout.heading(page.personLine, kPersonHeading.font(), kPersonHeading.colour, 0, width);
    top = layout.heading(page.viewedDate, kDateHeading.font(), kDateHeading.colour, top, width);
    top += layout.points(kHeadingGap);

    // Under the legend: the viewed day's values and the month's critical
    // days of each curve shown.
    QStringList dayLines = CriticalDaysLinesOf(page.state);
    if (const QString dayLine = DayLineOf(page.state); !dayLine.isEmpty())
        dayLines.prepend(dayLine);
    const int legendSpace =
        layout.points(kLegendGap) + layout.legendHeight() + layout.linesHeight(dayLines);
    const int roomHeight = std::max(1, height - top - legendSpace);
    int chartWidth = width;
    int chartHeight = static_cast<int>(chartWidth / kChartAspect);
    if (chartHeight > roomHeight) {
        chartHeight = roomHeight;
        chartWidth = static_cast<int>(chartHeight * kChartAspect);
    }
    const QRect place((width - chartWidth) / 2, top, chartWidth, chartHeight);
    layout.chart(page.state, place);
    const int legendTop = place.bottom() + 1 + layout.points(kLegendGap);
    layout.legend(page.state, place.left(), legendTop, place.width());
    layout.lines(dayLines, place.left(), legendTop + layout.legendHeight(), place.width());
    return painter.end();
}

} // namespace cyclo
