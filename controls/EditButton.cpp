#include "controls/EditButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace cyclo {

TEditButton::TEditButton(QWidget* parent) : TVoSpeedButton(parent)
{
    setCursor(Qt::ArrowCursor);
}

void TEditButton::click()
{
    if (ignoreNextClick_) {
        ignoreNextClick_ = false;
        return;
    }
    TVoSpeedButton::click();
}

void TEditButton::mouseReleaseEvent(QMouseEvent* event)
{
    TVoSpeedButton::mouseReleaseEvent(event);
    // Only the click of the press that closed the drop-down is ignored; when
    // that press ends off the button there is no click, and the next one counts.
    if (event->button() == Qt::LeftButton)
        ignoreNextClick_ = false;
}

void TEditButton::paintButton(QPainter& painter)
{
    TVoSpeedButton::paintButton(painter);
    if (isDown())
        return;
    // Column 0 rows 0..h-2 in the face colour, column 1 rows 1..h-3 in the
    // highlight colour: the button's left bevel blends into the field.
    painter.fillRect(QRect(0, 0, 1, height() - 1), palette().color(QPalette::Button));
    painter.fillRect(QRect(1, 1, 1, height() - 3), palette().color(QPalette::Light));
}

} // namespace cyclo
