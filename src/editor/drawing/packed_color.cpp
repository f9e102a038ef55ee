#include "editor/drawing/packed_color.h"

#include <algorithm>
#include <cmath>

namespace ferlo {

namespace {

PackedColor component(double value) {
    // A component that is not a number counts as 0.
    const double whole = std::nearbyint(std::isnan(value) ? 0.0 : value);
    return static_cast<PackedColor>(std::clamp(whole, 0.0, 255.0));
}

}  // namespace

PackedColor packColor(const ColorRGB& color) {
    return component(color.red) + 256 * component(color.green) + 65536 * component(color.blue);
}

ColorRGB unpackColor(PackedColor value) {
    return {static_cast<double>(value & 0xFF), static_cast<double>((value >> 8) & 0xFF),
            static_cast<double>((value >> 16) & 0xFF)};
}

}  // namespace ferlo
