#include "document/view_printing.h"

namespace ferlo {

void printVTopView(const Plane& plane, Canvas& printer, const ViewState& screen, double r) {
    const double zoom = screen.zoom * r;
    const double xoff = screen.xoff * r;
    const double yoff = screen.yoff * r;
    plane.mainWing.printVTopWings(printer, zoom, xoff, yoff);
    plane.stab.printVTop(printer, zoom, xoff, yoff);
    plane.fuselages.printVTopFuselages(printer, zoom, xoff, yoff);
}

void printFrontView(const Plane& plane, Canvas& printer, const ViewState& screen, double r) {
    const double zoom = screen.zoom * r;
    const double xoff = screen.xoff * r;
    const double yoff = screen.yoff * r;
    plane.fuselages.printFrontFuselages(printer, plane.viewColors(), zoom, xoff, yoff);
    plane.mainWing.printFrontWings(printer, plane.viewColors(), zoom, xoff, yoff);
    plane.stab.printFront(printer, plane.viewColors(), zoom, xoff, yoff);
    plane.fin.printFront(printer, zoom, xoff, yoff);
}

}  // namespace ferlo
