#pragma once
// A window that a field drops down under itself: no caption, a thin border,
// a popup of the field's window that is never activated, so the focus stays
// in the field, and a close-up signal through which it hands its result back.

#include <QFrame>
#include <QVariant>

class QKeyEvent;

namespace cyclo {

class TPopupWindow : public QFrame
{
    Q_OBJECT

public:
    // `owner` is the field; the window is a popup of the owner's window.
    explicit TPopupWindow(QWidget* owner);

    // The current value, of the type the window edits.
    [[nodiscard]] virtual QVariant ReadValue() const = 0;
    // Sets the starting value before the window opens: nothing (a null
    // variant), a text, or a value of the type the window edits.
    virtual void PresetValue(const QVariant& value) = 0;
    // Asks the owner to close the window (emits closeUp).
    virtual void CloseWithResult(bool accept);

    // A key the owner passes on while the window is open; returns whether
    // the window used it.
    virtual bool handleKey(QKeyEvent* event);

    // Whether `widget` is this window or lies inside it.
    [[nodiscard]] bool containsWidget(const QWidget* widget) const;

signals:
    // The window asks its owner to close it, with whether its value is accepted.
    void closeUp(cyclo::TPopupWindow* sender, bool accept);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace cyclo
