#pragma once

#include <array>
#include <cstdint>

namespace ferlo {

// A colour of the 2D views: an index into the classic 16-colour palette.
using PaletteColor = int;

inline constexpr PaletteColor kBlack = 0;
inline constexpr PaletteColor kLightBlue = 9;     // what a view shows but does not edit
inline constexpr PaletteColor kLightYellow = 14;  // what lies under the pointer
inline constexpr PaletteColor kWhite = 15;        // erasing a previous outline

struct Rgb8 {
    std::uint8_t red, green, blue;
};

// The one table from palette index to RGB; an index outside 0..15 is black.
Rgb8 paletteRgb(PaletteColor color);

}  // namespace ferlo
