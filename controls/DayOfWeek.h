#pragma once
// Weekday names and sets of weekdays, as the calendar controls use them to
// choose the first column and the columns drawn in the weekend colour.

#include <cstdint>
#include <initializer_list>

namespace cyclo {

// A weekday, 0 = Sunday.
enum class TDayOfWeekName : std::uint8_t
{
    Sun,
    Mon,
    Tue,
    Wed,
    Thu,
    Fri,
    Sat
};

inline constexpr int kDaysPerWeek = 7;

// A set of weekdays.
class TDaysOfWeek
{
public:
    constexpr TDaysOfWeek() = default;
    constexpr TDaysOfWeek(std::initializer_list<TDayOfWeekName> days)
    {
        for (TDayOfWeekName d : days)
            bits_ = static_cast<std::uint8_t>(bits_ | bit(d));
    }

    [[nodiscard]] constexpr bool contains(TDayOfWeekName d) const { return (bits_ & bit(d)) != 0; }
    [[nodiscard]] constexpr bool empty() const { return bits_ == 0; }
    friend constexpr bool operator==(TDaysOfWeek, TDaysOfWeek) = default;

private:
    static constexpr std::uint8_t bit(TDayOfWeekName d)
    {
        return static_cast<std::uint8_t>(1U << static_cast<unsigned>(d));
    }
    std::uint8_t bits_ = 0;
};

// The weekday of a column index or a date's day-of-week, wrapped into 0..6.
[[nodiscard]] constexpr TDayOfWeekName DayOfWeekFromIndex(int index)
{
    return static_cast<TDayOfWeekName>(((index % kDaysPerWeek) + kDaysPerWeek) % kDaysPerWeek);
}

[[nodiscard]] constexpr int IndexOf(TDayOfWeekName d)
{
    return static_cast<int>(d);
}

} // namespace cyclo
