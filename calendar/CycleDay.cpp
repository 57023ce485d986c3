#include "calendar/CycleDay.h"

#include <cctype>
#include <cmath>
#include <numbers>

namespace cyclo {
namespace {

// The cycle's place in its period, 0 to period - 1, also before the birth.
std::int32_t PhaseDay(std::int32_t t, int period) noexcept
{
    const std::int32_t r = t % period;
    return r < 0 ? r + period : r;
}

// -1, 0 or 1 as the sine of day t: zero at the start and in the middle of the
// period, positive in the first half, negative in the second.
int Sign(std::int32_t t, int period) noexcept
{
    const std::int32_t twice = 2 * PhaseDay(t, period);
    if (twice == 0 || twice == period)
        return 0;
    return twice < period ? 1 : -1;
}

// "intellectual" -> "Intellectual"
std::string Capitalised(std::string_view name)
{
    std::string title(name);
    if (!title.empty())
        title[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(title[0])));
    return title;
}

} // namespace

std::int32_t DaysSinceBirth(const TYmd& birth, const TYmd& day) noexcept
{
    return DayNumber(day) - DayNumber(birth);
}

int CycleValue(std::int32_t t, int period) noexcept
{
    // The phase is reduced first, so the sine sees small exact arguments
    // whatever the age.
    const double angle = 2.0 * std::numbers::pi * PhaseDay(t, period) / period;
    return static_cast<int>(std::lround(100.0 * std::sin(angle)));
}

bool IsCriticalDay(std::int32_t t, int period) noexcept
{
    const int today = Sign(t, period);
    if (today == 0)
        return true;
    const int dayBefore = Sign(t - 1, period);
    return dayBefore != 0 && dayBefore != today;
}

std::vector<int> CriticalDaysOfMonth(const TYmd& birth, std::uint16_t year, std::uint16_t month,
                                     int period)
{
    std::vector<int> days;
    const int length = DaysInMonth(year, month);
    const TYmd first{year, month, 1};
    const std::int32_t firstT = DaysSinceBirth(birth, first);
    for (int day = 1; day <= length; ++day) {
        if (IsCriticalDay(firstT + day - 1, period))
            days.push_back(day);
    }
    return days;
}

std::string DayLine(const TYmd& birth, const TYmd& day, const CycleSelection& selected)
{
    const std::int32_t t = DaysSinceBirth(birth, day);
    std::string line;
    std::string critical;
    for (std::size_t i = 0; i < kCycles.size(); ++i) {
        if (!selected[i])
            continue;
        const CycleInfo& cycle = kCycles[i];
        if (!line.empty())
            line += "  ";
        line += Capitalised(cycle.name);
        line += ' ';
        line += std::to_string(CycleValue(t, cycle.period));
        line += " %";
        if (IsCriticalDay(t, cycle.period)) {
            critical += critical.empty() ? "  Critical: " : ", ";
            critical += cycle.name;
        }
    }
    return line + critical;
}

std::string CriticalDaysLine(const TYmd& birth, std::uint16_t year, std::uint16_t month,
                             Cycle cycle)
{
    const CycleInfo& info = CycleOf(cycle);
    std::string line = "Critical days of the ";
    line += info.name;
    line += " cycle in ";
    line += MonthNames(month);
    line += ' ';
    line += std::to_string(year);
    line += ": ";
    const std::vector<int> days = CriticalDaysOfMonth(birth, year, month, info.period);
    if (days.empty())
        line += "none";
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (i > 0)
            line += ", ";
        line += std::to_string(days[i]);
    }
    return line;
}

} // namespace cyclo
