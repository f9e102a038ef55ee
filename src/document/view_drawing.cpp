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
    forEachIn(parts.panels, plane.mainWing.nbWings, [&](int i) { plane.mainWing.wing(i).drawVTop(ctx, v.zoom, v.xoff, v.yoff); });
    if (parts.stab) plane.stab.drawVTop(ctx, v.zoom, v.xoff, v.yoff);
    FuselageList& fuselages = plane.fuselages;
    MeshSections& current = fuselages.current();
    if (parts.otherFuselages) {
        forEachOtherShownFuselage(fuselages, [&](MeshSections& f) {
            f.computeVTopPoints(v.zoom, v.xoff, v.yoff);
            f.drawVTop(ctx, MeshSections::kDrawInactive);
        });
    }
    if (parts.fuselage && currentShown(fuselages)) {
        current.computeVTopPoints(v.zoom, v.xoff, v.yoff);
        current.drawVTop(ctx, MeshSections::kVTopPlain);
    }
    if (parts.fin) {
        plane.fin.computeVTopPoints(v.zoom, v.xoff, v.yoff);
        plane.fin.drawVTop(ctx);
    }
}

void drawFront(Plane& plane, const ViewContext& ctx, const ViewParts& parts) {
    const ViewState& v = ctx.view;
    forEachIn(parts.panels, plane.mainWing.nbWings, [&](int i) { plane.mainWing.wing(i).drawFront(ctx, v.zoom, v.xoff, v.yoff); });
    if (parts.stab) plane.stab.drawFront(ctx, v.zoom, v.xoff, v.yoff);
    if (parts.fuselage) {
        MeshSections& current = plane.fuselages.current();
        current.computeFrontPoints(v.zoom, v.xoff, v.yoff);
        current.drawFront(ctx);
    }
    if (parts.fin) {
        plane.fin.computeFrontPoints(v.zoom, v.xoff, v.yoff);
        plane.fin.drawFront(ctx, VertWingSection::kDrawNormal);
    }
}

// Panel 1 and the stabiliser, shown for reference in the Side or HTop view.
void drawReferences(Plane& plane, const ViewContext& ctx, const ViewParts& parts,
                    void (SymWingSections::*compute)(double, double, double),
                    void (SymWingSections::*draw)(const ViewContext&) const) {
    const ViewState& v = ctx.view;
    for (SymWingSections* panel : {parts.panels.contains(1) ? &plane.mainWing.wing(1) : nullptr,
                                   parts.stab ? &plane.stab : nullptr}) {
        if (panel == nullptr) continue;
        (panel->*compute)(v.zoom, v.xoff, v.yoff);
        (panel->*draw)(ctx);
    }
}

void drawSide(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts) {
    const ViewState& v = ctx.view;
    if (equipmentTabOpen) {
        forEachIn(parts.boxes, plane.equipment.nbBoxes, [&](int i) { plane.equipment.box(i).drawSide(ctx, v.zoom, v.xoff, v.yoff); });
    }
    FuselageList& fuselages = plane.fuselages;
    MeshSections& current = fuselages.current();
    if (parts.otherFuselages) {
        forEachOtherShownFuselage(fuselages, [&](MeshSections& f) {
            f.drawSide(ctx, v.zoom, v.xoff, v.yoff, -1, MeshSections::kDrawInactive);
        });
    }
    if (parts.fuselage && currentShown(fuselages)) {
        current.drawSide(ctx, v.zoom, v.xoff, v.yoff, -1,
                         equipmentTabOpen ? MeshSections::kDrawInactive : MeshSections::kSideSectionLine);
    }
    if (parts.fin) {
        plane.fin.drawSide(ctx, v.zoom, v.xoff, v.yoff, -1, -1, -1, -1,
                           equipmentTabOpen ? VertWingSection::kDrawInactive : VertWingSection::kDrawEditable);
    }
    drawReferences(plane, ctx, parts, &SymWingSections::computeSidePoints, &SymWingSections::drawSide);
}

void drawHTop(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts) {
    const ViewState& v = ctx.view;
    FuselageList& fuselages = plane.fuselages;
    MeshSections& current = fuselages.current();
    if (parts.otherFuselages) {
        forEachOtherShownFuselage(fuselages, [&](MeshSections& f) {
            f.drawHTop(ctx, v.zoom, v.xoff, v.yoff, -1, MeshSections::kDrawInactive);
        });
    }
    if (parts.fuselage && currentShown(fuselages)) {
        current.drawHTop(ctx, v.zoom, v.xoff, v.yoff, -1,
                         equipmentTabOpen ? MeshSections::kDrawInactive : MeshSections::kHTopPlain);
    }
    forEachIn(parts.boxes, plane.equipment.nbBoxes, [&](int i) { plane.equipment.box(i).drawHTop(ctx, v.zoom, v.xoff, v.yoff); });
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
