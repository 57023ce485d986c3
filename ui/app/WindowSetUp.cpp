#include "ui/app/WindowSetUp.h"

#include "assets/Artwork.h"
#include "ui/app/FrameCentring.h"
#include "ui/app/ModalHandBack.h"
#include "ui/widgets/WindowLook.h"

#include <QDialog>
#include <QGuiApplication>

namespace cyclo {

bool WindowSystemPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void SetUpWindow(QDialog& window, QWidget* opener, const WindowFrame& frame)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (frame.border) {
    case WindowFrame::Border::Dialog:
        flags |= Qt::Dialog;
        break;
    case WindowFrame::Border::Fixed:
        flags |= Qt::Window | Qt::WindowMinimizeButtonHint;
        break;
    case WindowFrame::Border::Sizeable:
        flags |= Qt::Window | Qt::WindowMinMaxButtonsHint;
        break;
    }
    // A parent makes the opener the window's transient parent.
    window.setParent(opener, flags);
    window.setWindowTitle(frame.title);
    window.setWindowIcon(Artwork::programIcon());
    window.setFont(FormFont());
    if (frame.border == WindowFrame::Border::Sizeable)
        window.resize(frame.clientSize);
    else
        window.setFixedSize(frame.clientSize);
    CentreOnScreen(window);
    ModalHandBack::watch(window);
}

void CentreOnScreen(QWidget& window)
{
    // There the compositor decides, and a move would only be ignored.
    if (WindowSystemPlacesWindows())
        return;
    FrameCentring::centre(window);
}

} // namespace cyclo
