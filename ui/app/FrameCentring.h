#pragma once
// X11: a window manager puts its frame around a window only after the window
// is shown, and Qt then places the client area, not the frame, where it was
// asked. Centred by its client area alone, a window sits lower and further
// right than the middle of the screen by its title bar and border. This
// centres it by its frame when it is first shown, and once more as soon as
// the window system has put the real frame around it (known when the window
// is first exposed, or when the frame moves it).

#include <QObject>

class QWidget;

namespace cyclo {

class FrameCentring : public QObject
{
public:
    static constexpr const char* kName = "frameCentring";

    explicit FrameCentring(QWidget* window);

    // Places `window` in the middle of its screen now, with the frame known
    // so far, and keeps it there once its frame is known.
    static void centre(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void settleOnKnownFrame();

    QWidget& window_;
    bool watching_ = false;
    bool settled_ = false;
};

} // namespace cyclo
