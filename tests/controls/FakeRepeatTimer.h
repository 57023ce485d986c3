#pragma once
// A repeat timer that runs on a test's own clock: advance() moves time on
// and fires every tick that falls due on the way.

#include "controls/RepeatTimer.h"

namespace cyclo::test {

class FakeRepeatTimer final : public RepeatTimer
{
public:
    void start(int intervalMs) override
    {
        intervalMs_ = intervalMs;
        dueMs_ = nowMs_ + intervalMs;
        active_ = true;
    }
    void stop() override { active_ = false; }
    [[nodiscard]] bool isActive() const override { return active_; }
    [[nodiscard]] int interval() const { return intervalMs_; }

    void advance(int ms)
    {
        const long long endMs = nowMs_ + ms;
        while (active_ && intervalMs_ > 0 && dueMs_ <= endMs) {
            nowMs_ = dueMs_;
            dueMs_ += intervalMs_;
            fire(); // may restart with another interval
        }
        nowMs_ = endMs;
    }

private:
    long long nowMs_ = 0;
    long long dueMs_ = 0;
    int intervalMs_ = 0;
    bool active_ = false;
};

} // namespace cyclo::test
