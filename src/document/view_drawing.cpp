#include "document/view_drawing.h"

#include <algorithm>

namespace ferlo {

namespace {

// Calls `draw(i)` for the numbers 1 to `count` in `range`.
template <typename Draw>
void forEachIn(const NumberRange& range, int count, Draw draw) {
    for (int i = std::max(range.first, 1); i <= std::min(range.last, count); ++i) draw(i);
}

void drawVTop(Plane& plane, const ViewContext& ctx, const ViewParts& parts) {
    const ViewState& v = ctx.view;
    forEachIn(parts.panels, plane.mainWing.nbWings, [&](int i) { plane.mainWing.wing(i).drawVTop(ctx); });
    if (parts.stab) plane.stab.drawVTop(ctx);
    FuselageList& fuselages = plane.fuselages;
    MeshSections& current = fuselages.current();
    if (parts.otherFuselages) {
        forEachOtherShownFuselage(fuselages, [&](MeshSections& f) {
            f.computeVTopPoints(v);
            f.drawVTop(ctx, MeshSections::kDrawInactive);
        });
    }
    if (parts.fuselage && currentShown(fuselages)) {
        current.computeVTopPoints(v);
        current.drawVTop(ctx, MeshSections::kVTopPlain);
    }
    if (parts.fin) {
        plane.fin.computeVTopPoints(v);
        plane.fin.drawVTop(ctx);
    }
}

void drawFront(Plane& plane, const ViewContext& ctx, const ViewParts& parts) {
    const ViewState& v = ctx.view;
    forEachIn(parts.panels, plane.mainWing.nbWings, [&](int i) { plane.mainWing.wing(i).drawFront(ctx); });
    if (parts.stab) plane.stab.drawFront(ctx);
    if (parts.fuselage) {
        MeshSections& current = plane.fuselages.current();
        current.computeFrontPoints(v);
        current.drawFront(ctx);
    }
    if (parts.fin) {
        plane.fin.computeFrontPoints(v);
        plane.fin.drawFront(ctx, VertWingSection::kDrawNormal);
    }
}

// Panel 1 and the stabiliser, shown for reference in the Side or HTop view.
void drawReferences(Plane& plane, const ViewContext& ctx, const ViewParts& parts,
                    void (SymWingSections::*compute)(const ViewTransform&),
                    void (SymWingSections::*draw)(const ViewContext&) const) {
    const ViewState& v = ctx.view;
    for (SymWingSections* panel : {parts.panels.contains(1) ? &plane.mainWing.wing(1) : nullptr,
                                   parts.stab ? &plane.stab : nullptr}) {
        if (panel == nullptr) continue;
        (panel->*compute)(v);
        (panel->*draw)(ctx);
    }
}

void drawSide(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts) {
    if (equipmentTabOpen) {
        forEachIn(parts.boxes, plane.equipment.nbBoxes, [&](int i) { plane.equipment.box(i).drawSide(ctx); });
    }
    FuselageList& fuselages = plane.fuselages;
    MeshSections& current = fuselages.current();
    if (parts.otherFuselages) {
        forEachOtherShownFuselage(fuselages, [&](MeshSections& f) {
            f.drawSide(ctx, -1, MeshSections::kDrawInactive);
        });
    }
    if (parts.fuselage && currentShown(fuselages)) {
        current.drawSide(ctx, -1,
                         equipmentTabOpen ? MeshSections::kDrawInactive : MeshSections::kHitSideSectionLine);
    }
    if (parts.fin) {
        plane.fin.drawSide(ctx, -1, -1, -1, -1,
                           equipmentTabOpen ? VertWingSection::kDrawInactive : VertWingSection::kDrawEditable);
    }
    drawReferences(plane, ctx, parts, &SymWingSections::computeSidePoints, &SymWingSections::drawSide);
}

void drawHTop(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts) {
    FuselageList& fuselages = plane.fuselages;
    MeshSections& current = fuselages.current();
    if (parts.otherFuselages) {
        forEachOtherShownFuselage(fuselages, [&](MeshSections& f) {
            f.drawHTop(ctx, -1, MeshSections::kDrawInactive);
        });
    }
    if (parts.fuselage && currentShown(fuselages)) {
        current.drawHTop(ctx, -1,
                         equipmentTabOpen ? MeshSections::kDrawInactive : MeshSections::kHTopPlain);
    }
    forEachIn(parts.boxes, plane.equipment.nbBoxes, [&](int i) { plane.equipment.box(i).drawHTop(ctx); });
    drawReferences(plane, ctx, parts, &SymWingSections::computeHTopPoints, &SymWingSections::drawHTop);
}

}  // namespace

bool currentShown(const FuselageList& fuselages) { return fuselages.shown(fuselages.currentFuselage); }

void drawView(Plane& plane, ViewKind mode, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts) {
    switch (mode) {
    case ViewKind::VTop: return drawVTop(plane, ctx, parts);
    case ViewKind::Front: return drawFront(plane, ctx, parts);
    case ViewKind::Side: return drawSide(plane, ctx, equipmentTabOpen, parts);
    case ViewKind::HTop: return drawHTop(plane, ctx, equipmentTabOpen, parts);
    }
}

}  // namespace ferlo
