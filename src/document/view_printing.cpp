#include "document/view_printing.h"

namespace ferlo {

void printVTopView(const Plane& plane, Canvas& printer, const ViewTransform& screen, double r) {
    const ViewTransform page{screen.zoom * r, screen.xoff * r, 0};
    plane.mainWing.printVTopWings(printer, page);
    plane.stab.printVTop(printer, page);
    plane.fuselages.printVTopFuselages(printer, page);
}

void printFrontView(const Plane& plane, Canvas& printer, const ViewTransform& screen, double r) {
    const ViewTransform page{screen.zoom * r, screen.xoff * r, screen.yoff * r};
    plane.fuselages.printFrontFuselages(printer, plane.viewColors(), page);
    plane.mainWing.printFrontWings(printer, plane.viewColors(), page);
    plane.stab.printFront(printer, plane.viewColors(), page);
    plane.fin.printFront(printer, page);
}

}  // namespace ferlo
