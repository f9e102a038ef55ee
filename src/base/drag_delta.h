#pragma once

#include <cmath>
#include <initializer_list>
#include <optional>
#include <utility>

#include "base/view_state.h"

namespace ferlo {

// The pointer's displacement from the mouse-down point in model units:
// `across` to the right, `up` upwards (screen y grows downwards).
struct DragDelta {
    double across = 0.0;
    double up = 0.0;
};

// Nothing when the zoom is 0 or not finite, or the displacement overflows:
// a drag then changes nothing.
inline std::optional<DragDelta> dragDelta(const ViewState& view, double x, double y) {
    if (!std::isfinite(view.zoom) || view.zoom == 0.0) return std::nullopt;
    const DragDelta delta{(x - view.xloc) / view.zoom, (view.yloc - y) / view.zoom};
    if (!std::isfinite(delta.across) || !std::isfinite(delta.up)) return std::nullopt;
    return delta;
}

// Stores every value in its field, or none of them when one is not finite,
// so that a drag never leaves infinity or NaN in a part.
inline bool assignAllFinite(std::initializer_list<std::pair<double*, double>> assignments) {
    for (const auto& [field, value] : assignments) {
        if (!std::isfinite(value)) return false;
    }
    for (const auto& [field, value] : assignments) *field = value;
    return true;
}

}  // namespace ferlo
