#include "calendar/PartnerComparison.h"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace cyclo {
namespace {

// " 94 % intellectual equality"
std::string ResultLine(double value, std::string_view name)
{
    char number[32];
    std::snprintf(number, sizeof number, "%3lld", RoundHalfEven(value));
    std::string line(number);
    line += " % ";
    line += name;
    line += " equality";
    return line;
}

} // namespace

long long RoundHalfEven(double value) noexcept
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    auto result = static_cast<long long>(lower);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0))
        ++result;
    return result;
}

TComparison CompareCycles(const TYmd& a, const TYmd& b)
{
    const std::int32_t na = DayNumber(a);
    const std::int32_t nb = DayNumber(b);

    TComparison result;
    double sum = 0.0;
    for (std::size_t i = 0; i < kCycles.size(); ++i) {
        const int period = kCycles[i].period;
        const double half = period / 2.0;
        const int distance = std::abs(na % period - nb % period);
        const double equality = std::abs(distance - half) * (100.0 / half);
        result.values[i] = equality;
        result.lines[i] = ResultLine(equality, kCycles[i].name);
        sum += equality;
    }
    result.average = sum / static_cast<double>(kCycles.size());
    result.averageLine = ResultLine(result.average, "average");
    return result;
}

} // namespace cyclo
