#include "ui/widgets/BevelPanel.h"

#include "controls/DevicePixels.h"

#include <QPainter>

namespace cyclo {

BevelPanel::BevelPanel(QWidget* parent, Bevel outer, Bevel inner)
    : QWidget(parent), outer_(outer), inner_(inner)
{}

void BevelPanel::setBevels(Bevel outer, Bevel inner)
{
    outer_ = outer;
    inner_ = inner;
    update();
}

void BevelPanel::setColour(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

int BevelPanel::bevelWidth() const
{
    return (outer_ != Bevel::None ? 1 : 0) + (inner_ != Bevel::None ? 1 : 0);
}

void BevelPanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    // Each bevel ring is one line of the design: whole device pixels at any
    // screen scale.
    DevicePainter device(painter);
    const int line = device.lineWidth();
    QRect r = device.toDevice(rect());
    for (const Bevel bevel : {outer_, inner_}) {
        if (bevel == Bevel::None)
            continue;
        if (bevel == Bevel::Raised)
            device.ring(r, line, light, dark);
        else
            device.ring(r, line, dark, light);
        r.adjust(line, line, -line, -line);
    }
}

} // namespace cyclo
