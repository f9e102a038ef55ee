#include "document/view_drawing.h"

namespace ferlo {

void drawView(Plane& plane, ViewKind mode, const ViewContext& ctx, bool equipmentTabOpen) {
    const ViewState& v = ctx.view;
    switch (mode) {
    case ViewKind::VTop:
        plane.mainWing.drawVTopWings(ctx, v.zoom, v.xoff, v.yoff);
        plane.stab.drawVTop(ctx, v.zoom, v.xoff, v.yoff);
        plane.fuselages.computeVTopPointsFuselages(v.zoom, v.xoff, v.yoff);
        plane.fuselages.drawVTopFuselages(ctx, MeshSections::kVTopPlain);
        plane.fin.computeVTopPoints(v.zoom, v.xoff, v.yoff);
        plane.fin.drawVTop(ctx);
        break;
    case ViewKind::Front:
        plane.mainWing.drawFrontWings(ctx, v.zoom, v.xoff, v.yoff);
        plane.stab.drawFront(ctx, v.zoom, v.xoff, v.yoff);
        plane.fuselages.current().computeFrontPoints(v.zoom, v.xoff, v.yoff);
        plane.fuselages.current().drawFront(ctx);
        plane.fin.computeFrontPoints(v.zoom, v.xoff, v.yoff);
        plane.fin.drawFront(ctx, VertWingSection::kDrawNormal);
        break;
    case ViewKind::Side:
        if (equipmentTabOpen) plane.equipment.drawSideEquipment(ctx, v.zoom, v.xoff, v.yoff);
        plane.fuselages.drawSideFuselages(ctx, v.zoom, v.xoff, v.yoff, -1,
                                          equipmentTabOpen ? MeshSections::kDrawInactive
                                                           : MeshSections::kSideSectionLine);
        plane.fin.drawSide(ctx, v.zoom, v.xoff, v.yoff, -1, -1, -1, -1,
                           equipmentTabOpen ? VertWingSection::kDrawInactive : VertWingSection::kDrawEditable);
        for (SymWingSections* panel : {&plane.mainWing.wing(1), &plane.stab}) {
            panel->computeSidePoints(v.zoom, v.xoff, v.yoff);
            panel->drawSide(ctx);
        }
        break;
    case ViewKind::HTop:
        plane.fuselages.drawHTopFuselages(ctx, v.zoom, v.xoff, v.yoff, -1,
                                          equipmentTabOpen ? MeshSections::kDrawInactive : MeshSections::kHTopPlain);
        plane.equipment.drawHTopEquipment(ctx, v.zoom, v.xoff, v.yoff);
        for (SymWingSections* panel : {&plane.mainWing.wing(1), &plane.stab}) {
            panel->computeHTopPoints(v.zoom, v.xoff, v.yoff);
            panel->drawHTop(ctx);
        }
        break;
    }
}

}  // namespace ferlo
