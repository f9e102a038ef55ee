#pragma once

#include "document/plane.h"
#include "support/default_aircraft.h"

namespace ferlo::testing {

// The aircraft of a new project as far as it is built: the default first
// wing panel, fuselage, stabiliser, fin and equipment list, in millimetres;
// `extraPanels` outer panels are appended as the wing panel's add command does.
inline void setUpDefaultPlane(Plane& plane, int extraPanels = 0) {
    plane.mainWing.freeWings();
    plane.mainWing.nbWings = 1;
    plane.mainWing.initWings(plane.defaultColor);
    plane.fuselages.initFuselages(plane.units, plane.defaultColor);
    plane.mainWing.wings[1] = defaultWingPanel();
    plane.stab = defaultStabiliser();
    plane.fin.init(plane.defaultColor);
    plane.equipment.initEquipment(plane.units);
    for (int i = 0; i < extraPanels; ++i) {
        ++plane.mainWing.nbWings;
        plane.mainWing.addWing(plane.defaultColor);
    }
}

}  // namespace ferlo::testing
