#include "surfaces/main_wing.h"

namespace ferlo {

void MainWing::initMouseValVTopWings(const ViewState& view, double x, double y) {
    pressWings(&SymWingSections::testPositionVTop, &SymWingSections::initMouseValVTop, view, x, y);
}

void MainWing::initMouseValFrontWings(const ViewState& view, double x, double y) {
    pressWings(&SymWingSections::testPositionFront, &SymWingSections::initMouseValFront, view, x, y);
}

void MainWing::printVTopWings(Canvas& printer, const ViewTransform& transform) const {
    forEachWing([&](const SymWingSections& w) { w.printVTop(printer, transform); });
}

void MainWing::printFrontWings(Canvas& printer, const ViewColors& colors, const ViewTransform& transform) const {
    forEachWing([&](const SymWingSections& w) { w.printFront(printer, colors, transform); });
}

void MainWing::pressWings(std::int32_t (SymWingSections::*testPosition)(double, double) const,
                          void (SymWingSections::*initMouseVal)(const ViewState&), const ViewState& view,
                          double x, double y) {
    int i = 1;
    for (; i <= nbWings; ++i) {
        SymWingSections& w = wing(i);
        w.paint = (w.*testPosition)(x, y);
        (w.*initMouseVal)(view);
        if (w.paint == SymWingSections::kHitRootEdge) break;
    }
    // The panels outboard of a grabbed root follow it, grabbed by their roots.
    for (int j = i + 1; j <= nbWings; ++j) {
        SymWingSections& w = wing(j);
        w.paint = SymWingSections::kHitRootEdge;
        (w.*initMouseVal)(view);
    }
}

}  // namespace ferlo
