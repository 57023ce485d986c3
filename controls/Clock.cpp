#include "controls/Clock.h"

namespace cyclo {

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

} // namespace cyclo
