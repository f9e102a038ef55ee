#pragma once

#include "document/plane.h"
#include "document/plane_operations.h"
#include "surfaces/main_wing.h"
#include "surfaces/sym_wing_sections.h"
#include "surfaces/vert_wing_section.h"

namespace ferlo::testing {

// The aircraft of a new project, as newPlane makes it, in millimetres.
inline Plane newDefaultPlane() {
    Plane plane;
    newPlane(plane);
    return plane;
}

// The parts of a new project.
inline SymWingSections defaultWingPanel() { return newDefaultPlane().mainWing.wing(1); }
inline SymWingSections defaultStabiliser() { return newDefaultPlane().stab; }
inline MainWing defaultMainWing() { return newDefaultPlane().mainWing; }
inline VertWingSection defaultFin() { return newDefaultPlane().fin; }

}  // namespace ferlo::testing
