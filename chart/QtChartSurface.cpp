#include "chart/QtChartSurface.h"

#include <QPainter>
#include <QPen>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cstdlib>

namespace cyclo {
namespace {

// The chart's text font; fontconfig (or the program's substitution) picks the
// nearest sans serif face where this one is missing.
constexpr const char* kFontFamily = "MS Sans Serif";
constexpr int kFontPointSize = 8;
// The chart is laid out in pixels for 96 dots per inch, where 8 points are
// 11 pixels; the image says so, whatever screen the program runs on.
constexpr int kDotsPerMeter96Dpi = 3780;
constexpr QRgb kWindowTextColour = 0xff000000;
// Fills of at least this many pixels go through QPainter.
constexpr qint64 kPainterFillArea = 16384;
constexpr std::size_t kMaxCachedTexts = 256;

QRgb toQRgb(Rgb colour)
{
    return qRgb(colour.red, colour.green, colour.blue);
}

QFont chartFont()
{
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPointSize(kFontPointSize);
    font.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
    return font;
}

QImage makeBitmap(QSize size)
{
    QImage image(size.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter96Dpi);
    image.setDotsPerMeterY(kDotsPerMeter96Dpi);
    image.fill(Qt::white);
    return image;
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QtChartSurface::QtChartSurface(QSize size)
    : image_(makeBitmap(size)), font_(chartFont()), metrics_(font_, &image_),
      brush_(qRgb(255, 255, 255)), pen_(qRgb(0, 0, 0))
{}

void QtChartSurface::resize(QSize size)
{
    if (size != image_.size())
        image_ = makeBitmap(size);
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
    if (!brushClear_)
        fillPixels(left, top, right, bottom, brush_);
}

void QtChartSurface::frameRect(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    fillPixels(left, top, right, top + 1, pen_);
    fillPixels(left, bottom - 1, right, bottom, pen_);
    fillPixels(left, top, left + 1, bottom, pen_);
    fillPixels(right - 1, top, right, bottom, pen_);
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
    const RenderedText& cell = rendered(text);
    if (!brushClear_)
        fillPixels(x, y, x + cell.width, y + metrics_.height(), brush_);
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
    QImage scratch = makeBitmap(QSize(cell.width + 2 * margin, 3 * metrics_.height()));
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font_);
        painter.setPen(QColor::fromRgb(kWindowTextColour));
        painter.drawText(QPoint(margin, margin + metrics_.ascent()), s);
    }
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x) {
            if (row[x] != white)
                cell.pixels.push_back({static_cast<std::int16_t>(x - margin),
                                       static_cast<std::int16_t>(y - margin), row[x]});
        }
    }
    return texts_.emplace(std::string(text), std::move(cell)).first->second;
}

void QtChartSurface::fillPixels(int left, int top, int right, int bottom, QRgb colour)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image_.width());
    bottom = std::min(bottom, image_.height());
    if (right <= left || bottom <= top)
        return;
    if (static_cast<qint64>(right - left) * (bottom - top) >= kPainterFillArea) {
        // Qt's own fill is vectorised; its set-up pays off on large areas.
        QPainter painter(&image_);
        painter.fillRect(QRect(left, top, right - left, bottom - top), QColor::fromRgb(colour));
        return;
    }
    const auto count = static_cast<std::size_t>(right - left);
    uchar* const bits = image_.bits();
    const auto stride = static_cast<std::size_t>(image_.bytesPerLine());
    for (int y = top; y < bottom; ++y) {
        QRgb* const row = reinterpret_cast<QRgb*>(bits + static_cast<std::size_t>(y) * stride);
        std::fill_n(row + left, count, colour);
    }
}

// A line whose minor coordinate changes by at most one: Qt puts every pixel
// but the end point on the start's row (or column), except that a step
// towards smaller minor coordinates is taken right after the first pixel.
void QtChartSurface::drawThinLine(QPoint from, QPoint to, int thickness)
{
    const bool xMajor = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
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

// Qt draws both end points of a line; clipping to the line's bounding box
// less the end point's column (or row) along the major axis leaves exactly
// the line without its end point. A wide pen is the thin line repeated
// across the major axis.
void QtChartSurface::drawLineWithPainter(QPoint from, QPoint to, int thickness)
{
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    QRect box(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
              QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
    if (xMajor) {
        if (dx > 0)
            box.setRight(to.x() - 1);
        else
            box.setLeft(to.x() + 1);
    } else {
        if (dy > 0)
            box.setBottom(to.y() - 1);
        else
            box.setTop(to.y() + 1);
    }

    QPainter painter(&image_);
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

} // namespace cyclo
