#include "ui/app/FrameCentring.h"

#include "ui/app/FilterOnce.h"

#include <QApplication>
#include <QEvent>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace cyclo {

namespace {

// The frame around a window's client area, or none while the window system
// has not told it yet. While a window manager puts its frame around a new
// window, the frame can for a moment be reported smaller than the window
// itself; such a frame is not known yet either.
QMargins frameMarginsOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    if (margins.left() < 0 || margins.top() < 0 || margins.right() < 0 || margins.bottom() < 0)
        return {};
    return margins;
}

// Before its first showing a window has no frame yet; the frame of a window
// already on the screen is the best guess for it.
QMargins expectedFrameMargins(const QWidget& window)
{
    const QMargins own = frameMarginsOf(window);
    if (!own.isNull())
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != &window && other->isVisible()) {
            const QMargins margins = frameMarginsOf(*other);
            if (!margins.isNull())
                return margins;
        }
    }
    return {};
}

// Moves the window so that its frame, client area and `margins` together,
// sits in the middle of the available area of its screen.
void centreFrame(QWidget& window, const QMargins& margins)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QSize frame = window.size().grownBy(margins);
    // A window's position is its frame's top-left corner.
    window.move(area.x() + (area.width() - frame.width()) / 2,
                area.y() + (area.height() - frame.height()) / 2);
}

} // namespace

FrameCentring::FrameCentring(QWidget* window) : QObject(window), window_(*window)
{
    setObjectName(QString::fromLatin1(kName));
}

void FrameCentring::centre(QWidget& window)
{
    InstallFilterOnce<FrameCentring>(window);
    centreFrame(window, frameMarginsOf(window));
}

bool FrameCentring::eventFilter(QObject* watched, QEvent* event)
{
    if (settled_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Show:
        if (watched == &window_) {
            centreFrame(window_, expectedFrameMargins(window_));
            if (QWindow* handle = window_.windowHandle(); handle != nullptr && !watching_) {
                handle->installEventFilter(this);
                watching_ = true;
            }
            settleOnKnownFrame();
        }
        break;
    case QEvent::Expose:
    case QEvent::Move:
    case QEvent::Resize:
        if (window_.isVisible())
            settleOnKnownFrame();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void FrameCentring::settleOnKnownFrame()
{
    const QMargins margins = frameMarginsOf(window_);
    if (margins.isNull())
        return;
    settled_ = true;
    centreFrame(window_, margins);
}

} // namespace cyclo
