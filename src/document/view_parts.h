#pragma once

#include <optional>

#include "document/plane.h"
#include "document/view_kind.h"

namespace ferlo {

// A range of list numbers, from `first` to `last`; empty when first > last.
struct NumberRange {
    int first = 1;
    int last = 0;
    bool contains(int i) const { return first <= i && i <= last; }
    bool empty() const { return first > last; }
    bool operator==(const NumberRange&) const = default;
};

// Which parts of a 2D view a drawing or a mouse step covers: main-wing
// panels (by number), the stabiliser, the shown fuselages other than the
// current one, the current fuselage, the fin and equipment boxes (by
// number). The Side and HTop views show panel 1 and the stabiliser for
// reference; the Front view shows the current fuselage's selected section.
struct ViewParts {
    NumberRange panels;
    bool stab = false;
    bool otherFuselages = false;
    bool fuselage = false;
    bool fin = false;
    NumberRange boxes;

    // Every part a view may show (each view takes what it shows of them).
    static ViewParts all();
    bool operator==(const ViewParts&) const = default;
};

// The parts of a view from the first grabbed part to the last, in the order
// in which the view draws its parts (the grabbed span, which may hold parts
// that were not grabbed); nothing while no part the view edits is grabbed.
std::optional<ViewParts> dragSpanOf(Plane& plane, ViewKind mode, bool equipmentTabOpen);

}  // namespace ferlo
