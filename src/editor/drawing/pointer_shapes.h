#pragma once

#include <cstdint>

#include <QCursor>
#include <QImage>

#include "base/view_state.h"
#include "document/plane.h"
#include "document/view_kind.h"

namespace ferlo {

// The drawing area's pointer shapes by value.
enum PointerValue { kPointerDefault = 0, kPointerCross = 2, kPointerSizeAll = 5, kPointerSizeNS = 7,
                    kPointerSizeWE = 9, kPointerCustom = 99 };

// The two custom pointers, 32 x 32 in black with a white outline: a
// double-headed arrow with a small ring at its middle, upright or laid
// across, each with its hot spot at the ring's centre.
enum class PointerIcon { NorthSouth, EastWest };
QImage pointerIconImage(PointerIcon icon);
QCursor pointerIconCursor(PointerIcon icon);

// What lies under the pointer, as the pointer shape and the Shift key read
// it: each highlighted part and the hit code under the pointer.
struct Hover {
    bool wing = false;  // some wing panel; the code is the first one's
    std::int32_t wingPart = 0;
    bool stab = false;
    std::int32_t stabPart = 0;
    bool fuselage = false;  // the current fuselage
    std::int32_t fuselagePart = 0;
    bool box = false;  // some equipment box
    bool fin = false;
    std::int32_t finPart = 0;

    bool any() const { return wing || stab || fuselage || box || fin; }
};
Hover hoverOf(Plane& plane);

// A pointer: its value and, for kPointerCustom, the icon shown.
struct PointerShape {
    int value = kPointerDefault;
    PointerIcon icon = PointerIcon::NorthSouth;
    bool operator==(const PointerShape&) const = default;
};

// The pointer from what lies under it and from the modifier keys
// (`updateMousePointer`): the rules for a wing panel, the stabiliser, the
// current fuselage, a box, the fin, nothing, then Alt, each one that applies
// setting the pointer again. With only Shift held over nothing the pointer
// stays `current`.
PointerShape pointerShapeFor(const Hover& hover, ViewKind mode, const ViewState& view, PointerShape current);

// The size arrow that Shift shows over a highlighted edge: up and down for
// the fin, a box or the fuselage in VTop, across for the others.
int shiftPointerFor(const Hover& hover, ViewKind mode);

}  // namespace ferlo
