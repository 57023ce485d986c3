#include "chart/QtChartSurface.h"

#include "chart/QtChartStyle.h"

#include <QPainter>
#include <QPen>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace cyclo {
namespace {

constexpr std::size_t kMaxCachedTexts = 256;

// A white bitmap of `size` device pixels, its resolution in dots per meter
// saying how large the chart font's points are.
QImage makeBitmap(QSize size, int dotsPerMeter)
{
    QImage image(size.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    return image;
}

// Metrics for the chart's resolution, whatever size (even none) the bitmap has.
QFontMetrics chartMetrics(const QFont& font, int dotsPerMeter)
{
    const QImage reference = makeBitmap(QSize(1, 1), dotsPerMeter);
    return QFontMetrics(font, &reference);
}

} // namespace

QtChartSurface::QtChartSurface(QSize size)
    : image_(makeBitmap(size, kDotsPerMeter96Dpi)), font_(ChartFont()),
      metrics_(chartMetrics(font_, kDotsPerMeter96Dpi)), width_(image_.width()),
      height_(image_.height()), brush_(qRgb(255, 255, 255)), pen_(qRgb(0, 0, 0)),
      fills_(width_, height_, [this] { return pixels(); })
{}

void QtChartSurface::resize(QSize size)
{
    if (size == image_.size())
        return;
    flatRun_.reset();
    image_ = makeBitmap(size, dotsPerMeter_);
    image_.setDevicePixelRatio(scale_);
    width_ = image_.width();
    height_ = image_.height();
    fills_.resize(width_, height_);
}

void QtChartSurface::setScale(double scale)
{
    if (scale == scale_)
        return;
    scale_ = scale;
    dotsPerMeter_ = static_cast<int>(std::lround(kDotsPerMeter96Dpi * scale));
    metrics_ = chartMetrics(font_, dotsPerMeter_);
    texts_.clear();
    image_.setDotsPerMeterX(dotsPerMeter_);
    image_.setDotsPerMeterY(dotsPerMeter_);
    image_.setDevicePixelRatio(scale);
}

const QImage& QtChartSurface::image()
{
    writeFlatRun();
    fills_.settleAll();
    return image_;
}

void QtChartSurface::setSolidBrush(Rgb colour)
{
    brush_ = toQRgb(colour);
    brushClear_ = false;
}

void QtChartSurface::setClearBrush()
{
    brushClear_ = true;
}

void QtChartSurface::setPenColour(Rgb colour)
{
    pen_ = toQRgb(colour);
}

void QtChartSurface::setPenWidth(int width)
{
    penWidth_ = std::max(width, 1);
}

void QtChartSurface::fillRect(int left, int top, int right, int bottom)
{
    writeFlatRun();
    if (!brushClear_)
        fillPixels(left, top, right, bottom, brush_);
}

void QtChartSurface::frameRect(int left, int top, int right, int bottom)
{
    writeFlatRun();
    FrameWithFills(left, top, right, bottom,
                   [this](int l, int t, int r, int b) { fillPixels(l, t, r, b, pen_); });
}

void QtChartSurface::moveTo(int x, int y)
{
    position_ = QPoint(x, y);
}

void QtChartSurface::lineTo(int x, int y)
{
    const QPoint from = position_;
    const QPoint to(x, y);
    position_ = to;
    if (from == to)
        return;
    // One pixel to the right on the same row: a curve where it runs flat,
    // most of its steps on a large chart. The steps wait as one run.
    if (to.y() == from.y() && to.x() == from.x() + 1) {
        if (flatRun_ && flatRun_->right == from.x() && flatRun_->y == from.y() &&
            flatRun_->colour == pen_ && flatRun_->thickness == penWidth_) {
            flatRun_->right = to.x();
            return;
        }
        writeFlatRun();
        flatRun_ = FlatRun{from.x(), to.x(), from.y(), pen_, penWidth_};
        return;
    }
    writeFlatRun();
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const int minor = std::abs(dx) >= std::abs(dy) ? dy : dx;
    // Lines that step at most one pixel across their major axis -- every
    // step of a chart curve, ticks and the zero line -- are runs of pixels
    // and are written directly; they match Qt's own rasterisation pixel for
    // pixel. Qt walks a line running up and to the left with its own
    // rounding, so that one, and every steeper line, goes through QPainter.
    if (std::abs(minor) <= 1 && !(dx < 0 && dy < 0))
        drawThinLine(from, to, penWidth_);
    else
        drawLineWithPainter(from, to, penWidth_);
}

void QtChartSurface::textOut(int x, int y, std::string_view text)
{
    writeFlatRun();
    const RenderedText& cell = rendered(text);
    if (!brushClear_)
        fillPixels(x, y, x + cell.width, y + metrics_.height(), brush_);
    if (cell.pixels.empty())
        return;
    fills_.settleRows(y + cell.inkTop, y + cell.inkBottom);
    const QRect bounds = image_.rect();
    for (const auto& pixel : cell.pixels) {
        const QPoint at(x + pixel.dx, y + pixel.dy);
        if (bounds.contains(at))
            reinterpret_cast<QRgb*>(image_.scanLine(at.y()))[at.x()] = pixel.colour;
    }
}

int QtChartSurface::textWidth(std::string_view text)
{
    return rendered(text).width;
}

int QtChartSurface::textHeight(std::string_view /*text*/)
{
    return metrics_.height();
}

// Glyphs drawn without anti-aliasing at whole-pixel positions come out the
// same wherever they are placed, so each text is rendered by QPainter once,
// on white, and its pixels are replayed.
const QtChartSurface::RenderedText& QtChartSurface::rendered(std::string_view text)
{
    if (const auto found = texts_.find(text); found != texts_.end())
        return found->second;
    if (texts_.size() >= kMaxCachedTexts)
        texts_.clear();

    const QString s = toQString(text);
    RenderedText cell;
    cell.width = metrics_.horizontalAdvance(s);
    // Room around the cell for glyphs that reach past it.
    const int margin = metrics_.height();
    QImage scratch =
        makeBitmap(QSize(cell.width + 2 * margin, 3 * metrics_.height()), dotsPerMeter_);
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font_);
        painter.setPen(toQColor(kWindowTextColour));
        painter.drawText(QPoint(margin, margin + metrics_.ascent()), s);
    }
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x) {
            if (row[x] == white)
                continue;
            if (cell.pixels.empty())
                cell.inkTop = y - margin;
            cell.inkBottom = y - margin + 1;
            cell.pixels.push_back({static_cast<std::int16_t>(x - margin),
                                   static_cast<std::int16_t>(y - margin), row[x]});
        }
    }
    return texts_.emplace(std::string(text), std::move(cell)).first->second;
}

