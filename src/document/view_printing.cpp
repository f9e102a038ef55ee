#include "document/view_printing.h"

namespace ferlo {

namespace {

// The screen's transform scaled by the page width over the drawing area's.
ViewTransform pageTransform(const ViewTransform& screen, double r) {
    return {screen.zoom * r, screen.xoff * r, screen.yoff * r};
}

}  // namespace

void printVTopView(const Plane& plane, Canvas& printer, const ViewTransform& screen, double r) {
    const ViewTransform page = pageTransform(screen, r);
    plane.mainWing.printVTopWings(printer, page);
    plane.stab.printVTop(printer, page);
    plane.fuselages.printVTopFuselages(printer, page);
}

void printFrontView(const Plane& plane, Canvas& printer, const ViewTransform& screen, double r) {
    const ViewTransform page = pageTransform(screen, r);
    plane.fuselages.printFrontFuselages(printer, plane.viewColors(), page);
    plane.mainWing.printFrontWings(printer, plane.viewColors(), page);
    plane.stab.printFront(printer, plane.viewColors(), page);
    plane.fin.printFront(printer, page);
}

}  // namespace ferlo
