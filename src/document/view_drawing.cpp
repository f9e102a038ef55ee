#include "document/view_drawing.h"

namespace ferlo {

void drawView(Plane& plane, ViewKind mode, const ViewContext& ctx) {
    const ViewState& v = ctx.view;
    ctx.canvas.clear();
    switch (mode) {
    case ViewKind::VTop:
        plane.mainWing.drawVTopWings(ctx, v.zoom, v.xoff, v.yoff);
        plane.stab.drawVTop(ctx, v.zoom, v.xoff, v.yoff);
        break;
    case ViewKind::Front:
        plane.mainWing.drawFrontWings(ctx, v.zoom, v.xoff, v.yoff);
        plane.stab.drawFront(ctx, v.zoom, v.xoff, v.yoff);
        break;
    case ViewKind::Side:
        for (SymWingSections* panel : {&plane.mainWing.wing(1), &plane.stab}) {
            panel->computeSidePoints(v.zoom, v.xoff, v.yoff);
            panel->drawSide(ctx);
        }
        break;
    case ViewKind::HTop:
        for (SymWingSections* panel : {&plane.mainWing.wing(1), &plane.stab}) {
            panel->computeHTopPoints(v.zoom, v.xoff, v.yoff);
            panel->drawHTop(ctx);
        }
        break;
    }
}

}  // namespace ferlo
