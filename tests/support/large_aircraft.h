#pragma once

#include <cmath>
#include <cstdint>

#include "document/plane.h"
#include "document/plane_operations.h"

namespace ferlo::testing {

// The large aircraft of the benchmarks and the output checks, built through
// the public operations as the editor builds it: 100 wing panels, 20
// fuselages of 200 sections of 64 outline points (256 000 mesh points), 200
// equipment boxes; fuselage 10 is the current one.
inline void makeLargeAircraft(Plane& plane) {
    newPlane(plane);
    for (int i = 2; i <= 100; ++i) {
        ++plane.mainWing.nbWings;
        plane.mainWing.addWing(plane.defaultColor);
    }
    FuselageList& fuselages = plane.fuselages;
    for (int i = 2; i <= 20; ++i) fuselages.addFuselage(false, plane.units, plane.defaultColor);
    for (int i = 1; i <= 20; ++i) {
        MeshSections& f = fuselages.fuselage(i);
        f.nb_sections = 200;
        f.nb_cross = 64;
        f.initArrays();
        for (int d = 1; d <= 200; ++d) {
            f.sel_sec = static_cast<std::int16_t>(d);
            f.posSet(d * 5.0);
            f.heightSet(60 + 40 * std::sin(d / 30.0) + i);
            f.widthSet(60);
            f.elevationSet(20 + i);
        }
    }
    fuselages.currentFuselage = 10;
    for (int i = 2; i <= 200; ++i) {
        plane.equipment.addBox(plane.units);
        plane.equipment.box(i).pos = 3.0 * i;
    }
}

// The default aircraft (`large` false) or the large one, its 3D geometry built.
inline void makeAircraft(Plane& plane, bool large) {
    if (large) {
        makeLargeAircraft(plane);
    } else {
        newPlane(plane);
    }
    createAll(plane);
}

}  // namespace ferlo::testing
