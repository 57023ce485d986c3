#pragma once
// The pictures' pixels, compiled into the program from the PNGs in images/
// by pack_pictures when the program is built.

#include <cstdint>
#include <span>
#include <string_view>

namespace cyclo {

struct PackedPicture
{
    std::string_view name; // e.g. "buttons/print-disabled"
    int scale;             // device pixels per unit: 1 or 2
    int width;             // in device pixels
    int height;
    const std::uint32_t* pixels; // premultiplied ARGB, row after row
};

// Every picture, each name at scale 1 and at scale 2.
std::span<const PackedPicture> PackedPictures();

} // namespace cyclo
