#pragma once
// A floating window that a field drops down under itself: no caption, a thin
// border, shown without being activated so the focus stays in the field, and
// a close-up callback through which it hands its result back.

#include <QDate>
#include <QFrame>
#include <QString>
#include <functional>
#include <variant>

class QKeyEvent;

namespace cyclo {

class TPopupWindow : public QFrame
{
    Q_OBJECT

public:
    // A starting value: nothing, a text or a date.
    using Value = std::variant<std::monostate, QString, QDate>;
    // Called when the window asks to close, with whether its value is accepted.
    using CloseUpHandler = std::function<void(TPopupWindow* sender, bool accept)>;

    // `owner` is the field; the window floats above the owner's window.
    explicit TPopupWindow(QWidget* owner);

    void setCloseUp(CloseUpHandler handler) { closeUp_ = std::move(handler); }

    // The current value.
    [[nodiscard]] virtual QDate ReadValue() const = 0;
    // Sets the starting value before the window opens.
    virtual void PresetValue(const Value& value) = 0;
    // Asks the owner to close the window (calls the close-up callback).
    virtual void CloseWithResult(bool accept);

    // A key the owner passes on while the window is open; returns whether
    // the window used it.
    virtual bool handleKey(QKeyEvent* event);

    // Whether `widget` is this window or lies inside it.
    [[nodiscard]] bool containsWidget(const QWidget* widget) const;

protected:
    bool event(QEvent* event) override;

private:
    CloseUpHandler closeUp_;
};

} // namespace cyclo
