#include "controls/PopupWindow.h"

#include "controls/DevicePixels.h"

#include <QEvent>
#include <QPainter>

namespace cyclo {

// A popup that takes no grab: the window system places it relative to the
// field's window (on Wayland as that window's xdg popup, on X11 where the
// field puts it, whatever the window manager does), it never takes the
// keyboard, and the field goes on receiving the keys it passes on. (A grabbing
// Qt::Popup would take the keys, and on Wayland becomes a popup only after an
// input event of the window system.)
TPopupWindow::TPopupWindow(QWidget* owner)
    : QFrame(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    hide();
}

void TPopupWindow::CloseWithResult(bool accept)
{
    emit closeUp(this, accept);
}

void TPopupWindow::paintEvent(QPaintEvent* /*event*/)
{
    // The thin border: one line in the text colour, whole device pixels thick.
    QPainter painter(this);
    DevicePainter device(painter);
    const QColor border = palette().color(QPalette::WindowText);
    device.ring(device.toDevice(rect()), device.lineWidth(lineWidth()), border, border);
}

bool TPopupWindow::handleKey(QKeyEvent* /*event*/)
{
    return false;
}

bool TPopupWindow::event(QEvent* event)
{
    // Some window systems activate a shown window whatever it asks for; the
    // activation goes straight back to the owner's window, where the focus is.
    if (event->type() == QEvent::WindowActivate && parentWidget() != nullptr)
        parentWidget()->window()->activateWindow();
    return QFrame::event(event);
}

bool TPopupWindow::containsWidget(const QWidget* widget) const
{
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w == this)
            return true;
        if (w->isWindow())
            return false;
    }
    return false;
}

} // namespace cyclo
