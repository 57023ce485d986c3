#pragma once
// How closely the cycles of two persons run in step: 100 % at the same
// phase, 0 % half a period apart, and the average of them all.

#include "calendar/Cycles.h"
#include "calendar/DayNumbering.h"

#include <array>
#include <string>

namespace cyclo {

struct TComparison
{
    // Each cycle's equality, unrounded, in percent, indexed like kCycles,
    // and their average.
    std::array<double, kCycles.size()> values{};
    double average = 0.0;
    // The result lines as shown: " 94 % intellectual equality" for each
    // cycle, indexed like kCycles, and " 93 % average equality".
    std::array<std::string, kCycles.size()> lines;
    std::string averageLine;

    [[nodiscard]] double value(Cycle cycle) const { return values[IndexOf(cycle)]; }
    [[nodiscard]] const std::string& line(Cycle cycle) const { return lines[IndexOf(cycle)]; }
};

// Depends only on the two birth dates; symmetric in its arguments.
[[nodiscard]] TComparison CompareCycles(const TYmd& a, const TYmd& b);

// Rounds to the nearest integer, an exact half to the even neighbour.
[[nodiscard]] long long RoundHalfEven(double value) noexcept;

} // namespace cyclo
