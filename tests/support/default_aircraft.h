#pragma once

#include "surfaces/main_wing.h"
#include "surfaces/sym_wing_sections.h"
#include "surfaces/vert_wing_section.h"

namespace ferlo::testing {

// The first wing panel of a new project, in millimetres, initialised.
inline SymWingSections defaultWingPanel() {
    SymWingSections panel;
    panel.pos1 = 180;
    panel.pos2 = 10;
    panel.span = 700;
    panel.length1 = 230;
    panel.length2 = 150;
    panel.elevation1 = 50;
    panel.elevation2 = 0;
    panel.init();
    return panel;
}

// The stabiliser of a new project, in millimetres, initialised.
inline SymWingSections defaultStabiliser() {
    SymWingSections stab;
    stab.pos1 = 650;
    stab.pos2 = 40;
    stab.span = 250;
    stab.length1 = 130;
    stab.length2 = 80;
    stab.elevation1 = 50;
    stab.elevation2 = 0;
    stab.shift = 0;
    stab.init();
    return stab;
}

// The main wing of a new project: the default first panel only.
inline MainWing defaultMainWing() {
    MainWing wing;
    wing.nbWings = 1;
    wing.initWings();
    wing.wings[1] = defaultWingPanel();
    return wing;
}

// The fin of a new project, initialised.
inline VertWingSection defaultFin() {
    VertWingSection fin;
    fin.init();
    return fin;
}

}  // namespace ferlo::testing
