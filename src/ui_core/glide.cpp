#include "ui_core/glide.h"

#include <algorithm>
#include <cmath>

namespace ferlo {

namespace {

constexpr double kStopDistance = 3;
constexpr double kStepFraction = 10;
constexpr double kFarthestPixel = 1e6;

}  // namespace

bool Glide::step() {
    cursor.x += (target.x - cursor.x) / kStepFraction;
    cursor.y += (target.y - cursor.y) / kStepFraction;
    return std::abs(cursor.x - target.x) >= kStopDistance || std::abs(cursor.y - target.y) >= kStopDistance;
}

int glidePixel(double value) {
    if (std::isnan(value)) return 0;
    // The default rounding mode rounds halves to the even neighbour.
    return static_cast<int>(std::nearbyint(std::clamp(value, -kFarthestPixel, kFarthestPixel)));
}

}  // namespace ferlo
