#include "controls/CalendarSteps.h"

#include "calendar/DateTextRules.h"

#include <algorithm>

namespace cyclo {

namespace {

// The date, or a null date outside the years 1 to 9999.
QDate withinYears(QDate date)
{
    return date.isValid() && date.year() >= kMinYear && date.year() <= kMaxYear ? date : QDate();
}

// From the month's last day one step forward, or from its first day one step
// back, lands in the neighbouring month; there the remembered day is taken,
// or the month's last day if it is shorter.
QDate stepMonth(QDate from, int delta)
{
    const QDate reached = delta > 0
                              ? QDate(from.year(), from.month(), from.daysInMonth()).addDays(1)
                              : QDate(from.year(), from.month(), 1).addDays(-1);
    if (!withinYears(reached).isValid())
        return {};
    return {reached.year(), reached.month(), std::min(from.day(), reached.daysInMonth())};
}

// 29 February first becomes the 28th, which every year has.
QDate stepYear(QDate from, int delta)
{
    const bool leapDay = QDate::isLeapYear(from.year()) && from.month() == 2 && from.day() == 29;
    const int year = from.year() + delta;
    if (year < kMinYear || year > kMaxYear)
        return {};
    return {year, from.month(), leapDay ? 28 : from.day()};
}

} // namespace

QDate SteppedDate(QDate from, CalendarStep step)
{
    if (!withinYears(from).isValid())
        return {};
    switch (step) {
    case CalendarStep::PrevDay:
        return withinYears(from.addDays(-1));
    case CalendarStep::NextDay:
        return withinYears(from.addDays(1));
    case CalendarStep::PrevMonth:
        return stepMonth(from, -1);
    case CalendarStep::NextMonth:
        return stepMonth(from, 1);
    case CalendarStep::PrevYear:
        return stepYear(from, -1);
    case CalendarStep::NextYear:
        return stepYear(from, 1);
    }
    return {};
}

} // namespace cyclo
