#include "document/plane_operations.h"

#include "base/palette.h"

namespace ferlo {

namespace {

void setPanelGeometry(SymWingSections& panel, double pos1, double pos2, double span, double length1,
                      double length2, double elevation1, double elevation2) {
    panel.pos1 = pos1;
    panel.pos2 = pos2;
    panel.span = span;
    panel.length1 = length1;
    panel.length2 = length2;
    panel.elevation1 = elevation1;
    panel.elevation2 = elevation2;
}

}  // namespace

void newPlane(Plane& plane) {
    // First, because every part initialised below copies it.
    plane.defaultColor = kDefaultPartColor;
    plane.mainWing.freeWings();
    plane.mainWing.nbWings = 1;
    plane.mainWing.initWings(plane.defaultColor);
    plane.fuselages.initFuselages(plane.units, plane.defaultColor);

    SymWingSections& panel = plane.mainWing.wing(1);
    setPanelGeometry(panel, 180, 10, 700, 230, 150, 50, 0);
    panel.setTexture("");
    setPanelGeometry(plane.stab, 650, 40, 250, 130, 80, 50, 0);
    plane.stab.shift = 0;

    // `init` keeps the geometry just set and gives the built-in airfoil, the
    // default colour and no texture; the fin takes its own defaults.
    for (int i = 1; i <= plane.mainWing.nbWings; ++i) plane.mainWing.wing(i).init(plane.defaultColor);
    plane.stab.init(plane.defaultColor);
    plane.fin.init(plane.defaultColor);
    plane.equipment.initEquipment(plane.units);

    plane.colorInactive = kLightBlue;
    plane.colorSelected = kLightYellow;
}

void rescaleAll(Plane& plane, double k) {
    // Each part's rescale is all or none for that part; scaling copies and
    // putting them in place only when every part succeeded makes the whole
    // aircraft all or none.
    MainWing mainWing = plane.mainWing;
    SymWingSections stab = plane.stab;
    VertWingSection fin = plane.fin;
    FuselageList fuselages = plane.fuselages;
    Equipment equipment = plane.equipment;
    mainWing.rescaleWings(k);
    stab.rescale(k);
    fin.rescale(k);
    fuselages.rescaleFuselages(k);
    equipment.rescaleEquipment(k);
    plane.mainWing = std::move(mainWing);
    plane.stab = std::move(stab);
    plane.fin = std::move(fin);
    plane.fuselages = std::move(fuselages);
    plane.equipment = std::move(equipment);
}

void createAll(Plane& plane) {
    plane.fuselages.createFuselages();
    for (int i = 1; i <= plane.mainWing.nbWings; ++i) plane.mainWing.wing(i).create();
    plane.stab.create();
    plane.fin.create();
    plane.equipment.createEquipment();
}

}  // namespace ferlo
