// Which parts each 2D view lets the user edit with the mouse, and in which
// order they are asked at each event.

#include "document/mouse_protocol.h"

#include <initializer_list>

#include "document/view_drawing.h"

namespace ferlo {

namespace {

using PointerStep = ViewMouseSteps::PointerStep;
using ReleaseStep = ViewMouseSteps::ReleaseStep;

// The operations of the main wing and of a panel in one editable view.
struct PanelViewOperations {
    void (MainWing::*pressWings)(const ViewState& view, double x, double y);
    void (MainWing::*selectsWings)(const ViewContext& ctx, double x, double y);
    void (MainWing::*drawWings)(const ViewContext& ctx, double zoom, double xoff, double yoff);
    std::int32_t (SymWingSections::*testPosition)(double x, double y) const;
    void (SymWingSections::*initMouseVal)(const ViewState& view);
    void (SymWingSections::*selects)(const ViewContext& ctx, double x, double y);
    void (SymWingSections::*draw)(const ViewContext& ctx, double zoom, double xoff, double yoff,
                                  const EdgeSelection& lit);
};

constexpr PanelViewOperations kVTopPanels{
    &MainWing::initMouseValVTopWings, &MainWing::selectsVTopWings, &MainWing::drawVTopWings,
    &SymWingSections::testPositionVTop, &SymWingSections::initMouseValVTop, &SymWingSections::selectsVTop,
    &SymWingSections::drawVTop};

constexpr PanelViewOperations kFrontPanels{
    &MainWing::initMouseValFrontWings, &MainWing::selectsFrontWings, &MainWing::drawFrontWings,
    &SymWingSections::testPositionFront, &SymWingSections::initMouseValFront, &SymWingSections::selectsFront,
    &SymWingSections::drawFront};

// The main-wing panels, then the stabiliser, in a view where both are edited:
// the panels through the wing list (outer panels follow a grabbed root), the
// stabiliser on its own.
ViewMouseSteps panelSteps(Plane& plane, const PanelViewOperations& op) {
    MainWing& wing = plane.mainWing;
    SymWingSections& stab = plane.stab;
    ViewMouseSteps steps;
    steps.down = {
        [&wing, op](const ViewContext& ctx, double x, double y) { (wing.*op.pressWings)(ctx.view, x, y); },
        [&stab, op](const ViewContext& ctx, double x, double y) {
            stab.paint = (stab.*op.testPosition)(x, y);
            (stab.*op.initMouseVal)(ctx.view);
        }};
    steps.move = {
        [&wing, op](const ViewContext& ctx, double x, double y) { (wing.*op.selectsWings)(ctx, x, y); },
        [&stab, op](const ViewContext& ctx, double x, double y) { (stab.*op.selects)(ctx, x, y); }};
    steps.up = {
        [&wing, op](const ViewContext& ctx) {
            wing.resetWingsPaint();
            (wing.*op.drawWings)(ctx, ctx.view.zoom, ctx.view.xoff, ctx.view.yoff);
        },
        [&stab, op](const ViewContext& ctx) {
            stab.paint = SymWingSections::kIdlePaint;
            (stab.*op.draw)(ctx, ctx.view.zoom, ctx.view.xoff, ctx.view.yoff, kNoEdgeSelected);
        }};
    return steps;
}

// The Side and HTop views show the first wing panel and the stabiliser for
// reference: each move draws them again over what the edited parts erased.
ViewMouseSteps referenceSteps(Plane& plane, void (SymWingSections::*draw)(const ViewContext&) const) {
    ViewMouseSteps steps;
    steps.move = {[&plane, draw](const ViewContext& ctx, double, double) {
        (plane.mainWing.wing(1).*draw)(ctx);
        (plane.stab.*draw)(ctx);
    }};
    return steps;
}

// The operations of the fin in a view where it is edited.
struct FinViewOperations {
    std::int32_t (VertWingSection::*testPosition)(double x, double y) const;
    void (VertWingSection::*initMouseVal)(const ViewState& view);
    void (VertWingSection::*selects)(const ViewContext& ctx, double x, double y);
};

constexpr FinViewOperations kFrontFin{&VertWingSection::testPositionFront, &VertWingSection::initMouseValFront,
                                      &VertWingSection::selectsFront};
constexpr FinViewOperations kSideFin{&VertWingSection::testPositionSide, &VertWingSection::initMouseValSide,
                                     &VertWingSection::selectsSide};

// The fin in a view where it is edited (Front: by its root or tip edge; Side:
// by an edge or a corner). At mouse-up it is idle again and keeps the outline
// of its last move on the screen.
ViewMouseSteps finSteps(VertWingSection& fin, const FinViewOperations& op) {
    ViewMouseSteps steps;
    steps.down = {[&fin, op](const ViewContext& ctx, double x, double y) {
        fin.paint = (fin.*op.testPosition)(x, y);
        (fin.*op.initMouseVal)(ctx.view);
    }};
    steps.move = {[&fin, op](const ViewContext& ctx, double x, double y) { (fin.*op.selects)(ctx, x, y); }};
    steps.up = {[&fin](const ViewContext&) { fin.paint = VertWingSection::kIdlePaint; }};
    return steps;
}

// The fin in the Side view while the equipment tab is open: never grabbed,
// each move draws it again in the inactive colour.
ViewMouseSteps inactiveFinSideSteps(VertWingSection& fin) {
    ViewMouseSteps steps;
    steps.move = {[&fin](const ViewContext& ctx, double, double) {
        const ViewState& v = ctx.view;
        fin.drawSide(ctx, v.zoom, v.xoff, v.yoff, -1, -1, -1, -1, VertWingSection::kDrawInactive);
    }};
    steps.up = {[&fin](const ViewContext&) { fin.paint = VertWingSection::kIdlePaint; }};
    return steps;
}

// The VTop view shows the fin for reference: each move draws it again where
// the view's set-up placed it.
ViewMouseSteps finVTopSteps(const VertWingSection& fin) {
    ViewMouseSteps steps;
    steps.move = {[&fin](const ViewContext& ctx, double, double) { fin.drawVTop(ctx); }};
    return steps;
}

// The operations of the equipment list in a view where the boxes are edited.
struct EquipmentViewOperations {
    void (Equipment::*testPosition)(double x, double y);
    void (Equipment::*initMouseVal)(const ViewState& view);
    void (Equipment::*selects)(const ViewContext& ctx, double x, double y);
    void (Equipment::*draw)(const ViewContext& ctx, double zoom, double xoff, double yoff);
};

constexpr EquipmentViewOperations kSideEquipment{
    &Equipment::testPositionSideEquipment, &Equipment::initMouseValSideEquipment, &Equipment::selectsSideEquipment,
    &Equipment::drawSideEquipment};
constexpr EquipmentViewOperations kHTopEquipment{
    &Equipment::testPositionHTopEquipment, &Equipment::initMouseValHTopEquipment, &Equipment::selectsHTopEquipment,
    &Equipment::drawHTopEquipment};

// The equipment boxes while the parameter panels show the equipment tab: the
// current box is tried first at mouse-down; at mouse-up every box is idle
// again and redrawn in black.
ViewMouseSteps equipmentSteps(Equipment& equipment, const EquipmentViewOperations& op) {
    ViewMouseSteps steps;
    steps.down = {[&equipment, op](const ViewContext& ctx, double x, double y) {
        (equipment.*op.testPosition)(x, y);
        (equipment.*op.initMouseVal)(ctx.view);
    }};
    steps.move = {
        [&equipment, op](const ViewContext& ctx, double x, double y) { (equipment.*op.selects)(ctx, x, y); }};
    steps.up = {[&equipment, op](const ViewContext& ctx) {
        equipment.resetEquipmentPaint();
        (equipment.*op.draw)(ctx, ctx.view.zoom, ctx.view.xoff, ctx.view.yoff);
    }};
    return steps;
}

// The current fuselage in the VTop view: grabbed by its front section line
// (shown or not), moved with the other shown fuselages redrawn inactive; at
// mouse-up it is idle and keeps the outline of its last move.
ViewMouseSteps fuselageVTopSteps(FuselageList& fuselages) {
    ViewMouseSteps steps;
    steps.down = {[&fuselages](const ViewContext& ctx, double x, double y) {
        MeshSections& f = fuselages.current();
        f.paint = f.testPositionVTop(x, y);
        f.initMouseValVTop(ctx.view);
    }};
    steps.move = {[&fuselages](const ViewContext& ctx, double x, double y) {
        fuselages.selectsVTopFuselages(ctx, x, y);
    }};
    steps.up = {[&fuselages](const ViewContext&) { fuselages.current().paint = MeshSections::kIdlePaint; }};
    return steps;
}

// The Front view shows the selected section of the current fuselage: each
// move draws it again where the view's set-up placed it.
ViewMouseSteps fuselageFrontSteps(const FuselageList& fuselages) {
    ViewMouseSteps steps;
    steps.move = {[&fuselages](const ViewContext& ctx, double, double) { fuselages.current().drawFront(ctx); }};
    return steps;
}

// The operations of the fuselages in the Side or HTop view.
struct FuselageViewOperations {
    ViewKind mode;
    std::int32_t (*testPosition)(MeshSections& f, const ViewState& view, double x, double y);
    void (*initMouseVal)(MeshSections& f, const ViewState& view);
    void (FuselageList::*selects)(const ViewContext& ctx, double x, double y);
    void (FuselageList::*draw)(const ViewContext& ctx, double zoom, double xoff, double yoff, std::int16_t selected1,
                               std::int32_t which);
    std::int32_t drawPlain;  // the current fuselage in black, no point lit
    std::int32_t gap;          // the hit code of a gap between sections (with Ctrl)
    std::int32_t sectionLine;  // the hit code of a section line
};

constexpr FuselageViewOperations kSideFuselages{
    ViewKind::Side,
    [](MeshSections& f, const ViewState& view, double x, double y) { return f.testPositionSide(x, y, view.ctrlkey); },
    [](MeshSections& f, const ViewState& view) { f.initMouseValSide(view); },
    &FuselageList::selectsSideFuselages,
    &FuselageList::drawSideFuselages,
    MeshSections::kSideSectionLine,
    MeshSections::kSideGap,
    MeshSections::kSideSectionLine};
constexpr FuselageViewOperations kHTopFuselages{
    ViewKind::HTop,
    [](MeshSections& f, const ViewState& view, double x, double y) { return f.testPositionHTop(view, x, y); },
    [](MeshSections& f, const ViewState&) { f.initMouseValHTop(); },
    &FuselageList::selectsHTopFuselages,
    &FuselageList::drawHTopFuselages,
    MeshSections::kHTopPlain,
    MeshSections::kHTopGap,
    MeshSections::kHTopSectionLine};

// The fuselages redrawn with no section lit, the current one in black.
void drawFuselages(FuselageList& fuselages, const FuselageViewOperations& op, const ViewContext& ctx) {
    (fuselages.*op.draw)(ctx, ctx.view.zoom, ctx.view.xoff, ctx.view.yoff, -1, op.drawPlain);
}

// With Ctrl a click into the gap between two sections of the current
// fuselage inserts a section there, and a click on a section line removes
// that section; only in a fuselage the view shows. A removal redraws the
// whole view, since what the removed section covered is gone, and leaves
// nothing grabbed: the section that takes the removed one's number is not
// dragged by the moves that follow.
void editSectionsWithCtrl(Plane& plane, const FuselageViewOperations& op, const ViewContext& ctx) {
    FuselageList& fuselages = plane.fuselages;
    MeshSections& f = fuselages.current();
    if (!ctx.view.ctrlkey || !fuselages.shown(fuselages.currentFuselage)) return;
    if (f.paint == op.gap) {
        f.insertSection(ctx.view);
        drawFuselages(fuselages, op, ctx);
    } else if (f.paint == op.sectionLine) {
        f.removeSection();
        f.paint = MeshSections::kIdlePaint;
        ctx.canvas.clear();
        drawView(plane, op.mode, ctx);
    }
}

// The fuselages in the Side or HTop view while the current one is edited:
// its hit code and start values at mouse-down, then Ctrl's section insert or
// removal; at each move the others redrawn inactive and the current one
// hovering or dragged; at mouse-up idle (in HTop redrawn in black).
ViewMouseSteps editedFuselageSteps(Plane& plane, const FuselageViewOperations& op) {
    FuselageList& fuselages = plane.fuselages;
    ViewMouseSteps steps;
    steps.down = {[&plane, op](const ViewContext& ctx, double x, double y) {
        MeshSections& f = plane.fuselages.current();
        f.paint = op.testPosition(f, ctx.view, x, y);
        op.initMouseVal(f, ctx.view);
        editSectionsWithCtrl(plane, op, ctx);
    }};
    steps.move = {[&fuselages, op](const ViewContext& ctx, double x, double y) { (fuselages.*op.selects)(ctx, x, y); }};
    steps.up = {[&fuselages, op](const ViewContext& ctx) {
        fuselages.current().paint = MeshSections::kIdlePaint;
        if (op.mode == ViewKind::HTop) drawFuselages(fuselages, op, ctx);
    }};
    return steps;
}

// The fuselages in the Side or HTop view while the equipment tab is open:
// never grabbed, each move draws every shown one again in the inactive
// colour.
ViewMouseSteps inactiveFuselageSteps(FuselageList& fuselages, const FuselageViewOperations& op) {
    ViewMouseSteps steps;
    steps.move = {[&fuselages, op](const ViewContext& ctx, double, double) {
        (fuselages.*op.draw)(ctx, ctx.view.zoom, ctx.view.xoff, ctx.view.yoff, -1, MeshSections::kDrawInactive);
    }};
    steps.up = {[&fuselages](const ViewContext&) { fuselages.current().paint = MeshSections::kIdlePaint; }};
    return steps;
}

// The HTop view shows the equipment boxes while the fuselage is edited: each
// move draws them again over what the fuselages erased.
ViewMouseSteps shownEquipmentHTopSteps(Equipment& equipment) {
    ViewMouseSteps steps;
    steps.move = {[&equipment](const ViewContext& ctx, double, double) {
        equipment.drawHTopEquipment(ctx, ctx.view.zoom, ctx.view.xoff, ctx.view.yoff);
    }};
    return steps;
}

// The steps of several parts, each event's list in the order the parts are given.
ViewMouseSteps joined(std::initializer_list<ViewMouseSteps> parts) {
    ViewMouseSteps steps;
    for (const ViewMouseSteps& part : parts) {
        steps.down.insert(steps.down.end(), part.down.begin(), part.down.end());
        steps.move.insert(steps.move.end(), part.move.begin(), part.move.end());
        steps.up.insert(steps.up.end(), part.up.begin(), part.up.end());
    }
    return steps;
}

}  // namespace

ViewMouseSteps mouseStepsOf(Plane& plane, ViewKind mode, bool equipmentTabOpen) {
    switch (mode) {
    case ViewKind::VTop:
        return joined(
            {panelSteps(plane, kVTopPanels), fuselageVTopSteps(plane.fuselages), finVTopSteps(plane.fin)});
    case ViewKind::Front:
        return joined(
            {panelSteps(plane, kFrontPanels), fuselageFrontSteps(plane.fuselages), finSteps(plane.fin, kFrontFin)});
    case ViewKind::Side:
        if (equipmentTabOpen) {
            return joined({equipmentSteps(plane.equipment, kSideEquipment),
                           inactiveFuselageSteps(plane.fuselages, kSideFuselages), inactiveFinSideSteps(plane.fin),
                           referenceSteps(plane, &SymWingSections::drawSide)});
        }
        return joined({editedFuselageSteps(plane, kSideFuselages), finSteps(plane.fin, kSideFin),
                       referenceSteps(plane, &SymWingSections::drawSide)});
    case ViewKind::HTop:
        if (equipmentTabOpen) {
            return joined({equipmentSteps(plane.equipment, kHTopEquipment),
                           inactiveFuselageSteps(plane.fuselages, kHTopFuselages),
                           referenceSteps(plane, &SymWingSections::drawHTop)});
        }
        return joined({editedFuselageSteps(plane, kHTopFuselages), shownEquipmentHTopSteps(plane.equipment),
                       referenceSteps(plane, &SymWingSections::drawHTop)});
    }
    return {};
}

}  // namespace ferlo
