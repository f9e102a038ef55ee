#pragma once

#include <initializer_list>
#include <optional>

#include "base/view_state.h"

namespace ferlo {

// The pointer's displacement from the mouse-down point (`xloc`, `yloc`) in
// model units, along the screen axes: across = (x - xloc) / zoom, to the
// right; down = (y - yloc) / zoom, downward (aft in the VTop plan).
struct DragDisplacement {
    double across = 0.0;
    double down = 0.0;

    // Upward, for heights: screen y grows downward.
    double up() const { return -down; }
};

// Nothing when the zoom is 0 or not finite, or the displacement overflows,
// so that a drag step then changes nothing.
std::optional<DragDisplacement> dragDisplacement(const ViewState& view, double x, double y);

// One field of a part and the value a drag step gives it.
struct FieldValue {
    double& field;
    double value;
};

// Stores every value in its field when a project file can hold all of them
// (fitsProjectFile: finite, at most kMaxFileMagnitude), else changes
// nothing, so that a drag never leaves a part the project cannot be saved
// with. True when stored.
bool assignIfSaveable(std::initializer_list<FieldValue> values);

}  // namespace ferlo
