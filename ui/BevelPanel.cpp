#include "ui/BevelPanel.h"

#include <QPainter>

namespace cyclo {

namespace {

// One bevel ring along the edges of `r`: the light colour on the top and left
// edges, the dark one on the right and bottom edges, which also own the
// top-right and bottom-left corner pixels.
void drawBevel(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
}

} // namespace

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
    QRect r = rect();
    for (const Bevel bevel : {outer_, inner_}) {
        if (bevel == Bevel::None)
            continue;
        if (bevel == Bevel::Raised)
            drawBevel(painter, r, light, dark);
        else
            drawBevel(painter, r, dark, light);
        r.adjust(1, 1, -1, -1);
    }
}

} // namespace cyclo
