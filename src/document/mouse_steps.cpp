// Which parts each 2D view lets the user edit with the mouse, and in which
// order they are asked at each event.

#include "document/mouse_protocol.h"

#include <initializer_list>

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
    case ViewKind::VTop: return joined({panelSteps(plane, kVTopPanels), finVTopSteps(plane.fin)});
    case ViewKind::Front: return joined({panelSteps(plane, kFrontPanels), finSteps(plane.fin, kFrontFin)});
    case ViewKind::Side:
        if (equipmentTabOpen) {
            return joined({equipmentSteps(plane.equipment, kSideEquipment), inactiveFinSideSteps(plane.fin),
                           referenceSteps(plane, &SymWingSections::drawSide)});
        }
        return joined({finSteps(plane.fin, kSideFin), referenceSteps(plane, &SymWingSections::drawSide)});
    case ViewKind::HTop:
        if (equipmentTabOpen) {
            return joined({equipmentSteps(plane.equipment, kHTopEquipment),
                           referenceSteps(plane, &SymWingSections::drawHTop)});
        }
        return referenceSteps(plane, &SymWingSections::drawHTop);
    }
    return {};
}

}  // namespace ferlo
