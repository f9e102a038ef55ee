#pragma once

#include "document/plane.h"
#include "document/plane_operations.h"

namespace ferlo::testing {

// The aircraft of a new project (newPlane) in `plane`'s unit, with
// `extraPanels` outer panels appended as the wing panel's add command does.
inline void setUpDefaultPlane(Plane& plane, int extraPanels = 0) {
    newPlane(plane);
    for (int i = 0; i < extraPanels; ++i) {
        ++plane.mainWing.nbWings;
        plane.mainWing.addWing(plane.defaultColor);
    }
}

}  // namespace ferlo::testing
