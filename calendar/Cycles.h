#pragma once
// The four biorhythm cycles: how long each lasts, what it is called and the
// colours it is shown in. The chart, its legend, the comparison and every
// printed page read them from this one table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace cyclo {

// A colour as red, green and blue components, 0 to 255 each.
struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The cycles in the order the chart draws them, the legend lists them and the
// comparison reports them.
enum class Cycle
{
    Intellectual,
    Emotional,
    Physical,
    Intuitive
};

struct CycleInfo
{
    Cycle cycle;
    int period;                   // days
    std::string_view name;        // "intellectual", as it stands inside a sentence
    std::string_view legend;      // the legend's caption
    std::string_view resultLabel; // the result window's label of the cycle's line
    Rgb colour;                   // the curve and its legend swatch
    Rgb darkColour;               // the cycle's line on the comparison result page
};

// clang-format off
inline constexpr std::array<CycleInfo, 4> kCycles = {{
    {Cycle::Intellectual, 33, "intellectual", "Intellectual constitution", "Intel",
     {0, 255, 0}, {0, 128, 0}},
    {Cycle::Emotional, 28, "emotional", "Emotional constitution", "Emot",
     {255, 0, 0}, {128, 0, 0}},
    {Cycle::Physical, 23, "physical", "Physical constitution", "Phys",
     {0, 0, 255}, {0, 0, 128}},
    {Cycle::Intuitive, 38, "intuitive", "Intuitive constitution", "Intu",
     {255, 0, 255}, {128, 0, 128}},
}};
// clang-format on

// A cycle's place in kCycles.
[[nodiscard]] constexpr std::size_t IndexOf(Cycle cycle)
{
    return static_cast<std::size_t>(cycle);
}

static_assert(
    [] {
        for (std::size_t i = 0; i < kCycles.size(); ++i) {
            if (IndexOf(kCycles[i].cycle) != i)
                return false;
        }
        return true;
    }(),
    "kCycles lists the cycles in the order of Cycle");

[[nodiscard]] constexpr const CycleInfo& CycleOf(Cycle cycle)
{
    return kCycles[IndexOf(cycle)];
}

// Which cycles are meant, one flag per cycle, indexed like kCycles: the
// curves a chart shows, the cycles a day's line tells of.
using CycleSelection = std::array<bool, kCycles.size()>;

inline constexpr CycleSelection kAllCycles = [] {
    CycleSelection all{};
    all.fill(true);
    return all;
}();

} // namespace cyclo
