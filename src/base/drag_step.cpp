#include "base/drag_step.h"

#include <algorithm>
#include <cmath>

#include "base/value_reader.h"

namespace ferlo {

std::optional<DragDisplacement> dragDisplacement(const ViewState& view, double x, double y) {
    if (view.zoom == 0.0 || !std::isfinite(view.zoom)) return std::nullopt;
    const DragDisplacement d{(x - view.xloc) / view.zoom, (y - view.yloc) / view.zoom};
    if (!std::isfinite(d.across) || !std::isfinite(d.down)) return std::nullopt;
    return d;
}

bool assignIfSaveable(std::initializer_list<FieldValue> values) {
    if (!std::all_of(values.begin(), values.end(), [](const FieldValue& v) { return fitsProjectFile(v.value); })) {
        return false;
    }
    for (const FieldValue& v : values) v.field = v.value;
    return true;
}

}  // namespace ferlo
