#include "controls/RepeatTimer.h"

namespace cyclo {

QtRepeatTimer::QtRepeatTimer()
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
}

void QtRepeatTimer::start(int intervalMs)
{
    timer_.start(intervalMs);
}

void QtRepeatTimer::stop()
{
    timer_.stop();
}

bool QtRepeatTimer::isActive() const
{
    return timer_.isActive();
}

} // namespace cyclo
