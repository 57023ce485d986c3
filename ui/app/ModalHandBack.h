#pragma once
// Wayland: while a modal window is open, the windows it blocks take no keys
// or clicks, yet a compositor still activates such a window when it is
// clicked and raises it over the modal one, and the program looks frozen.
// This hands the activation straight back to the open modal window. (X11
// does so by itself; doing it once more there changes nothing.)

#include <QObject>

class QWidget;

namespace cyclo {

class ModalHandBack : public QObject
{
public:
    static constexpr const char* kName = "modalHandBack";

    explicit ModalHandBack(QWidget* window);

    // Hands every activation of `window` under a modal window back to that
    // one; once per window.
    static void watch(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void handBack();

    QWidget& window_;
};

} // namespace cyclo
