#pragma once

#include "base/geometry.h"
#include "base/palette.h"
#include "base/units.h"
#include "base/view_state.h"
#include "fuselage/equipment.h"
#include "fuselage/fuselage_list.h"
#include "surfaces/main_wing.h"
#include "surfaces/sym_wing_sections.h"
#include "surfaces/vert_wing_section.h"

namespace ferlo {

// The open aircraft as a whole. One object owns every part for the whole run;
// a new project resets it in place.
class Plane {
public:
    // The colour every new part takes.
    ColorRGB defaultColor = kDefaultPartColor;
    // What lies under the pointer or is dragged, and what a view shows but does not edit.
    PaletteColor colorSelected = kLightYellow;
    PaletteColor colorInactive = kLightBlue;

    MainWing mainWing;
    SymWingSections stab;
    VertWingSection fin;
    // The fuselages, the current one and the fuselage manager's shown flags.
    FuselageList fuselages;
    // The equipment boxes and the catalogues that size them.
    Equipment equipment;

    // The unit every stored length is in.
    LengthUnit units = LengthUnit::Millimeters;

    // The DXF writer's pen, carried over from one export to the next.
    Point3D dxfLastPoint;

    ViewColors viewColors() const { return {colorSelected, colorInactive}; }
};

}  // namespace ferlo
