#include "chart/PrintChartSurface.h"

#include "chart/QtChartStyle.h"

#include <QPen>
#include <QString>
#include <algorithm>
#include <cstdlib>

namespace cyclo {
namespace {

// Screen pixels are laid out for 96 dots per inch; the image has scale
// times as many, so the font's points come out scale times as large.

QImage makeImage(QSize size, int scale)
{
    QImage image(size.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter96Dpi * scale);
    image.setDotsPerMeterY(kDotsPerMeter96Dpi * scale);
    image.fill(Qt::white);
    return image;
}

QFontMetrics metricsAt(const QFont& font, int scale)
{
    const QImage reference = makeImage(QSize(1, 1), scale);
    return QFontMetrics(font, &reference);
}

} // namespace

PrintChartSurface::PrintChartSurface(QSize logicalSize, int scale)
    : logicalSize_(logicalSize.expandedTo(QSize(0, 0))), scale_(std::max(scale, 1)),
      image_(makeImage(logicalSize_ * scale_, scale_)), font_(ChartFont()),
      metrics_(metricsAt(font_, 1)), scaledMetrics_(metricsAt(font_, scale_)), brush_(Qt::white),
      pen_(Qt::black)
{}

PrintChartSurface::~PrintChartSurface() = default;

const QImage& PrintChartSurface::image()
{
    painter_.reset();
    return image_;
}

QPainter& PrintChartSurface::painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
        painter_->setFont(font_);
    }
    return *painter_;
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

void PrintChartSurface::fillBlock(int left, int top, int right, int bottom, QColor colour)
{
    if (right <= left || bottom <= top || image_.isNull())
        return;
    painter().fillRect(
        QRect(left * scale_, top * scale_, (right - left) * scale_, (bottom - top) * scale_),
        colour);
}

void PrintChartSurface::fillRect(int left, int top, int right, int bottom)
{
    if (!brushClear_)
        fillBlock(left, top, right, bottom, brush_);
}

void PrintChartSurface::frameRect(int left, int top, int right, int bottom)
{
    FrameWithFills(left, top, right, bottom,
                   [this](int l, int t, int r, int b) { fillBlock(l, t, r, b, pen_); });
}

void PrintChartSurface::moveTo(int x, int y)
{
    position_ = QPoint(x, y);
}

void PrintChartSurface::lineTo(int x, int y)
{
    const QPoint from = position_;
    const QPoint to(x, y);
    position_ = to;
    if (from == to || image_.isNull())
        return;
    const int before = (penWidth_ - 1) / 2;
    const int after = penWidth_ / 2;
    // Straight lines cover exactly the screen pixels, end point left out:
    // ticks, the zero line and the flat steps of the curves.
    if (from.y() == to.y()) {
        const int left = std::min(from.x(), to.x() + 1);
        const int right = std::max(from.x() + 1, to.x());
        fillBlock(left, to.y() - before, right, to.y() + after + 1, pen_);
        return;
    }
    if (from.x() == to.x()) {
        const int top = std::min(from.y(), to.y() + 1);
        const int bottom = std::max(from.y() + 1, to.y());
        fillBlock(to.x() - before, top, to.x() + after + 1, bottom, pen_);
        return;
    }
    // Slanted steps run from pixel centre to pixel centre with round ends,
    // so the printed curve is one smooth stroke of the pen's width.
    QPainter& p = painter();
    p.setPen(QPen(pen_, penWidth_ * scale_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const auto centre = [this](QPoint point) {
        return QPointF((point.x() + 0.5) * scale_, (point.y() + 0.5) * scale_);
    };
    p.drawLine(centre(from), centre(to));
}

void PrintChartSurface::textOut(int x, int y, std::string_view text)
{
    if (!brushClear_)
        fillBlock(x, y, x + textWidth(text), y + textHeight(text), brush_);
    if (image_.isNull())
        return;
    QPainter& p = painter();
    p.setPen(toQColor(kWindowTextColour));
    p.drawText(QPoint(x * scale_, y * scale_ + scaledMetrics_.ascent()), toQString(text));
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
