#include "ui/widgets/SeparatorLine.h"

#include "controls/DevicePixels.h"

#include <QPainter>

namespace cyclo {

SeparatorLine::SeparatorLine(QWidget* parent, int row) : QWidget(parent)
{
    setGeometry(0, row, parent != nullptr ? parent->width() : 0, kHeight);
    setFocusPolicy(Qt::NoFocus);
}

void SeparatorLine::paintEvent(QPaintEvent* /*event*/)
{
    // The same dark and light colours as the bevels of the panels.
    // The dark line is whole device pixels thick at any screen scale; the
    // light line under it fills the rest of the two units.
    QPainter painter(this);
    DevicePainter device(painter);
    const QRect r = device.toDevice(rect());
    const int line = device.lineWidth();
    device.fill(QRect(r.left(), r.top(), r.width(), line), palette().color(QPalette::Dark));
    device.fill(QRect(r.left(), r.top() + line, r.width(), line), palette().color(QPalette::Light));
}

} // namespace cyclo
