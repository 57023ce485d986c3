#pragma once
// The frame every window of the program is set up with: title, border, icon,
// font, size, place and the window that opens it, with the desktop
// workarounds that a window needs.

#include <QSize>
#include <QString>

class QDialog;
class QWidget;

namespace cyclo {

// The frame of one of the program's windows.
struct WindowFrame
{
    enum class Border
    {
        // Fixed size, close box only.
        Dialog,
        // Fixed size, close and minimise boxes.
        Fixed,
        // Resizable, with close, minimise and maximise boxes.
        Sizeable
    };

    QString title;
    Border border = Border::Dialog;
    // The client area: fixed for Dialog and Fixed, the starting size for Sizeable.
    QSize clientSize;
};

// Sets up `window` once, in its constructor: title, border and boxes, the
// program icon, the form font, its size, and its place in the middle of the
// screen. `opener`, the window that opens it, becomes its transient parent,
// so that any window system keeps it above that window and floats it; none
// for the main window.
void SetUpWindow(QDialog& window, QWidget* opener, const WindowFrame& frame);

// Whether the window system places top-level windows itself (Wayland): the
// program then leaves their position alone.
[[nodiscard]] bool WindowSystemPlacesWindows();

// Keeps a top-level window's frame, title bar included, in the middle of the
// available area of its screen: placed now with the frame known so far, and
// again when it is first shown and its frame is known.
void CentreOnScreen(QWidget& window);

} // namespace cyclo
