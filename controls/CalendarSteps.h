#pragma once
// The drop-down calendar's steps through days, months and years as plain date
// arithmetic, for every control that lets the user step a date: the calendar
// grid and the chart window's keys.

#include <QDate>

namespace cyclo {

enum class CalendarStep
{
    PrevDay,
    NextDay,
    PrevMonth,
    NextMonth,
    PrevYear,
    NextYear
};

// The date one step away from `from`. A day step crosses into the
// neighbouring month; a month step keeps the day where the month reached has
// it, else takes that month's last day; a year step from 29 February lands on
// 28 February. A null date where the step would leave the years 1 to 9999, or
// when `from` is not a date.
[[nodiscard]] QDate SteppedDate(QDate from, CalendarStep step);

} // namespace cyclo
