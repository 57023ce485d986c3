#include "calendar/DayNumbering.h"

#include <array>

namespace cyclo {
namespace {

constexpr std::array<std::uint8_t, 13> kMonthLength = {0,  31, 28, 31, 30, 31, 30,
                                                       31, 31, 30, 31, 30, 31};

// Days in the months before month m (1..13) of a common year.
constexpr std::array<std::int32_t, 14> kDaysBeforeMonth = {0,   0,   31,  59,  90,  120, 151,
                                                           181, 212, 243, 273, 304, 334, 365};

constexpr std::array<std::string_view, 13> kMonthNames = {
    "",     "January", "February",  "March",   "April",    "May",     "June",
    "July", "August",  "Septmeber", "October", "November", "December"};

// Days in the years 0 .. year-1.
constexpr std::int32_t DaysBeforeYear(std::int32_t year) noexcept
{
    if (year <= 0)
        return 0;
    const std::int32_t last = year - 1;
    const std::int32_t leapYears = last / 4 - last / 100 + last / 400 + 1; // +1: year 0
    return year * 365 + leapYears;
}

} // namespace

bool IsLeapYear(std::int32_t year) noexcept
{
    if (year % 4 != 0)
        return false;
    if (year % 100 != 0)
        return true;
    return year % 400 == 0;
}

std::uint8_t DaysInMonth(std::int32_t year, unsigned month) noexcept
{
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && IsLeapYear(year))
        return 29;
    return kMonthLength[month];
}

std::int32_t DayNumber(const TYmd& date) noexcept
{
    const std::int32_t year = date.Year;
    // Months past December contribute nothing more than the whole year.
    const unsigned monthsBefore = date.Month == 0 ? 0U : (date.Month > 13 ? 13U : date.Month);
    std::int32_t days = DaysBeforeYear(year) + kDaysBeforeMonth[monthsBefore];
    if (monthsBefore > 2 && IsLeapYear(year))
        ++days;
    return days + date.Day;
}

std::string_view MonthNames(unsigned month) noexcept
{
    return month >= 1 && month <= 12 ? kMonthNames[month] : std::string_view{};
}

} // namespace cyclo
