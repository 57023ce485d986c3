#pragma once
// Small helpers every window of the program uses: its frame (title, border,
// icon, font, size, place and the window that opens it), its default font,
// and the OK and Cancel buttons.

#include <QDialog>
#include <QFont>
#include <QSize>

class QPushButton;
class QKeyEvent;
class QRect;
class QWidget;

namespace cyclo {

// "MS Sans Serif", 8 points: the font of every control that names no other.
[[nodiscard]] QFont FormFont();
// A font by family, points and weight, as the layouts name them.
[[nodiscard]] QFont NamedFont(const char* family, int points, bool bold);

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
void setUpWindow(QDialog& window, QWidget* opener, const WindowFrame& frame);

// Whether the window system places top-level windows itself (Wayland): the
// program then leaves their position alone.
[[nodiscard]] bool windowSystemPlacesWindows();

// Keeps a top-level window's frame, title bar included, in the middle of the
// available area of its screen: placed now with the frame known so far, and
// again when it is first shown and its frame is known.
void centreOnScreen(QWidget& window);

// "OK" with the check-mark picture, the dialog's default button (Enter).
// The caller connects what it does.
[[nodiscard]] QPushButton* makeOkButton(QWidget* parent, const QRect& geometry);
// "&Cancel" with the cross picture; it rejects `dialog`, as Esc and the close
// box do.
QPushButton* makeCancelButton(QDialog* dialog, const QRect& geometry);

// A window without a cancel button: Esc does nothing there, instead of
// closing it as it would close any other dialog.
class NoCancelDialog : public QDialog
{
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace cyclo
