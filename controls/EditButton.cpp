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
    DevicePainter device(painter);
    const QRect r = device.toDevice(rect());
    const int line = device.lineWidth();
    device.fill(QRect(r.left(), r.top(), line, r.height() - line),
                palette().color(QPalette::Button));
    device.fill(QRect(r.left() + line, r.top() + line, line, r.height() - 3 * line),
                palette().color(QPalette::Light));
}

} // namespace cyclo
