#pragma once
// The four biorhythm cycles: how long each lasts, what it is called and the
// colours it is shown in. The chart, its legend, the comparison and every
// printed page read them from this one table.

#include <array>
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
    int period;              // days
    std::string_view name;   // "intellectual", as it stands inside a sentence
    std::string_view legend; // the legend's caption
    Rgb colour;              // the curve and its legend swatch
    Rgb darkColour;          // the cycle's line on the comparison result page
};

inline constexpr std::array<CycleInfo, 4> kCycles = {{
    {Cycle::Intellectual, 33, "intellectual", "Intellectual constitution", {0, 255, 0}, {0, 128, 0}},
    {Cycle::Emotional, 28, "emotional", "Emotional constitution", {255, 0, 0}, {128, 0, 0}},
    {Cycle::Physical, 23, "physical", "Physical constitution", {0, 0, 255}, {0, 0, 128}},
    {Cycle::Intuitive, 38, "intuitive", "Intuitive constitution", {255, 0, 255}, {128, 0, 128}},
}};

[[nodiscard]] constexpr const CycleInfo& CycleOf(Cycle cycle)
{
    return kCycles[static_cast<std::size_t>(cycle)];
}

} // namespace cyclo
