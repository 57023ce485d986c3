#include "ui/SeparatorLine.h"

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
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, width(), 1), palette().color(QPalette::Dark));
    painter.fillRect(QRect(0, 1, width(), 1), palette().color(QPalette::Light));
}

} // namespace cyclo
