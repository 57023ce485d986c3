#pragma once
// The timer behind a button that repeats while held down. Buttons own one
// through this interface so that a test can step time by hand instead of
// waiting for it.

#include <QTimer>
#include <functional>

namespace cyclo {

class RepeatTimer
{
public:
    RepeatTimer() = default;
    RepeatTimer(const RepeatTimer&) = delete;
    RepeatTimer& operator=(const RepeatTimer&) = delete;
    virtual ~RepeatTimer() = default;

    // (Re)starts the timer: the callback runs every `intervalMs` until stop().
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
    [[nodiscard]] virtual bool isActive() const = 0;

    void setCallback(std::function<void()> callback) { callback_ = std::move(callback); }

protected:
    void fire()
    {
        if (callback_)
            callback_();
    }

private:
    std::function<void()> callback_;
};

// The real thing, on a QTimer.
class QtRepeatTimer final : public RepeatTimer
{
public:
    QtRepeatTimer();
    void start(int intervalMs) override;
    void stop() override;
    [[nodiscard]] bool isActive() const override;

private:
    QTimer timer_;
};

} // namespace cyclo
