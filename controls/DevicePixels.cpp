#include "controls/DevicePixels.h"

#include <QPaintDevice>
#include <algorithm>
#include <cmath>

namespace cyclo {

qreal PaintRatio(const QPainter& painter)
{
    // What lies between the painter's world and the device: the screen's
    // scale, also when the painting is redirected (QWidget::render into an
    // image of another ratio, where device() is still the widget).
    bool invertible = false;
    const QTransform beyondWorld =
        painter.worldTransform().inverted(&invertible) * painter.deviceTransform();
    if (invertible && beyondWorld.m11() > 0)
        return beyondWorld.m11();
    const QPaintDevice* device = painter.device();
    return device != nullptr ? device->devicePixelRatioF() : 1.0;
}

QPointF DeviceAlignmentShift(const QPainter& painter, const QPointF& units)
{
    const QTransform toDevice = painter.deviceTransform();
    const QPointF device = toDevice.map(units);
    const QPointF aligned(std::round(device.x()), std::round(device.y()));
    bool invertible = false;
    const QTransform back = toDevice.inverted(&invertible);
    if (!invertible)
        return {};
    return back.map(aligned) - back.map(device);
}

DevicePainter::DevicePainter(QPainter& painter)
    : painter_(painter), toDevice_(painter.deviceTransform()), ratio_(PaintRatio(painter))
{
    painter_.save();
    // The world transform that, followed by the painter's own mapping to the
    // device, leaves device coordinates as they are.
    const QTransform world = painter_.worldTransform();
    bool invertible = false;
    const QTransform beyondWorld = world.inverted(&invertible) * toDevice_;
    if (invertible)
        painter_.setWorldTransform(beyondWorld.inverted());
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

DevicePainter::~DevicePainter()
{
    painter_.restore();
}

int DevicePainter::lineWidth(int units) const
{
    return std::max(1, static_cast<int>(std::lround(units * ratio_)));
}

QRect DevicePainter::toDevice(const QRect& units) const
{
    const QRectF device = toDevice_.mapRect(QRectF(units));
    const QPoint topLeft(static_cast<int>(std::lround(device.left())),
                         static_cast<int>(std::lround(device.top())));
    const QPoint end(static_cast<int>(std::lround(device.right())),
                     static_cast<int>(std::lround(device.bottom())));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

QPoint DevicePainter::toDevice(const QPoint& units) const
{
    const QPointF device = toDevice_.map(QPointF(units));
    return {static_cast<int>(std::lround(device.x())), static_cast<int>(std::lround(device.y()))};
}

void DevicePainter::ring(const QRect& device, int width, const QColor& topLeft,
                         const QColor& bottomRight)
{
    const int l = device.left();
    const int t = device.top();
    const int w = device.width();
    const int h = device.height();
    fill(QRect(l, t, w - width, width), topLeft);
    fill(QRect(l, t, width, h - width), topLeft);
    fill(QRect(l, t + h - width, w, width), bottomRight);
    fill(QRect(l + w - width, t, width, h), bottomRight);
}

} // namespace cyclo