// The bitmap's pixels as they are now: taking them detaches the image from
// a copy handed out.
RasterRows QtChartSurface::pixels()
{
    return {reinterpret_cast<std::uint32_t*>(image_.bits()),
            image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))};
}

// Writes the waiting flat run as the one-pixel steps it stands for would
// have been written: the pixels left .. right-1 of its row, thickened.
void QtChartSurface::writeFlatRun()
{
    if (!flatRun_)
        return;
    const FlatRun run = *flatRun_;
    flatRun_.reset();
    fillPixels(run.left, run.y - (run.thickness - 1) / 2, run.right, run.y + run.thickness / 2 + 1,
               run.colour);
}

// A line whose minor coordinate changes by at most one: Qt puts every pixel
// but the end point on the start's row (or column), except that a step
// towards smaller minor coordinates is taken right after the first pixel.
void QtChartSurface::drawThinLine(QPoint from, QPoint to, int thickness)
{
    const bool xMajor = IsXMajor(from, to);
    const int m0 = xMajor ? from.x() : from.y();
    const int m1 = xMajor ? to.x() : to.y();
    const int n0 = xMajor ? from.y() : from.x();
    const int minor = xMajor ? to.y() - from.y() : to.x() - from.x();
    const int before = (thickness - 1) / 2;
    const int after = thickness / 2;
    // Pixels a .. b-1 along the major axis at minor coordinate n.
    const auto run = [&](int a, int b, int n) {
        if (xMajor)
            fillPixels(a, n - before, b, n + after + 1, pen_);
        else
            fillPixels(n - before, a, n + after + 1, b, pen_);
    };
    if (m1 < m0) {
        run(m1 + 1, m0 + 1, n0);
    } else if (minor >= 0) {
        run(m0, m1, n0);
    } else {
        run(m0, m0 + 1, n0);
        run(m0 + 1, m1, n0 - 1);
    }
}

// A wide pen is the thin line without its end point, repeated across the
// major axis.
void QtChartSurface::drawLineWithPainter(QPoint from, QPoint to, int thickness)
{
    const bool xMajor = IsXMajor(from, to);
    const QRect box = LineBoxWithoutEndPoint(from, to);

    fills_.settleRows(box.top() - (thickness - 1) / 2, box.bottom() + thickness / 2 + 1);
    // The bitmap's own pixels, without its device pixel ratio: coordinates
    // here are device pixels already.
    QImage pixels(image_.bits(), image_.width(), image_.height(), image_.bytesPerLine(),
                  image_.format());
    QPainter painter(&pixels);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen{QColor::fromRgb(pen_)};
    pen.setWidth(1);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    for (int shift = -(thickness - 1) / 2; shift <= thickness / 2; ++shift) {
        const QPoint offset = xMajor ? QPoint(0, shift) : QPoint(shift, 0);
        painter.setClipRect(box.translated(offset));
        painter.drawLine(from + offset, to + offset);
    }
}

QRect LineBoxWithoutEndPoint(QPoint from, QPoint to)
{
    QRect box(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
              QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
    if (IsXMajor(from, to)) {
        if (to.x() > from.x())
            box.setRight(to.x() - 1);
        else
            box.setLeft(to.x() + 1);
    } else {
        if (to.y() > from.y())
            box.setBottom(to.y() - 1);
        else
            box.setTop(to.y() + 1);
    }
    return box;
}

} // namespace cyclo
