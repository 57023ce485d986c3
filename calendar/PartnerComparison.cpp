#include "PartnerComparison.h"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace cyclo {
namespace {

struct Cycle
{
    int period;
    std::string_view text;
};

// In the order of the result lines.
constexpr std::array<Cycle, 4> kCycles = {{
    {33, " % intellectual equality"},
    {28, " % emotional equality"},
    {23, " % physical equality"},
    {38, " % intuitive equality"},
}};
constexpr std::string_view kAverageText = " % average equality";

std::string ResultLine(double value, std::string_view text)
{
    char number[32];
    std::snprintf(number, sizeof number, "%3lld", RoundHalfEven(value));
    std::string line(number);
    line += text;
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
        result.lines[i] = ResultLine(equality, kCycles[i].text);
        sum += equality;
    }
    const double average = sum / 4.0;
    result.values[4] = average;
    result.lines[4] = ResultLine(average, kAverageText);
    return result;
}

} // namespace cyclo
