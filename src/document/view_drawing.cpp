#include "document/view_drawing.h"

namespace ferlo {

void drawView(Plane& plane, ViewKind mode, const ViewContext& ctx, bool equipmentTabOpen) {
    ctx.canvas.clear();
    switch (mode) {
    case ViewKind::VTop:
        plane.mainWing.drawVTopWings(ctx);
        plane.stab.drawVTop(ctx);
        plane.fuselages.computeVTopPointsFuselages(ctx.view);
        plane.fuselages.drawVTopFuselages(ctx, MeshSections::kVTopPlain);
        plane.fin.computeVTopPoints(ctx.view);
        plane.fin.drawVTop(ctx);
        break;
    case ViewKind::Front:
        plane.mainWing.drawFrontWings(ctx);
        plane.stab.drawFront(ctx);
        plane.fuselages.current().computeFrontPoints(ctx.view);
        plane.fuselages.current().drawFront(ctx);
        plane.fin.computeFrontPoints(ctx.view);
        plane.fin.drawFront(ctx, VertWingSection::kDrawNormal);
        break;
    case ViewKind::Side:
        if (equipmentTabOpen) plane.equipment.drawSideEquipment(ctx);
        plane.fuselages.drawSideFuselages(
            ctx, -1, equipmentTabOpen ? MeshSections::kDrawInactive : MeshSections::kHitSideSectionLine);
        plane.fin.drawSide(ctx, -1, -1, -1, -1,
                           equipmentTabOpen ? VertWingSection::kDrawInactive : VertWingSection::kDrawEditable);
        for (SymWingSections* panel : {&plane.mainWing.wing(1), &plane.stab}) {
            panel->computeSidePoints(ctx.view);
            panel->drawSide(ctx);
        }
        break;
    case ViewKind::HTop:
        plane.fuselages.drawHTopFuselages(ctx, -1,
                                          equipmentTabOpen ? MeshSections::kDrawInactive : MeshSections::kHTopPlain);
        plane.equipment.drawHTopEquipment(ctx);
        for (SymWingSections* panel : {&plane.mainWing.wing(1), &plane.stab}) {
            panel->computeHTopPoints(ctx.view);
            panel->drawHTop(ctx);
        }
        break;
    }
}

}  // namespace ferlo
