#pragma once
// Shared set-up for the date field and calendar tests: a pinned "today" and
// regional settings of a day-month-year locale with "." as separator and
// English names.

#include "controls/Clock.h"
#include "controls/RegionalSettings.h"

#include <QLocale>

namespace cyclo::test {

inline const QDate kToday{2026, 12, 10};

inline RegionalDateSettings dottedDayMonthYear()
{
    RegionalDateSettings s;
    s.shortDateFormat = u"dd.MM.yyyy";
    s.dateSeparator = u'.';
    s.fourDigitYearByDefault = true;
    return s;
}

inline RegionalDateSettings slashedMonthDayYear()
{
    RegionalDateSettings s;
    s.shortDateFormat = u"MM/dd/yyyy";
    s.dateSeparator = u'/';
    s.fourDigitYearByDefault = true;
    return s;
}

// Clock and regional settings that a test's controls read.
struct CalendarEnvironment
{
    CalendarEnvironment()
    {
        settings.setFollowsChanges(false);
        settings.setLocale(QLocale::c());
        settings.setDateSettings(dottedDayMonthYear());
    }

    FixedClock clock{kToday};
    RegionalSettings settings;
};

} // namespace cyclo::test
