#pragma once
// Painting the classic one-pixel lines at the screen's own resolution. A
// widget paints in device-independent units; at a device pixel ratio r a line
// one unit thick becomes round(r) device pixels, starting on a whole device
// pixel, so it stays crisp at 150 % as at 200 %.

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QTransform>

namespace cyclo {

// While it lives, the painter draws in whole device pixels; its destructor
// gives the painter back as it was.
class DevicePainter
{
public:
    explicit DevicePainter(QPainter& painter);
    ~DevicePainter();
    DevicePainter(const DevicePainter&) = delete;
    DevicePainter& operator=(const DevicePainter&) = delete;

    [[nodiscard]] QPainter& painter() { return painter_; }
    // Device pixels per unit.
    [[nodiscard]] qreal ratio() const { return ratio_; }
    // The width in device pixels of a line `units` thick: never below one.
    [[nodiscard]] int lineWidth(int units = 1) const;
    // A rectangle in units as whole device pixels: each edge at the nearest one.
    [[nodiscard]] QRect toDevice(const QRect& units) const;
    // A point in units at the nearest whole device pixel.
    [[nodiscard]] QPoint toDevice(const QPoint& units) const;

    void fill(const QRect& device, const QColor& colour) { painter_.fillRect(device, colour); }
    // One ring of a bevel `width` device pixels wide along the inside of
    // `device`: `topLeft` on the top and left edges, `bottomRight` on the
    // right and bottom edges, which also own the top-right and bottom-left
    // corners.
    void ring(const QRect& device, int width, const QColor& topLeft, const QColor& bottomRight);

private:
    QPainter& painter_;
    QTransform toDevice_;
    qreal ratio_ = 1.0;
};

// The device pixel ratio a painter paints at.
[[nodiscard]] qreal PaintRatio(const QPainter& painter);

// How far, in units, to move a point so that it lands on a whole device pixel.
[[nodiscard]] QPointF DeviceAlignmentShift(const QPainter& painter, const QPointF& units);

} // namespace cyclo
