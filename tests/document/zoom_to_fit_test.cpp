#include "document/zoom_to_fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "support/default_plane.h"

namespace ferlo {
namespace {

constexpr double kTolerance = 1e-9;

// The drawing area and the transform the view set-up hands to a fit.
constexpr std::int16_t kWidth = 800;
constexpr std::int16_t kHeight = 600;

ViewState presetView(std::int16_t width = kWidth) {
    ViewState view;
    view.zoom = 0.2;
    view.xoff = width / 2.0;
    view.yoff = 0;
    return view;
}

struct Transform {
    double zoom, xoff, yoff;
};

void expectTransform(const ViewState& view, const Transform& expected) {
    EXPECT_NEAR(view.zoom, expected.zoom, kTolerance);
    EXPECT_NEAR(view.xoff, expected.xoff, kTolerance);
    EXPECT_NEAR(view.yoff, expected.yoff, kTolerance);
}

// Any value can be the least or the greatest, however far from 0; an empty
// list has neither.
TEST(MinOfMaxOf, TheResultIsOneOfTheValues) {
    EXPECT_EQ(minOf(std::array{3.0, 3.0, 2.0}), 2);
    EXPECT_EQ(maxOf(std::array{3.0, 5.0, 5.0}), 5);
    EXPECT_EQ(minOf(std::array{200000.0, 100001.0}), 100001);
    EXPECT_EQ(maxOf(std::array{-200000.0, -100001.0}), -100001);
    EXPECT_EQ(minOf(std::vector<double>{}), std::numeric_limits<double>::infinity());
    EXPECT_EQ(maxOf(std::vector<double>{}), -std::numeric_limits<double>::infinity());
}

// The default aircraft: wing panel 1 reaches 700 out, its tip leading edge
// stands at 190; the stabiliser's edges at 690, 770 (tip trailing) and 780
// (root trailing); the fin at 650..830 along the axis, 30..180 high; the
// fuselage 0..800 long, 10..110 high and 100 wide.
class DefaultAircraftFit : public ::testing::Test {
protected:
    void SetUp() override { testing::setUpDefaultPlane(plane); }
    Plane plane;
    bool focusZoom = false;
};

TEST_F(DefaultAircraftFit, EachViewFitsWhatItShows) {
    // VTop: -700..700 across, 0..800 along the axis (aft down).
    const double vtopZoom = 0.95 * 800 / 1400.0;
    // Front: -700..700 across, 10 (fuselage bottom) .. 180 (fin tip) high.
    const double frontZoom = vtopZoom;
    // Side, fuselage tab: 0..800 by 10..110.
    const double sideZoom = 0.95 * 800 / 800.0;
    // Side, fin tab: 0..830 (fin tip trailing edge) by 10..180.
    const double finSideZoom = 0.95 * 800 / 830.0;
    // HTop: 0..800 by -50..50.
    const double htopZoom = 0.95;
    struct Case {
        const char* name;
        std::function<void(ViewState&)> fit;
        Transform expected;
    };
    const std::vector<Case> cases{
        {"VTop", [&](ViewState& v) { fitVTop(plane, kWidth, kHeight, v); },
         {vtopZoom, 400, (600 - vtopZoom * 800) / 2}},
        {"Front", [&](ViewState& v) { fitFront(plane, kWidth, kHeight, v); },
         {frontZoom, 400, (600 + frontZoom * 190) / 2}},
        {"Side", [&](ViewState& v) { fitSide(plane, kWidth, kHeight, false, focusZoom, v); },
         {sideZoom, (800 - sideZoom * 800) / 2, (600 + sideZoom * 120) / 2}},
        {"Side, fin tab", [&](ViewState& v) { fitSide(plane, kWidth, kHeight, true, focusZoom, v); },
         {finSideZoom, (800 - finSideZoom * 830) / 2, (600 + finSideZoom * 190) / 2}},
        {"HTop", [&](ViewState& v) { fitHTop(plane, kWidth, kHeight, focusZoom, v); }, {htopZoom, 20, 300}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ViewState view = presetView();
        c.fit(view);
        expectTransform(view, c.expected);
    }
}

// Changes to the default aircraft that move one end of a view's extent.
TEST_F(DefaultAircraftFit, ExtentsComeFromTheRightValues) {
    struct Case {
        const char* name;
        std::function<void(Plane&)> change;
        std::function<void(const Plane&, ViewState&)> fit;
        Transform expected;
    };
    const auto vtop = [](const Plane& p, ViewState& v) { fitVTop(p, kWidth, kHeight, v); };
    bool noFocus = false;
    const auto side = [&noFocus](const Plane& p, ViewState& v) { fitSide(p, kWidth, kHeight, false, noFocus, v); };
    const auto finSide = [&noFocus](const Plane& p, ViewState& v) { fitSide(p, kWidth, kHeight, true, noFocus, v); };
    const std::vector<Case> cases{
        // The stabiliser reaching 1000 out sets the span: -1000..1000.
        {"VTop span from the stabiliser", [](Plane& p) { p.stab.span = 1000; }, vtop,
         {0.95 * 800 / 2000.0, 400, (600 - 0.95 * 800 / 2000.0 * 800) / 2}},
        // A panel whose tip leading edge lies at 1180, behind the fuselage:
        // that edge is the rear, its chord beyond it is not taken.
        {"VTop rear at a panel's tip leading edge", [](Plane& p) { p.mainWing.wings[1].pos2 = 1000; }, vtop,
         {0.95 * 600 / 1180.0, 400, (600 - 0.95 * 600 / 1180.0 * 1180) / 2}},
        // A fin reaching 1000 high is taken only with the fin tab open.
        {"Side fuselage tab ignores the fin", [](Plane& p) { p.fin.span = 970; }, side,
         {0.95, 20, (600 + 0.95 * 120) / 2}},
        {"Side fin tab takes the fin's tip", [](Plane& p) { p.fin.span = 970; }, finSide,
         {0.95 * 600 / 990.0, (800 - 0.95 * 600 / 990.0 * 830) / 2, (600 + 0.95 * 600 / 990.0 * 1010) / 2}},
        // Only the current fuselage counts: a second, longer one made current.
        {"HTop on the current fuselage",
         [](Plane& p) {
             p.fuselages.addFuselage(false, p.units, p.defaultColor);
             p.fuselages.current().pos_offset = 100;
             p.fuselages.current().shift = 40;
         },
         [&noFocus](const Plane& p, ViewState& v) { fitHTop(p, kWidth, kHeight, noFocus, v); },
         {0.95, (800 - 0.95 * 1000) / 2, 300 - 0.95 * 40}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Plane changed;
        testing::setUpDefaultPlane(changed);
        c.change(changed);
        ViewState view = presetView();
        c.fit(changed, view);
        expectTransform(view, c.expected);
    }
}

// The whole aircraft moved far along the axis and up (or aft and down) is
// fitted as near the origin: the same zoom, the origin moved on the screen by
// as much.
TEST_F(DefaultAircraftFit, AnAircraftFarFromTheOriginFitsAsNearIt) {
    const auto move = [](Plane& p, double d) {
        for (SymWingSections* panel : {&p.mainWing.wing(1), &p.stab}) {
            panel->pos1 += d;
            panel->elevation1 += d;
        }
        p.fuselages.current().pos_offset += d;
        p.fuselages.current().elevation_offset += d;
        p.fin.pos1 += d;
        p.fin.shift += d;
    };
    struct Case {
        const char* name;
        std::function<void(const Plane&, ViewState&)> fit;
        double xSign, ySign;  // how the origin moves on the screen as the aircraft moves by +d
    };
    bool noFocus = false;
    const std::vector<Case> cases{
        {"VTop", [](const Plane& p, ViewState& v) { fitVTop(p, kWidth, kHeight, v); }, 0, -1},
        {"Front", [](const Plane& p, ViewState& v) { fitFront(p, kWidth, kHeight, v); }, 0, 1},
        {"Side", [&](const Plane& p, ViewState& v) { fitSide(p, kWidth, kHeight, false, noFocus, v); }, -1, 1},
        {"Side, fin tab", [&](const Plane& p, ViewState& v) { fitSide(p, kWidth, kHeight, true, noFocus, v); }, -1,
         1},
    };
    for (const double d : {300000.0, -2e7}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(::testing::Message() << c.name << " moved by " << d);
            ViewState near = presetView();
            c.fit(plane, near);
            Plane far;
            testing::setUpDefaultPlane(far);
            move(far, d);
            ViewState view = presetView();
            c.fit(far, view);
            EXPECT_NEAR(view.zoom, near.zoom, kTolerance);
            EXPECT_NEAR(view.xoff, near.xoff + c.xSign * near.zoom * d, 1e-6);
            EXPECT_NEAR(view.yoff, near.yoff + c.ySign * near.zoom * d, 1e-6);
        }
    }
}

// A low wing, root 300 below the default: the Front view's bottom is the
// root's bottom, -250 - 115 t, lower than the tip's -250 - 75 t.
TEST_F(DefaultAircraftFit, FrontBottomStartsAtTheWingRoot) {
    SymWingSections& panel = plane.mainWing.wings[1];
    panel.elevation1 = -250;
    const double bottom = -250 - panel.length1 * panel.thickness1 / 2;
    const double top = 180;  // the fin's tip
    const double zoom = 0.95 * std::min(800 / 1400.0, 600 / (top - bottom));
    ViewState view = presetView();
    fitFront(plane, kWidth, kHeight, view);
    expectTransform(view, {zoom, 400, (600 + zoom * (bottom + top)) / 2});
}

// The focus key: the selected section of the current fuselage fills 90 % of
// the height, centred; its position includes `pos_offset`, its elevation
// does not include `elevation_offset`. The flag is cleared.
TEST_F(DefaultAircraftFit, FocusZoomsOnTheSelectedSection) {
    MeshSections& fuselage = plane.fuselages.current();
    fuselage.pos_offset = 5;
    fuselage.elevation_offset = 7;
    fuselage.shift = 30;
    struct Case {
        const char* name;
        std::int16_t section;
        std::function<void(ViewState&)> fit;
        Transform expected;
    };
    const std::vector<Case> cases{
        // Section 1: height 20 at position 0, H 400 gives zoom 18.
        {"Side, section 1", 1, [&](ViewState& v) { fitSide(plane, kWidth, 400, true, focusZoom, v); },
         {18, (800 - 18 * 10) / 2.0, (400 + 18 * (20 + 20)) / 2.0}},
        // Section 2: height and width 100 at position 200, bottom 10.
        {"Side, section 2", 2, [&](ViewState& v) { fitSide(plane, kWidth, 400, false, focusZoom, v); },
         {3.6, (800 - 3.6 * 410) / 2, (400 + 3.6 * 120) / 2}},
        {"HTop, section 2", 2, [&](ViewState& v) { fitHTop(plane, kWidth, 400, focusZoom, v); },
         {3.6, (800 - 3.6 * 410) / 2, 200 - 3.6 * 30}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fuselage.sel_sec = c.section;
        focusZoom = true;
        ViewState view = presetView();
        c.fit(view);
        expectTransform(view, c.expected);
        EXPECT_FALSE(focusZoom);
    }
}

// Without extent or without drawing area the fit still gives a finite
// transform with a positive zoom: a direction that cannot limit the zoom is
// left out, and with neither the view keeps its zoom (1 when it had none).
TEST(ZoomToFitDegenerate, EveryCaseGivesAUsableTransform) {
    struct Case {
        const char* name;
        std::function<void(Plane&)> change;
        std::int16_t width, height;
        double zoomBefore;
        std::function<void(const Plane&, std::int16_t, std::int16_t, ViewState&)> fit;
        double expectedZoom;
    };
    const auto vtop = [](const Plane& p, std::int16_t w, std::int16_t h, ViewState& v) { fitVTop(p, w, h, v); };
    const auto front = [](const Plane& p, std::int16_t w, std::int16_t h, ViewState& v) { fitFront(p, w, h, v); };
    const auto side = [](const Plane& p, std::int16_t w, std::int16_t h, ViewState& v) {
        bool focus = false;
        fitSide(p, w, h, false, focus, v);
    };
    const auto htop = [](const Plane& p, std::int16_t w, std::int16_t h, ViewState& v) {
        bool focus = false;
        fitHTop(p, w, h, focus, v);
    };
    const auto sideFocus = [](const Plane& p, std::int16_t w, std::int16_t h, ViewState& v) {
        bool focus = true;
        fitSide(p, w, h, false, focus, v);
        EXPECT_FALSE(focus);
    };
    const auto htopFocus = [](const Plane& p, std::int16_t w, std::int16_t h, ViewState& v) {
        bool focus = true;
        fitHTop(p, w, h, focus, v);
        EXPECT_FALSE(focus);
    };
    const auto nothing = [](Plane&) {};
    const auto noSpan = [](Plane& p) {
        p.mainWing.wings[1].span = 0;
        p.stab.span = 0;
    };
    const auto noSections = [](Plane& p) {
        p.fuselages.current().nb_sections = 0;
        p.fuselages.current().initArrays();
    };
    const auto flatSection = [](Plane& p) {
        p.fuselages.current().sel_sec = 2;
        p.fuselages.current().heightSet(0);
        p.fuselages.current().widthSet(0);
    };
    const auto noSelectedSection = [](Plane& p) { p.fuselages.current().sel_sec = 0; };
    const std::vector<Case> cases{
        {"VTop, zero-size area", nothing, 0, 0, 0.2, vtop, 0.2},
        {"Front, negative area", nothing, -5, -5, 0.2, front, 0.2},
        {"Side, no width", nothing, 0, 600, 0.2, side, 0.95 * 6},
        {"HTop, no height", nothing, 800, 0, 0.2, htop, 0.95},
        {"VTop, no span", noSpan, 800, 600, 0.2, vtop, 0.95 * 600 / 800.0},
        {"Side, fuselage without sections", noSections, 800, 600, 0.2, side, 0.2},
        {"HTop, fuselage without sections, no zoom before", noSections, 800, 600, 0, htop, 1},
        {"Side focus, section of height 0", flatSection, 800, 600, 0.2, sideFocus, 0.2},
        {"HTop focus, section of width 0", flatSection, 800, 600, 0.2, htopFocus, 0.2},
        {"Side focus, no section selected", noSelectedSection, 800, 600, 0.2, sideFocus, 0.2},
        {"Side focus, zero-size area", nothing, 0, 0, std::numeric_limits<double>::infinity(), sideFocus, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Plane plane;
        testing::setUpDefaultPlane(plane);
        c.change(plane);
        ViewState view = presetView(c.width);
        view.zoom = c.zoomBefore;
        c.fit(plane, c.width, c.height, view);
        EXPECT_NEAR(view.zoom, c.expectedZoom, kTolerance);
        EXPECT_TRUE(std::isfinite(view.xoff));
        EXPECT_TRUE(std::isfinite(view.yoff));
    }
}

TEST(ZoomToFitDegenerate, InvalidCurrentFuselageChangesNothing) {
    Plane plane;
    testing::setUpDefaultPlane(plane);
    plane.fuselages.currentFuselage = 5;
    ViewState view = presetView();
    bool focus = true;
    EXPECT_THROW(fitVTop(plane, kWidth, kHeight, view), std::out_of_range);
    EXPECT_THROW(fitSide(plane, kWidth, kHeight, false, focus, view), std::out_of_range);
    EXPECT_THROW(fitHTop(plane, kWidth, kHeight, focus, view), std::out_of_range);
    EXPECT_TRUE(focus);
    expectTransform(view, {0.2, 400, 0});
}

}  // namespace
}  // namespace ferlo
