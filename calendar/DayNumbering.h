#pragma once
// The program's own Gregorian day count (proleptic, from year 0), month
// lengths and month names. All biorhythm arithmetic measures time as the
// difference of two DayNumber values.

#include <cstdint>
#include <string_view>

namespace cyclo {

// A calendar date as three 16-bit words, in the order the person file keeps them.
struct TYmd
{
    std::uint16_t Year = 0;
    std::uint16_t Month = 0;
    std::uint16_t Day = 0;

    friend bool operator==(const TYmd&, const TYmd&) = default;
};

// Gregorian rule; year 0 is a leap year.
[[nodiscard]] bool IsLeapYear(std::int32_t year) noexcept;

// Length of a month, 28 to 31. A month outside 1..12 (a damaged record can
// hold month 0 or 200) has no days: the result is 0.
[[nodiscard]] std::uint8_t DaysInMonth(std::int32_t year, unsigned month) noexcept;

// Days from the start of year 0 up to and including `date`: 1 January of
// year 1 is 367. Constant time, and the same numbers as summing whole years,
// then DaysInMonth of the months before `Month`, then adding `Day` -- which
// also fixes the result for impossible dates: a month above 12 adds the whole
// year's months and nothing more, month 0 adds none, and the day is added as
// stored. Defined for every 16-bit input; never overflows.
[[nodiscard]] std::int32_t DayNumber(const TYmd& date) noexcept;

// English month name for month 1..12 (entry 9 is spelled as the program has
// always shown it); an empty view for any other month.
[[nodiscard]] std::string_view MonthNames(unsigned month) noexcept;

} // namespace cyclo
