#include "chart/PrintChartSurface.h"

#include "chart/QtChartStyle.h"

#include <QPaintDevice>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace cyclo {
namespace {

// The chart font at `scale` on `device`: its points are those of a screen
// of 96 x scale dots per inch.
QFont fontAt(double scale, const QPaintDevice* device)
{
    QFont font = ChartFont();
    const int dpi = device != nullptr ? device->logicalDpiY() : static_cast<int>(kLayoutDpi);
    font.setPointSizeF(kChartFontPointSize * scale * kLayoutDpi / std::max(dpi, 1));
    return font;
}

} // namespace

PrintChartSurface::PrintChartSurface(QPainter& painter, QRect area)
    : painter_(painter), area_(area.normalized()), font_(fontAt(1.0, painter.device())),
      metrics_(font_, painter.device()), brush_(Qt::white), pen_(Qt::black)
{
    painter_.save();
    painter_.setClipRect(area_, Qt::IntersectClip);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setFont(font_);
}

PrintChartSurface::~PrintChartSurface()
{
    painter_.restore();
}

void PrintChartSurface::setScale(double scale)
{
    font_ = fontAt(scale, painter_.device());
    metrics_ = QFontMetrics(font_, painter_.device());
    painter_.setFont(font_);
}

void PrintChartSurface::setSolidBrush(Rgb colour)
{
    brush_ = toQColor(colour);
    brushClear_ = false;
}

void PrintChartSurface::setClearBrush()
{
    brushClear_ = true;
}

void PrintChartSurface::setPenColour(Rgb colour)
{
    pen_ = toQColor(colour);
}

void PrintChartSurface::setPenWidth(int width)
{
    penWidth_ = std::max(width, 1);
}

void PrintChartSurface::fill(int left, int top, int right, int bottom, const QColor& colour)
{
    if (right <= left || bottom <= top)
        return;
    painter_.fillRect(QRect(area_.left() + left, area_.top() + top, right - left, bottom - top),
                      colour);
}

void PrintChartSurface::fillRect(int left, int top, int right, int bottom)
{
    if (!brushClear_)
        fill(left, top, right, bottom, brush_);
}

void PrintChartSurface::frameRect(int left, int top, int right, int bottom)
{
    FrameWithFills(left, top, right, bottom,
                   [this](int l, int t, int r, int b) { fill(l, t, r, b, pen_); });
}

void PrintChartSurface::moveTo(int x, int y)
{
    position_ = QPoint(x, y);
}

// The line's pixels, end point left out, one per step along the major axis
// at the rounded minor coordinate; pixels side by side at the same minor
// coordinate are filled as one rectangle, thickened across the major axis.
void PrintChartSurface::lineTo(int x, int y)
{
    const QPoint from = position_;
    const QPoint to(x, y);
    position_ = to;
    if (from == to)
        return;
    const bool xMajor = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
    const int m0 = xMajor ? from.x() : from.y();
    const int n0 = xMajor ? from.y() : from.x();
    const int majorDelta = xMajor ? to.x() - from.x() : to.y() - from.y();
    const int minorDelta = xMajor ? to.y() - from.y() : to.x() - from.x();
    const int direction = majorDelta > 0 ? 1 : -1;
    const int before = (penWidth_ - 1) / 2;
    const int after = penWidth_ / 2;
    const auto run = [&](int a, int b, int n) { // major a .. b inclusive, in any order
        const int low = std::min(a, b);
        const int high = std::max(a, b) + 1;
        if (xMajor)
            fill(low, n - before, high, n + after + 1, pen_);
        else
            fill(n - before, low, n + after + 1, high, pen_);
    };
    const auto minorAt = [&](int step) {
        return n0 + static_cast<int>(
                        std::lround(static_cast<double>(step) * minorDelta / std::abs(majorDelta)));
    };
    int runStart = 0;
    int runMinor = minorAt(0);
    for (int step = 1; step < std::abs(majorDelta); ++step) {
        const int n = minorAt(step);
        if (n == runMinor)
            continue;
        run(m0 + direction * runStart, m0 + direction * (step - 1), runMinor);
        runStart = step;
        runMinor = n;
    }
    run(m0 + direction * runStart, m0 + direction * (std::abs(majorDelta) - 1), runMinor);
}

void PrintChartSurface::textOut(int x, int y, std::string_view text)
{
    const QString s = toQString(text);
    if (!brushClear_)
        fill(x, y, x + metrics_.horizontalAdvance(s), y + metrics_.height(), brush_);
    painter_.setPen(toQColor(kWindowTextColour));
    painter_.drawText(QPoint(area_.left() + x, area_.top() + y + metrics_.ascent()), s);
}

int PrintChartSurface::textWidth(std::string_view text)
{
    return metrics_.horizontalAdvance(toQString(text));
}

int PrintChartSurface::textHeight(std::string_view /*text*/)
{
    return metrics_.height();
}

} // namespace cyclo
