#pragma once
// How closely the four cycles of two persons run in step: 100 % at the same
// phase, 0 % half a period apart, and the average of the four.

#include "calendar/Cycles.h"
#include "calendar/DayNumbering.h"

#include <array>
#include <string>

namespace cyclo {

// The four cycles in the order of kCycles, then their average.
enum class Equality
{
    Intellectual,
    Emotional,
    Physical,
    Intuitive,
    Average
};

struct TComparison
{
    // Indexed by Equality; the unrounded percentages.
    std::array<double, 5> values{};
    // The result lines as shown, e.g. " 94 % intellectual equality".
    std::array<std::string, 5> lines;

    [[nodiscard]] double value(Equality e) const { return values[static_cast<std::size_t>(e)]; }
    [[nodiscard]] const std::string& line(Equality e) const
    {
        return lines[static_cast<std::size_t>(e)];
    }
};

// Depends only on the two birth dates; symmetric in its arguments.
[[nodiscard]] TComparison CompareCycles(const TYmd& a, const TYmd& b);

// Rounds to the nearest integer, an exact half to the even neighbour.
[[nodiscard]] long long RoundHalfEven(double value) noexcept;

} // namespace cyclo
