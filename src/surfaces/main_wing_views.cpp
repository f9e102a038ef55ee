#include "surfaces/main_wing.h"

namespace ferlo {

void MainWing::drawVTopWings(const ViewContext& ctx, double zoom, double xoff, double yoff) {
    forEachWing([&](SymWingSections& w) { w.drawVTop(ctx, zoom, xoff, yoff); });
}

void MainWing::selectsVTopWings(const ViewContext& ctx, double x, double y) {
    forEachWing([&](SymWingSections& w) { w.selectsVTop(ctx, x, y); });
}

void MainWing::initMouseValVTopWings(const ViewState& view, double x, double y) {
    pressWings(&SymWingSections::testPositionVTop, &SymWingSections::initMouseValVTop, view, x, y);
}

void MainWing::drawFrontWings(const ViewContext& ctx, double zoom, double xoff, double yoff) {
    forEachWing([&](SymWingSections& w) { w.drawFront(ctx, zoom, xoff, yoff); });
}

void MainWing::selectsFrontWings(const ViewContext& ctx, double x, double y) {
    forEachWing([&](SymWingSections& w) { w.selectsFront(ctx, x, y); });
}

void MainWing::initMouseValFrontWings(const ViewState& view, double x, double y) {
    pressWings(&SymWingSections::testPositionFront, &SymWingSections::initMouseValFront, view, x, y);
}

void MainWing::printVTopWings(Canvas& printer, double zoom, double xoff, double yoff) const {
    forEachWing([&](const SymWingSections& w) { w.printVTop(printer, zoom, xoff, yoff); });
}

void MainWing::printFrontWings(Canvas& printer, const ViewColors& colors, double zoom, double xoff,
                               double yoff) const {
    forEachWing([&](const SymWingSections& w) { w.printFront(printer, colors, zoom, xoff, yoff); });
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
