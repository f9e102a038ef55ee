#pragma once

#include "surfaces/main_wing.h"
#include "surfaces/sym_wing_sections.h"
#include "surfaces/vert_wing_section.h"

namespace ferlo::testing {

// The eight lengths of a panel, in the order of its project-file record.
struct PanelLengths {
    double span, length1, length2, pos1, pos2, elevation1, elevation2, shift;
};

// A panel with these lengths, initialised: the built-in airfoil (which sets
// the relative thicknesses) and the default colour.
inline SymWingSections initialisedPanel(const PanelLengths& lengths) {
    SymWingSections panel;
    panel.span = lengths.span;
    panel.length1 = lengths.length1;
    panel.length2 = lengths.length2;
    panel.pos1 = lengths.pos1;
    panel.pos2 = lengths.pos2;
    panel.elevation1 = lengths.elevation1;
    panel.elevation2 = lengths.elevation2;
    panel.shift = lengths.shift;
    panel.init();
    return panel;
}

// The first wing panel of a new project, in millimetres.
inline SymWingSections defaultWingPanel() { return initialisedPanel({700, 230, 150, 180, 10, 50, 0, 0}); }

// The stabiliser of a new project, in millimetres.
inline SymWingSections defaultStabiliser() { return initialisedPanel({250, 130, 80, 650, 40, 50, 0, 0}); }

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
