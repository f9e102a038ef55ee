#include <string>

#include <gtest/gtest.h>

#include "editor/drawing/qimage_canvas.h"
#include "support/snapshot.h"
#include "surfaces/vert_wing_section.h"

namespace ferlo {
namespace {

// The fin as the editor shows it on a 320 x 240 drawing area, with light
// grey guide lines through the model origin (the plane of symmetry and the
// fuselage axis) so that a look at the picture shows where the fin stands.
constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr PaletteColor kGuide = 7;

enum class Kind { Single, Twin };

VertWingSection fin(Kind kind) {
    VertWingSection f;
    f.init();
    if (kind == Kind::Twin) {
        f.offset1 = 40;  // the two fins stand 80 apart, their tips splayed outwards
        f.offset2 = 10;
    }
    return f;
}

std::string suffix(Kind kind) { return kind == Kind::Single ? "single" : "twin"; }

class FinSnapshot : public ::testing::TestWithParam<Kind> {
protected:
    QImageCanvas canvas{kWidth, kHeight};
    ViewState view;

    ViewContext context() { return {canvas, view, ViewColors{}}; }

    void setView(double zoom, double xoff, double yoff) {
        view.zoom = zoom;
        view.xoff = xoff;
        view.yoff = yoff;
    }
    void verticalGuide() { canvas.line(view.xoff, 0, view.xoff, kHeight - 1, kGuide); }
    void horizontalGuide() { canvas.line(0, view.yoff, kWidth - 1, view.yoff, kGuide); }
};

// From the front: the fin's thickness trapezoid standing on the fuselage
// axis 30 units up; a twin fin on both sides of the plane of symmetry.
TEST_P(FinSnapshot, Front) {
    VertWingSection f = fin(GetParam());
    setView(1, 160, 220);
    verticalGuide();
    horizontalGuide();
    f.computeFrontPoints(view);
    f.drawFront(context());
    testing::expectMatchesSnapshot(canvas.image(), "fin_front_" + suffix(GetParam()));
}

// From the side, aft to the right: one outline, for a twin fin too; the
// pointer over the root leading-edge corner lights the root and leading edges.
TEST_P(FinSnapshot, Side) {
    VertWingSection f = fin(GetParam());
    setView(1, -560, 220);
    horizontalGuide();
    f.drawSide(context(), view.zoom, view.xoff, view.yoff);
    f.selectsSide(context(), 90, 190);
    testing::expectMatchesSnapshot(canvas.image(), "fin_side_" + suffix(GetParam()));
}

// From above, aft down the screen: the root section's rectangle in the
// inactive colour, mirrored for a twin fin.
TEST_P(FinSnapshot, VTop) {
    VertWingSection f = fin(GetParam());
    setView(1, 160, -600);
    verticalGuide();
    f.computeVTopPoints(view);
    f.drawVTop(context());
    testing::expectMatchesSnapshot(canvas.image(), "fin_vtop_" + suffix(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Fin, FinSnapshot, ::testing::Values(Kind::Single, Kind::Twin),
                         [](const auto& info) { return suffix(info.param); });

}  // namespace
}  // namespace ferlo
