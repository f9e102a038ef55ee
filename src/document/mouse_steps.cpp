// Which parts each 2D view lets the user edit with the mouse, and in which
// order they are asked at each event.

#include "document/mouse_protocol.h"

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

}  // namespace

ViewMouseSteps mouseStepsOf(Plane& plane, ViewKind mode) {
    switch (mode) {
    case ViewKind::VTop: return panelSteps(plane, kVTopPanels);
    case ViewKind::Front: return panelSteps(plane, kFrontPanels);
    case ViewKind::Side: return referenceSteps(plane, &SymWingSections::drawSide);
    case ViewKind::HTop: return referenceSteps(plane, &SymWingSections::drawHTop);
    }
    return {};
}

}  // namespace ferlo
