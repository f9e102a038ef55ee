// The rows of the drawing area's mouse protocol: for each view and event,
// which parts are asked, in which order. The parts decide by their `paint`
// whether a move hovers or drags.

#include "document/mouse_steps.h"

#include <algorithm>

#include "document/view_drawing.h"

namespace ferlo {

namespace {

template <typename Action>
void forEachIn(const NumberRange& range, int count, Action action) {
    for (int i = std::max(range.first, 1); i <= std::min(range.last, count); ++i) action(i);
}

template <typename Part>
void press(Part& part, std::int32_t code, const ViewState& view,
           void (Part::*initMouseVal)(const ViewState&)) {
    part.paint = code;
    (part.*initMouseVal)(view);
}

// The fuselages as the Side or HTop view draws them with no section lit:
// the other shown fuselages inactive, the current one in the colour of
// `which` (for the fuselages in `parts`).
void drawFuselagesSide(Plane& plane, const ViewContext& ctx, const ViewParts& parts, std::int32_t which) {
    if (parts.otherFuselages) {
        plane.fuselages.drawSideFuselages(ctx, -1, which);
    } else if (parts.fuselage && currentShown(plane.fuselages)) {
        plane.fuselages.current().drawSide(ctx, -1, which);
    }
}

void drawFuselagesHTop(Plane& plane, const ViewContext& ctx, const ViewParts& parts, std::int32_t which) {
    if (parts.otherFuselages) {
        plane.fuselages.drawHTopFuselages(ctx, -1, which);
    } else if (parts.fuselage && currentShown(plane.fuselages)) {
        plane.fuselages.current().drawHTop(ctx, -1, which);
    }
}

// The Ctrl section edit right after the current fuselage's hit test: a hit
// in a gap inserts a section at the mouse-down point and redraws the
// fuselages; a hit on a section line removes that section (a fuselage of
// two sections keeps both), clears the drawing surface and redraws the
// fuselages. The fuselage is idle afterwards.
SectionEdit editSections(Plane& plane, const ViewContext& ctx, std::int32_t gap, std::int32_t sectionLine,
                         void (*drawFuselages)(Plane&, const ViewContext&, const ViewParts&, std::int32_t),
                         std::int32_t plain) {
    MeshSections& f = plane.fuselages.current();
    if (!ctx.view.ctrlkey || !currentShown(plane.fuselages)) return SectionEdit::None;
    SectionEdit edit = SectionEdit::None;
    if (f.paint == gap) {
        f.insertSection(ctx.view);
        drawFuselages(plane, ctx, ViewParts::all(), plain);
        edit = SectionEdit::Inserted;
    } else if (f.paint == sectionLine) {
        f.removeSection();
        ctx.canvas.clear();
        drawFuselages(plane, ctx, ViewParts::all(), plain);
        edit = SectionEdit::Removed;
    }
    if (edit != SectionEdit::None) f.paint = MeshSections::kIdlePaint;
    return edit;
}

}  // namespace

// ---- VTop: the current fuselage, the wing panels and the stabiliser are
// edited; the fin is shown.

void mouseDownVTop(Plane& plane, const ViewState& view, double x, double y) {
    plane.fuselages.pressVTopFuselages(view, x, y);
    plane.mainWing.initMouseValVTopWings(view, x, y);
    press(plane.stab, plane.stab.testPositionVTop(x, y), view, &SymWingSections::initMouseValVTop);
}

void mouseMoveVTop(Plane& plane, const ViewContext& ctx, const ViewParts& parts, double x, double y) {
    forEachIn(parts.panels, plane.mainWing.nbWings, [&](int i) { plane.mainWing.wing(i).selectsVTop(ctx, x, y); });
    if (parts.stab) plane.stab.selectsVTop(ctx, x, y);
    if (parts.otherFuselages) {
        plane.fuselages.selectsVTopFuselages(ctx, x, y);
    } else if (parts.fuselage && currentShown(plane.fuselages)) {
        plane.fuselages.current().selectsVTop(ctx, x, y);
    }
    if (parts.fin) plane.fin.drawVTop(ctx);
}

void mouseUpVTop(Plane& plane, const ViewContext& ctx, const ViewParts& parts) {
    plane.mainWing.resetWingsPaint();
    forEachIn(parts.panels, plane.mainWing.nbWings, [&](int i) { plane.mainWing.wing(i).drawVTop(ctx); });
    plane.stab.paint = SymWingSections::kIdlePaint;
    if (parts.stab) plane.stab.drawVTop(ctx, kNoEdgeSelected);
    // The fuselage keeps the outline of its last move, lit no more.
    MeshSections& f = plane.fuselages.current();
    f.paint = MeshSections::kIdlePaint;
    if (parts.fuselage && currentShown(plane.fuselages)) f.drawVTop(ctx, MeshSections::kVTopPlain);
}

// ---- Front: the wing panels, the stabiliser and the fin are edited; the
// current fuselage's selected section is shown.

void mouseDownFront(Plane& plane, const ViewState& view, double x, double y) {
    plane.mainWing.initMouseValFrontWings(view, x, y);
    press(plane.stab, plane.stab.testPositionFront(x, y), view, &SymWingSections::initMouseValFront);
    press(plane.fin, plane.fin.testPositionFront(x, y), view, &VertWingSection::initMouseValFront);
}

void mouseMoveFront(Plane& plane, const ViewContext& ctx, const ViewParts& parts, double x, double y) {
    forEachIn(parts.panels, plane.mainWing.nbWings, [&](int i) { plane.mainWing.wing(i).selectsFront(ctx, x, y); });
    if (parts.stab) plane.stab.selectsFront(ctx, x, y);
    if (parts.fuselage) plane.fuselages.current().drawFront(ctx);
    if (parts.fin) plane.fin.selectsFront(ctx, x, y);
}

void mouseUpFront(Plane& plane, const ViewContext& ctx, const ViewParts& parts) {
    plane.mainWing.resetWingsPaint();
    forEachIn(parts.panels, plane.mainWing.nbWings, [&](int i) { plane.mainWing.wing(i).drawFront(ctx); });
    plane.stab.paint = SymWingSections::kIdlePaint;
    if (parts.stab) plane.stab.drawFront(ctx, kNoEdgeSelected);
    // The fin (never lit in this view) keeps the outline of its last move.
    plane.fin.paint = VertWingSection::kIdlePaint;
}

// ---- Side: the current fuselage and the fin are edited, or only the
// equipment boxes while the equipment tab is open; panel 1 and the
// stabiliser are shown.

SectionEdit mouseDownSide(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, double x, double y) {
    const ViewState& view = ctx.view;
    if (equipmentTabOpen) {
        plane.equipment.testPositionSideEquipment(x, y);
        plane.equipment.initMouseValSideEquipment(view);
        return SectionEdit::None;
    }
    plane.fuselages.pressSideFuselages(view, x, y);
    const SectionEdit edit = editSections(plane, ctx, MeshSections::kHitSideGap, MeshSections::kHitSideSectionLine,
                                          drawFuselagesSide, MeshSections::kHitSideSectionLine);
    press(plane.fin, plane.fin.testPositionSide(x, y), view, &VertWingSection::initMouseValSide);
    return edit;
}

void mouseMoveSide(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts, double x,
                   double y) {
    if (equipmentTabOpen) {
        forEachIn(parts.boxes, plane.equipment.nbBoxes, [&](int i) { plane.equipment.box(i).selectsSide(ctx, x, y); });
        drawFuselagesSide(plane, ctx, parts, MeshSections::kDrawInactive);
        if (parts.fin) plane.fin.drawSide(ctx, -1, -1, -1, -1, VertWingSection::kDrawInactive);
    } else {
        if (parts.otherFuselages) {
            plane.fuselages.selectsSideFuselages(ctx, x, y);
        } else if (parts.fuselage && currentShown(plane.fuselages)) {
            plane.fuselages.current().selectsSide(ctx, x, y);
        }
        if (parts.fin) plane.fin.selectsSide(ctx, x, y);
    }
    if (parts.panels.contains(1)) plane.mainWing.wing(1).drawSide(ctx);
    if (parts.stab) plane.stab.drawSide(ctx);
}

void mouseUpSide(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts) {
    plane.fuselages.current().paint = MeshSections::kIdlePaint;
    plane.fin.paint = VertWingSection::kIdlePaint;
    // What the last move may have lit is drawn plain again.
    if (equipmentTabOpen) {
        plane.equipment.resetEquipmentPaint();
        forEachIn(parts.boxes, plane.equipment.nbBoxes, [&](int i) { plane.equipment.box(i).drawSide(ctx); });
    } else {
        if (parts.fuselage && currentShown(plane.fuselages)) {
            plane.fuselages.current().drawSide(ctx, -1, MeshSections::kHitSideSectionLine);
        }
        if (parts.fin) plane.fin.drawSide(ctx);
    }
}

// ---- HTop: the current fuselage is edited, or only the equipment boxes
// while the equipment tab is open; panel 1 and the stabiliser are shown.

SectionEdit mouseDownHTop(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, double x, double y) {
    const ViewState& view = ctx.view;
    if (equipmentTabOpen) {
        plane.equipment.testPositionHTopEquipment(x, y);
        plane.equipment.initMouseValHTopEquipment(view);
        return SectionEdit::None;
    }
    plane.fuselages.pressHTopFuselages(view, x, y);
    return editSections(plane, ctx, MeshSections::kHitHTopGap, MeshSections::kHitHTopSectionLine, drawFuselagesHTop,
                        MeshSections::kHTopPlain);
}

void mouseMoveHTop(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts, double x,
                   double y) {
    Equipment& equipment = plane.equipment;
    if (equipmentTabOpen) {
        forEachIn(parts.boxes, equipment.nbBoxes, [&](int i) { equipment.box(i).selectsHTop(ctx, x, y); });
        drawFuselagesHTop(plane, ctx, parts, MeshSections::kDrawInactive);
    } else {
        // The shown fuselages in list order, the current one at its place.
        if (parts.otherFuselages) {
            plane.fuselages.selectsHTopFuselages(ctx, x, y);
        } else if (parts.fuselage && currentShown(plane.fuselages)) {
            plane.fuselages.current().selectsHTop(ctx, x, y);
        }
        forEachIn(parts.boxes, equipment.nbBoxes, [&](int i) { equipment.box(i).drawHTop(ctx); });
    }
    if (parts.panels.contains(1)) plane.mainWing.wing(1).drawHTop(ctx);
    if (parts.stab) plane.stab.drawHTop(ctx);
}

void mouseUpHTop(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts) {
    plane.fuselages.current().paint = MeshSections::kIdlePaint;
    // The fuselages as the view draws them, lit no more.
    drawFuselagesHTop(plane, ctx, parts, equipmentTabOpen ? MeshSections::kDrawInactive : MeshSections::kHTopPlain);
    if (equipmentTabOpen) {
        plane.equipment.resetEquipmentPaint();
        forEachIn(parts.boxes, plane.equipment.nbBoxes, [&](int i) { plane.equipment.box(i).drawHTop(ctx); });
    }
}

}  // namespace ferlo
