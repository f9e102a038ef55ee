#pragma once

#include <cstdint>

#include "base/geometry.h"

namespace ferlo {

// A colour as the colour dialog takes and gives it: red + 256 green +
// 65536 blue, each component a whole number 0 to 255.
using PackedColor = std::uint32_t;

// Each component rounded to the nearest whole number (halves to the even
// one) and kept within 0 to 255.
PackedColor packColor(const ColorRGB& color);
// Bits 0 to 7 red, 8 to 15 green, 16 to 23 blue.
ColorRGB unpackColor(PackedColor value);

}  // namespace ferlo
