#pragma once
// A person's cycles on one day: each cycle's value in percent, whether the
// day is critical for it (the cycle touches or crosses zero), a month's
// critical days, and the lines that tell them.

#include "calendar/Cycles.h"
#include "calendar/DayNumbering.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace cyclo {

// Days since the birth: 0 on the day of birth, negative before it.
[[nodiscard]] std::int32_t DaysSinceBirth(const TYmd& birth, const TYmd& day) noexcept;

// 100 x sin(2 pi t / period) on day t since the birth, rounded to the
// nearest integer, halves away from zero: 0 at birth, rising after it.
[[nodiscard]] int CycleValue(std::int32_t t, int period) noexcept;

// Day t is critical when the cycle is exactly zero on it, or when its sign
// differs from the day before and the day before was not zero itself. Decided
// in whole numbers: no rounding of a sine can move a critical day.
[[nodiscard]] bool IsCriticalDay(std::int32_t t, int period) noexcept;

// The days (1 to 31) of `month` in `year` that are critical for the cycle of
// `period` days of a person born on `birth`, in ascending order.
[[nodiscard]] std::vector<int> CriticalDaysOfMonth(const TYmd& birth, std::uint16_t year,
                                                   std::uint16_t month, int period);

// The selected cycles' values on `day` in the order of kCycles, two blanks
// apart, followed by the critical ones among them in the same order:
// "Intellectual 94 %  Emotional -43 %  Physical 0 %  Critical: physical".
// Empty when no cycle is selected.
[[nodiscard]] std::string DayLine(const TYmd& birth, const TYmd& day,
                                  const CycleSelection& selected);

// "Critical days of the physical cycle in December 2026: 3, 14, 26". A
// cycle turns critical at least every 19 days, so every month has some; a
// month number outside 1 to 12 has no days and reads "none".
[[nodiscard]] std::string CriticalDaysLine(const TYmd& birth, std::uint16_t year,
                                           std::uint16_t month, Cycle cycle);

} // namespace cyclo
