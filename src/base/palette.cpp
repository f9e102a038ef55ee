#include "base/palette.h"

namespace ferlo {

namespace {

constexpr std::array<Rgb8, 16> kPalette{{
    {0, 0, 0},       {0, 0, 128},     {0, 128, 0},     {0, 128, 128},
    {128, 0, 0},     {128, 0, 128},   {128, 128, 0},   {192, 192, 192},
    {128, 128, 128}, {0, 0, 255},     {0, 255, 0},     {0, 255, 255},
    {255, 0, 0},     {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
}};

}  // namespace

Rgb8 paletteRgb(PaletteColor color) {
    if (color < 0 || color >= static_cast<int>(kPalette.size())) return kPalette[0];
    return kPalette[static_cast<std::size_t>(color)];
}

}  // namespace ferlo
